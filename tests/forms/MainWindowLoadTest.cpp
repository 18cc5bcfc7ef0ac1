// The program's window as the runtime builds it from the embedded template: every unit
// against the layout it must have, the focus order, the keys, the order of events.
#include <QLineEdit>
#include <QTest>

#include "MainWindowLayout.h"
#include "RuntimeTestSupport.h"
#include "core/frame/FocusOrder.h"
#include "faces/qt/live/KeyboardFilter.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/KindInterface.h"
#include "values/Blocks.h"

using namespace main_window_layout;
using namespace runtime_test;

namespace {

// The property that holds a kind's text: a label's caption and a box's content are
// property 8, a button's caption property 10.
int32_t TextProperty(Kind kind) { return kind == Btn ? 10 : 8; }

const UnitRow* RowOf(const QWidget* widget)
{
    for (const UnitRow& row : kUnits) {
        if (Widget(row.id) == widget)
            return &row;
    }
    return nullptr;
}

using LoadedWindow = LoadedMainWindow;

TEST_F(LoadedWindow, EveryUnitHasItsKindNameGeometryTextAndVisibility)
{
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    ASSERT_EQ(window->records.size(), std::size(kUnits) + 1);
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        const UnitRow& row = kUnits[i];
        SCOPED_TRACE(row.name);
        const RuntimeRecord& record = window->records[i + 1];
        EXPECT_EQ(record.id, row.id);
        EXPECT_EQ(record.kind, row.kind);
        EXPECT_EQ(record.name, Gbk(row.name));
        QWidget* widget = LiveWidget(record);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
        const int32_t box[4] = {row.left, row.top, row.width, row.height};
        for (int32_t property = 0; property < 4; ++property)
            EXPECT_EQ(GetUnitProperty(main_window::kWindow, row.id, property, -1),
                      uint64_t(uint32_t(box[property])));
        if (row.text != nullptr) {
            const std::string expected = row.text[0] != '\0' ? Gbk(row.text) : "<null>";
            EXPECT_EQ(TakeText(GetUnitProperty(main_window::kWindow, row.id, TextProperty(row.kind), -1)),
                      expected);
        }
        // 外形框5 is shown but lies outside its 8-pixel-high parent: nothing of it is on screen.
        const bool on_screen = row.id != main_window::kHeldBar && row.Visible();
        EXPECT_EQ(!widget->isHidden(), row.Visible());
        EXPECT_EQ(!widget->visibleRegion().isEmpty(), on_screen);
        EXPECT_EQ(GetUnitProperty(main_window::kWindow, row.id, 5, -1), row.Visible() ? 1u : 0u);
        EXPECT_EQ(GetUnitProperty(main_window::kWindow, row.id, 6, -1), 0u);
        EXPECT_EQ(widget->focusPolicy() == Qt::StrongFocus, row.TabStop());
    }
}

TEST_F(LoadedWindow, WindowIsCentredWithItsCaptionAndClientArea)
{
    QWidget* frame = Frame();
    EXPECT_EQ(frame->size(), QSize(482, 395));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Anglarix"));
    EXPECT_EQ(GetUnitProperty(main_window::kWindow, 0, 2, -1), 488u);
    EXPECT_EQ(GetUnitProperty(main_window::kWindow, 0, 3, -1), 420u);
    const QRect screen = frame->screen()->geometry();
    EXPECT_EQ(int32_t(GetUnitProperty(main_window::kWindow, 0, 0, -1)), (screen.width() - 488) / 2);
    EXPECT_EQ(int32_t(GetUnitProperty(main_window::kWindow, 0, 1, -1)), (screen.height() - 420) / 2);
}

TEST_F(LoadedWindow, AngleOutputsAreReadOnlyAndTheOtherBoxesAreNot)
{
    for (const UnitRow& row : kUnits) {
        if (row.kind != Edt)
            continue;
        const bool read_only = row.id == main_window::kArcSineResult || row.id == 0x1601014E ||
                               row.id == 0x16010158;
        auto* line = qobject_cast<QLineEdit*>(Widget(row.id));
        ASSERT_NE(line, nullptr) << row.name;
        EXPECT_EQ(line->isReadOnly(), read_only) << row.name;
        EXPECT_EQ(GetUnitProperty(main_window::kWindow, row.id, 18, -1), read_only ? 1u : 0u) << row.name;
    }
}

TEST_F(LoadedWindow, Shape5SitsInsideShape4)
{
    QWidget* inner = Widget(main_window::kHeldBar);
    EXPECT_EQ(inner->parentWidget(), Widget(main_window::kBarHolder));
    EXPECT_EQ(inner->pos(), QPoint(8, 8));
    EXPECT_TRUE(inner->isVisible());
    EXPECT_TRUE(inner->visibleRegion().isEmpty());
}

TEST_F(LoadedWindow, SiblingsStackInRecordOrderWithTheFirstOnTop)
{
    const QObjectList& children = Frame()->children();
    std::vector<const UnitRow*> bottom_to_top;
    for (QObject* child : children) {
        if (const UnitRow* row = RowOf(qobject_cast<QWidget*>(child)))
            bottom_to_top.push_back(row);
    }
    ASSERT_EQ(bottom_to_top.size(), std::size(kUnits) - 1);  // 外形框5 is inside 外形框4
    EXPECT_EQ(bottom_to_top.back()->id, main_window::kAngleWarning);
    for (size_t i = 1; i < bottom_to_top.size(); ++i)
        EXPECT_GT(bottom_to_top[i - 1] - kUnits, bottom_to_top[i] - kUnits);
}

TEST_F(LoadedWindow, ControlIdsRunFromTheLastRecordInStepsOfTen)
{
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    for (size_t i = 1; i < window->records.size(); ++i)
        EXPECT_EQ(window->records[i].control_id, int32_t(100 + 10 * (window->records.size() - 1 - i)));
    EXPECT_EQ(window->records[1].control_id, 610);
}

TEST_F(LoadedWindow, TabAndShiftTabFollowTheFocusOrderAndWrap)
{
    // clang-format off
    const char* const order[] = {
        "编辑框1", "按钮1", "编辑框2", "编辑框4", "按钮2", "编辑框3", "编辑框6", "按钮3",
        "编辑框5", "编辑框9", "编辑框8", "编辑框7", "编辑框10", "按钮4", "编辑框11", "编辑框12",
        "编辑框13", "编辑框15", "编辑框14", "编辑框18", "编辑框17", "编辑框16", "按钮5",
    };
    // clang-format on
    const size_t count = std::size(order);
    auto focused = [] {
        const UnitRow* row = RowOf(QApplication::focusWidget());
        return std::string(row != nullptr ? row->name : "-");
    };
    ASSERT_EQ(focused(), order[0]);  // the window starts on the first unit of the order
    for (size_t i = 1; i <= count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), order[i % count]);
    }
    for (size_t i = count; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), order[i]);
    }
    // Labels (the hidden warning among them), shapes and the picture are never in the order.
    std::vector<std::string> names;
    for (RuntimeRecord* record : FocusOrder(*FindWindow(main_window::kWindow)))
        names.push_back(GbkToUtf8(record->name));
    EXPECT_EQ(names, std::vector<std::string>(std::begin(order), std::end(order)));
}

TEST_F(LoadedWindow, EnterDoesNothingWithoutADefaultButton)
{
    Ran().clear();
    QTest::keyClick(Widget(0x1601013B), Qt::Key_Return);
    QTest::keyClick(Widget(main_window::kArcSineOpposite), Qt::Key_Return);
    EXPECT_TRUE(Ran().empty());
    EXPECT_TRUE(IsWindowLive(main_window::kWindow));
}

TEST_F(LoadedWindow, EscapeClosesTheWindow)
{
    QPointer<QWidget> frame = Frame();
    QTest::keyClick(Widget(main_window::kArcSineOpposite), Qt::Key_Escape);
    EXPECT_FALSE(IsWindowLive(main_window::kWindow));
    EXPECT_FALSE(FindWindow(main_window::kWindow)->loaded);
    DeleteDeferred();
    EXPECT_TRUE(frame.isNull());
    // The records stay: the template can still be read, and the window loaded again.
    EXPECT_EQ(GetUnitProperty(main_window::kWindow, main_window::kArcSineOpposite, 0, -1), 70u);
    EXPECT_TRUE(LoadWindow(main_window::kWindow));
    EXPECT_TRUE(IsWindowLive(main_window::kWindow));
}

TEST_F(LoadedWindow, LoadingALiveWindowAgainKeepsIt)
{
    QWidget* frame = Frame();
    Ran().clear();
    EXPECT_TRUE(LoadWindow(main_window::kWindow));
    EXPECT_EQ(Frame(), frame);
    EXPECT_TRUE(Ran().empty());
}

}  // namespace
