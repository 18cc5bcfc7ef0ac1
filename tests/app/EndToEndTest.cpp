// The five buttons end to end on the real window, offscreen: type into the boxes like a
// user, click the button, read the boxes. The window is loaded once for the whole program
// through the frame's own services, as start-up loads it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramHarness.h"
#include "ProgramWindow.h"
#include "faces/qt/app/Accessibility.h"
#include "faces/qt/app/ApplicationObject.h"
#include "program/Procedures.h"
#include "faces/qt/live/LiveUnits.h"
#include "values/Gbk.h"

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ProgramWindow);

bool WarningShown()
{
    const QWidget* label = UnitWidget(main_window::kAngleWarning);
    return label != nullptr && label->isVisible();
}

using Row = std::vector<std::string>;

// A field of tests/cases/results.cases: the spaces around it dropped, its escapes read.
std::string Field(std::string raw, const std::map<std::string, std::string>& texts)
{
    raw.erase(0, raw.find_first_not_of(' '));
    raw.erase(raw.find_last_not_of(' ') + 1);
    if (!raw.empty() && raw[0] == '$') {
        const auto text = texts.find(raw.substr(1));
        EXPECT_NE(text, texts.end()) << "no text " << raw;
        return text != texts.end() ? text->second : raw;
    }
    std::string field;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char kind = raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : 0;
        const size_t digits = kind == 'u' ? 4 : kind == 'x' ? 2 : 0;
        if (digits == 0) {
            field += raw[i];
            continue;
        }
        const uint32_t value = std::stoul(raw.substr(i + 1, digits), nullptr, 16);
        field += kind == 'x' ? std::string(1, static_cast<char>(value))
                             : QString(QChar(static_cast<char16_t>(value))).toStdString();
        i += digits;
    }
    return field;
}

// The rows of one table of results.cases; a row with fewer than `fields` fields fails.
std::vector<Row> Table(const std::string& name, size_t fields)
{
    std::ifstream file(std::string(ANGLARIX_SOURCE_DIR) + "/tests/cases/results.cases");
    std::map<std::string, std::string> texts;
    std::vector<Row> rows;
    bool wanted = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("table ", 0) == 0) {
            wanted = line.substr(6) == name;
        } else if (line.rfind("text ", 0) == 0) {
            const size_t space = line.find(' ', 5);
            texts[line.substr(5, space - 5)] = Field(space == std::string::npos ? "" : line.substr(space),
                                                     texts);
        } else if (wanted && !line.empty() && line[0] != '#') {
            Row row(1);
            for (size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '|')
                    row.emplace_back();
                else if (line[i] == '\\' && i + 1 < line.size())
                    row.back() += line.substr(i++, 2);
                else
                    row.back() += line[i];
            }
            for (std::string& field : row)
                field = Field(field, texts);
            if (row.size() >= fields)
                rows.push_back(row);
            else
                ADD_FAILURE() << name << ": " << fields << " fields wanted in " << line;
        }
    }
    EXPECT_GE(rows.size(), 3u) << "the table " << name;
    return rows;
}

// A unit by its name in the cases: edit1 for 编辑框1, button1 for 按钮1.
uint32_t UnitNamed(const std::string& name)
{
    const std::string full = name.rfind("edit", 0) == 0     ? "编辑框" + name.substr(4)
                             : name.rfind("button", 0) == 0 ? "按钮" + name.substr(6)
                                                            : name;
    for (const RuntimeRecord& record : FindWindow(main_window::kWindow)->records)
        if (GbkToUtf8(record.name) == full)
            return record.id;
    ADD_FAILURE() << "no unit " << name;
    return 0;
}

void CheckAngleButton(const char* table, uint32_t first_box, uint32_t second_box, uint32_t result_box,
                      uint32_t button)
{
    for (const Row& c : Table(table, 3)) {
        SetBoxText(first_box, c[0].c_str());
        SetBoxText(second_box, c[1].c_str());
        ClickUnit(button);
        EXPECT_EQ(BoxText(result_box), c[2]) << c[0] << " / " << c[1];
        EXPECT_EQ(BoxText(first_box), c[0]) << "inputs stay as typed";
    }
}

TEST(EndToEnd, ArcSineButton)
{
    CheckAngleButton("arcsine", main_window::kArcSineOpposite, main_window::kArcSineHypotenuse,
                     main_window::kArcSineResult, main_window::kArcSineButton);
}

TEST(EndToEnd, ArcTangentButton)
{
    CheckAngleButton("arctangent", main_window::kArcTangentOpposite, main_window::kArcTangentAdjacent,
                     main_window::kArcTangentResult, main_window::kArcTangentButton);
}

TEST(EndToEnd, ArcCosineButton)
{
    CheckAngleButton("arccosine", main_window::kArcCosineAdjacent, main_window::kArcCosineHypotenuse,
                     main_window::kArcCosineResult, main_window::kArcCosineButton);
}

TEST(EndToEnd, FunctionEvaluateButton)
{
    for (const Row& c : Table("evaluate", 2)) {
        SetBoxText(main_window::kExpression, c[0].c_str());
        ClickUnit(main_window::kEvaluateButton);
        EXPECT_EQ(BoxText(main_window::kExpressionResult), c[1]) << c[0];
        EXPECT_EQ(BoxText(main_window::kExpression), c[0]) << "the expression stays as typed";
    }
    // A failed evaluation empties a box that held a value.
    SetBoxText(main_window::kExpression, "1+1");
    ClickUnit(main_window::kEvaluateButton);
    ASSERT_EQ(BoxText(main_window::kExpressionResult), "2");
    SetBoxText(main_window::kExpression, "1/0");
    ClickUnit(main_window::kEvaluateButton);
    EXPECT_EQ(BoxText(main_window::kExpressionResult), "");
}

struct SolverCase {
    const char* angle;
    const char* opposite;
    const char* adjacent;
    const char* hypotenuse;
};

void FillSolver(const SolverCase& c)
{
    SetBoxText(main_window::kAngle, c.angle);
    SetBoxText(main_window::kKnownOpposite, c.opposite);
    SetBoxText(main_window::kKnownAdjacent, c.adjacent);
    SetBoxText(main_window::kKnownHypotenuse, c.hypotenuse);
}

std::string SolverResults()
{
    return BoxText(main_window::kResultOpposite) + " | " + BoxText(main_window::kResultHypotenuse) + " | " +
           BoxText(main_window::kResultAdjacent);
}

TEST(EndToEnd, SideLengthsButton)
{
    for (const Row& c : Table("sides", 7)) {
        FillSolver({"", "", "", ""});
        for (uint32_t box :
             {main_window::kResultOpposite, main_window::kResultHypotenuse, main_window::kResultAdjacent})
            SetBoxText(box, "");
        FillSolver({c[0].c_str(), c[1].c_str(), c[2].c_str(), c[3].c_str()});
        ClickUnit(main_window::kSideLengthsButton);
        EXPECT_EQ(SolverResults(), c[4] + " | " + c[5] + " | " + c[6])
            << c[0] << ", " << c[1] << ", " << c[2] << ", " << c[3];
        EXPECT_FALSE(WarningShown()) << c[0];
    }
}

TEST(EndToEnd, SideLengthsWithoutAnAngleShowsTheWarningAndKeepsTheResults)
{
    FillSolver({"30", "1", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    const std::string before = SolverResults();
    ASSERT_EQ(before, "1 | 2.000000000052 | 1.732050807629");
    for (const char* angle : {"", "0", "0.00000001", "sin(30)", "0+30"}) {
        FillSolver({angle, "2", "", ""});
        ClickUnit(main_window::kSideLengthsButton);
        EXPECT_TRUE(WarningShown()) << angle;
        EXPECT_EQ(SolverResults(), before) << angle;
    }
    // An angle and no side: the warning goes, nothing else changes.
    FillSolver({"30", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    EXPECT_FALSE(WarningShown());
    EXPECT_EQ(SolverResults(), before);
}

// Bad input as a user pastes it, a recipe a row: a piece repeated, pasted into a box, a click.
// The click times go to the file ANGLARIX_CLICK_TIMES names, if any, for the page's test to
// set its own beside.
const main_window::UnitGroup* GroupOf(uint32_t button)
{
    for (const main_window::UnitGroup& group : main_window::kGroups)
        if (group.button == button)
            return &group;
    return nullptr;
}

TEST(EndToEnd, BadInput)
{
    using namespace main_window;
    const char* times_path = std::getenv("ANGLARIX_CLICK_TIMES");
#ifdef ANGLARIX_CLICK_TIMES_FILE
    if (times_path == nullptr)
        times_path = ANGLARIX_CLICK_TIMES_FILE;
#endif
    std::FILE* times = times_path != nullptr ? std::fopen(times_path, "w") : nullptr;
    // PIECE | COUNT | TAIL | BOX | OTHERS | BUTTON | KEPT | RESULT...
    for (const Row& c : Table("bad-input", 8)) {
        const uint32_t button = UnitNamed(c[5]), box_id = UnitNamed(c[3]);
        const UnitGroup* group = GroupOf(button);
        ASSERT_NE(group, nullptr) << c[5];
        std::vector<QLineEdit*> results;
        group->ForEachBox([&](uint32_t id, bool is_input) {
            auto* box = qobject_cast<QLineEdit*>(UnitWidget(id));
            if (!is_input)
                box->clear(), results.push_back(box);
            else if (id != box_id)
                SetBoxText(id, c[4].c_str());
        });
        auto* box = qobject_cast<QLineEdit*>(UnitWidget(box_id));
        ASSERT_NE(box, nullptr);
        box->clear();
        QGuiApplication::clipboard()->setText(QString::fromStdString(c[0]).repeated(std::stoi(c[1])) +
                                              QString::fromStdString(c[2]));
        box->paste();
        QElapsedTimer timer;
        timer.start();
        ClickUnit(button);
        const qint64 elapsed = timer.elapsed();
        QStringList texts;
        for (const QLineEdit* result : results)
            texts << result->text();
        std::string expected = c[7];
        for (size_t i = 8; i < c.size(); ++i)
            expected += " | " + c[i];
        EXPECT_EQ(box->text().size(), std::stoi(c[6])) << c[0] << " x " << c[1];
        EXPECT_EQ(texts.join(QStringLiteral(" | ")).toStdString(), expected) << c[0] << " x " << c[1];
        EXPECT_LT(elapsed, 5000) << c[0] << " x " << c[1];
        if (times != nullptr)
            std::fprintf(times, "%lld\n", static_cast<long long>(elapsed));
    }
    if (times != nullptr)
        std::fclose(times);
}

// The order the frame's shared cases give: Tab goes in reading order, group by group, and
// wraps; Shift+Tab goes back the same way.
TEST(EndToEnd, TabFollowsTheReadingOrder)
{
    std::ifstream file(std::string(ANGLARIX_SOURCE_DIR) + "/tests/cases/frame.cases");
    std::vector<std::string> order;
    for (std::string line; order.empty() && std::getline(file, line);) {
        std::istringstream words(line.substr(line.rfind("tab-order ", 0) == 0 ? 10 : line.size()));
        order.assign(std::istream_iterator<std::string>(words), {});
    }
    ASSERT_GE(order.size(), 20u);
    const auto focused = [] {
        const RuntimeRecord* record = FocusedRecord(*FindWindow(main_window::kWindow));
        return record != nullptr ? record->id : 0;
    };
    const size_t count = order.size();
    UnitWidget(UnitNamed(order[0]))->setFocus(Qt::MouseFocusReason);
    for (size_t i = 1; i <= count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), UnitNamed(order[i % count])) << "Tab from " << order[i - 1];
    }
    for (size_t i = count; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), UnitNamed(order[i])) << "Shift+Tab from " << order[(i + 1) % count];
    }
}

// Enter on a focused button clicks it, as Space does.
TEST(EndToEnd, EnterOnAFocusedButtonClicksIt)
{
    // BOX | TEXT | BOX | TEXT | BUTTON | RESULT BOX | RESULT
    for (const Row& c : Table("enter", 7)) {
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            SetBoxText(UnitNamed(c[0]), c[1].c_str());
            SetBoxText(UnitNamed(c[2]), c[3].c_str());
            SetBoxText(UnitNamed(c[5]), "");
            UnitWidget(UnitNamed(c[4]))->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            EXPECT_EQ(BoxText(UnitNamed(c[5])), c[6]) << c[4];
        }
    }
}

// Copy works in the read-only result boxes too, and the edit menu is in Chinese.
TEST(EndToEnd, ResultBoxesCopyAndTheEditMenuIsChinese)
{
    SetBoxText(main_window::kArcSineOpposite, "1");
    SetBoxText(main_window::kArcSineHypotenuse, "2");
    ClickUnit(main_window::kArcSineButton);
    auto* result = qobject_cast<QLineEdit*>(UnitWidget(main_window::kArcSineResult));
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->isReadOnly());
    result->selectAll();
    result->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "30.00000000086");

    auto* input = qobject_cast<QLineEdit*>(UnitWidget(main_window::kExpression));
    ASSERT_NE(input, nullptr);
    input->clear();
    input->paste();
    EXPECT_EQ(input->text().toStdString(), "30.00000000086");

    QMenu* menu = input->createStandardContextMenu();
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    delete menu;
    const QString joined = texts.join(QLatin1Char('|'));
    for (const char* word : {"复制", "粘贴", "全选"})
        EXPECT_TRUE(joined.contains(QString::fromUtf8(word))) << joined.toStdString();
}

TEST(EndToEnd, EditBoxesAreNamedByGroupAndLabel)
{
    // clang-format off
    const struct { uint32_t unit; const char* name; } cases[] = {
        {main_window::kArcSineOpposite, "反正弦 对边长度"},
        {main_window::kArcTangentAdjacent, "反正切 邻边长度"},
        {main_window::kArcCosineResult, "反余弦 计算角度"},
        {main_window::kExpression, "函数计算 输入三角函数"},
        {main_window::kAngle, "已知数据 角度"},
        {main_window::kResultHypotenuse, "计算结果 斜边长度"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QWidget* widget = UnitWidget(c.unit);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->accessibleName().toStdString(), c.name);
    }
    const QWidget* diagram = UnitWidget(0x16010164);
    ASSERT_NE(diagram, nullptr);
    EXPECT_FALSE(diagram->accessibleDescription().isEmpty());
}

TEST(EndToEnd, TheWindowCarriesTheProgramIcon)
{
    const QIcon icon = UnitWidget(0)->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

// Showing the warning "角度必须输入" raises an accessibility alert from the warning label.
TEST(EndToEnd, TheAngleWarningRaisesAnAlert)
{
    static std::vector<QObject*> alerts;
    App().observers.alert = [](QObject* source) { alerts.push_back(source); };
    FillSolver({"30", "", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    ASSERT_FALSE(WarningShown());
    alerts.clear();
    FillSolver({"", "1", "", ""});
    ClickUnit(main_window::kSideLengthsButton);
    ASSERT_TRUE(WarningShown());
    App().observers.alert = nullptr;
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts.front(), UnitWidget(main_window::kAngleWarning));
    EXPECT_EQ(UnitWidget(main_window::kAngleWarning)->accessibleName().toStdString(), "角度必须输入");
}

}  // namespace
