// The program's window as the runtime builds it from the embedded template: every unit
// against the layout it must have, the focus order, the keys, the order of events.
#include <QLineEdit>
#include <QTest>

#include "RuntimeTestSupport.h"
#include "forms/runtime/KeyboardFilter.h"
#include "forms/runtime/UnitProperties.h"
#include "forms/units/UnitEvents.h"
#include "values/Blocks.h"

using namespace runtime_test;

namespace {

enum Kind : uint32_t {
    Lbl = KIND_LABEL, Edt = KIND_EDIT_BOX, Btn = KIND_BUTTON, Shp = KIND_SHAPE_BOX, Pic = KIND_PIC_BOX,
};

struct UnitRow {
    uint32_t id;
    const char* name;
    Kind kind;
    int left, top, width, height;
    const char* text;  // caption or content; null where the kind has none
    bool visible;
    bool tab_stop;
};

// The window's units in record order.
const UnitRow kUnits[] = {
    {0x16011DF4, "标签22", Lbl, 203, 268, 80, 40, "角度必须输入", false, false},
    {0x16011DF2, "按钮5", Btn, 203, 320, 64, 24, "边长计算", true, true},
    {0x16011DF1, "标签21", Lbl, 360, 264, 56, 16, "计算结果", true, false},
    {0x16011DEB, "编辑框16", Edt, 352, 360, 112, 21, "", true, true},
    {0x16011DEC, "编辑框17", Edt, 352, 328, 112, 21, "", true, true},
    {0x16011DED, "编辑框18", Edt, 352, 296, 112, 21, "", true, true},
    {0x16011DEE, "标签18", Lbl, 296, 360, 56, 21, "邻边长度", true, false},
    {0x16011DEF, "标签19", Lbl, 296, 328, 56, 21, "斜边长度", true, false},
    {0x16011DF0, "标签20", Lbl, 296, 296, 56, 21, "对边长度", true, false},
    {0x16011DE7, "标签16", Lbl, 6, 368, 56, 21, "邻边长度", true, false},
    {0x16011DE8, "编辑框14", Edt, 62, 368, 112, 21, "", true, true},
    {0x16011DE9, "标签17", Lbl, 6, 336, 56, 21, "斜边长度", true, false},
    {0x16011DEA, "编辑框15", Edt, 62, 336, 112, 21, "", true, true},
    {0x16011DE5, "标签15", Lbl, 6, 304, 56, 21, "对边长度", true, false},
    {0x16011DE6, "编辑框13", Edt, 62, 304, 112, 21, "", true, true},
    {0x16011DE4, "标签14", Lbl, 6, 272, 56, 21, "角度", true, false},
    {0x16011DE3, "标签13", Lbl, 80, 248, 56, 16, "已知数据", true, false},
    {0x16011DE2, "外形框6", Shp, 0, 195, 480, 8, nullptr, true, false},
    {0x16011DDB, "外形框5", Shp, 8, 8, 480, 8, nullptr, true, false},
    {0x16011DD6, "外形框4", Shp, 0, 232, 480, 8, nullptr, true, false},
    {0x16011DD4, "编辑框12", Edt, 62, 272, 112, 21, "", true, true},
    {0x16011DD1, "编辑框11", Edt, 352, 205, 115, 21, "", true, true},
    {0x16011DD2, "标签12", Lbl, 281, 205, 72, 21, "函数计算结果", true, false},
    {0x16011DD0, "标签11", Lbl, 6, 205, 72, 21, "输入三角函数", true, false},
    {0x16011DCF, "按钮4", Btn, 206, 206, 64, 21, "函数计算", true, true},
    {0x16011DCE, "编辑框10", Edt, 77, 205, 115, 21, "", true, true},
    {0x16011DC8, "编辑框7", Edt, 396, 39, 71, 21, "", true, true},
    {0x16011DC9, "标签8", Lbl, 333, 39, 48, 21, "斜边长度", true, false},
    {0x16011DCA, "编辑框8", Edt, 243, 39, 71, 21, "", true, true},
    {0x16011DCB, "标签9", Lbl, 180, 39, 48, 21, "邻边长度", true, false},
    {0x16011DCC, "编辑框9", Edt, 70, 39, 71, 21, "", true, true},
    {0x16011DCD, "标签10", Lbl, 7, 39, 48, 21, "斜边长度", true, false},
    {0x16010164, "图片框1", Pic, 249, 130, 208, 56, nullptr, true, false},
    {0x16010160, "标签7", Lbl, 3, 128, 216, 64,
     "注：正弦值等于角对边除以角斜边；\r\n    余弦值等于角邻边除以角斜边；\r\n"
     "    正切值等于角对边除以角邻边。\r\n\r\n三角函数示例：sin(10),正切用tg表示",
     true, false},
    {0x16010156, "标签5", Lbl, 333, 67, 48, 21, "计算角度", true, false},
    {0x16010157, "标签6", Lbl, 333, 12, 48, 21, "邻边长度", true, false},
    {0x16010158, "编辑框5", Edt, 396, 66, 71, 21, "", true, true},
    {0x16010159, "按钮3", Btn, 363, 93, 84, 29, "求反余弦角度", true, true},
    {0x1601015A, "编辑框6", Edt, 396, 12, 71, 21, "", true, true},
    {0x1601015B, "外形框3", Shp, 328, 8, 152, 120, nullptr, true, false},
    {0x1601014C, "标签3", Lbl, 180, 68, 48, 21, "计算角度", true, false},
    {0x1601014D, "标签4", Lbl, 180, 12, 48, 21, "对边长度", true, false},
    {0x1601014E, "编辑框3", Edt, 243, 67, 71, 21, "", true, true},
    {0x1601014F, "按钮2", Btn, 202, 93, 84, 29, "求反正切角度", true, true},
    {0x16010150, "编辑框4", Edt, 243, 12, 71, 21, "", true, true},
    {0x1601014A, "标签2", Lbl, 7, 67, 48, 21, "计算角度", true, false},
    {0x16010149, "标签1", Lbl, 7, 12, 48, 21, "对边长度", true, false},
    {0x16010148, "编辑框2", Edt, 70, 66, 71, 21, "", true, true},
    {0x1601013B, "按钮1", Btn, 34, 93, 84, 29, "求反正弦角度", true, true},
    {0x1601013A, "编辑框1", Edt, 70, 12, 71, 21, "", true, true},
    {0x16010152, "外形框1", Shp, 2, 8, 152, 120, nullptr, true, false},
    {0x16010154, "外形框2", Shp, 168, 8, 152, 120, nullptr, true, false},
};

constexpr uint32_t kShape4 = 0x16011DD6;
constexpr uint32_t kShape5 = 0x16011DDB;
constexpr uint32_t kWarning = 0x16011DF4;
constexpr uint32_t kEdit1 = 0x1601013A;
constexpr uint32_t kEdit2 = 0x16010148;

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
    RuntimeWindow* window = FindWindow(kMainWindowId);
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
            EXPECT_EQ(GetUnitProperty(kMainWindowId, row.id, property, -1), uint64_t(uint32_t(box[property])));
        if (row.text != nullptr) {
            const std::string expected = row.text[0] != '\0' ? Gbk(row.text) : "<null>";
            EXPECT_EQ(TakeText(GetUnitProperty(kMainWindowId, row.id, TextProperty(row.kind), -1)), expected);
        }
        // 外形框5 is shown but lies outside its 8-pixel-high parent: nothing of it is on screen.
        const bool on_screen = row.id != kShape5 && row.visible;
        EXPECT_EQ(!widget->isHidden(), row.visible);
        EXPECT_EQ(!widget->visibleRegion().isEmpty(), on_screen);
        EXPECT_EQ(GetUnitProperty(kMainWindowId, row.id, 5, -1), row.visible ? 1u : 0u);
        EXPECT_EQ(GetUnitProperty(kMainWindowId, row.id, 6, -1), 0u);
        EXPECT_EQ(widget->focusPolicy() == Qt::StrongFocus, row.tab_stop);
    }
}

TEST_F(LoadedWindow, WindowIsCentredWithItsCaptionAndClientArea)
{
    QWidget* frame = Frame();
    EXPECT_EQ(frame->size(), QSize(482, 395));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Anglarix"));
    EXPECT_EQ(GetUnitProperty(kMainWindowId, 0, 2, -1), 488u);
    EXPECT_EQ(GetUnitProperty(kMainWindowId, 0, 3, -1), 420u);
    const QRect screen = frame->screen()->geometry();
    EXPECT_EQ(int32_t(GetUnitProperty(kMainWindowId, 0, 0, -1)), (screen.width() - 488) / 2);
    EXPECT_EQ(int32_t(GetUnitProperty(kMainWindowId, 0, 1, -1)), (screen.height() - 420) / 2);
}

TEST_F(LoadedWindow, AngleOutputsAreReadOnlyAndTheOtherBoxesAreNot)
{
    for (const UnitRow& row : kUnits) {
        if (row.kind != Edt)
            continue;
        const bool read_only = row.id == kEdit2 || row.id == 0x1601014E || row.id == 0x16010158;
        auto* line = qobject_cast<QLineEdit*>(Widget(row.id));
        ASSERT_NE(line, nullptr) << row.name;
        EXPECT_EQ(line->isReadOnly(), read_only) << row.name;
        EXPECT_EQ(GetUnitProperty(kMainWindowId, row.id, 18, -1), read_only ? 1u : 0u) << row.name;
    }
}

TEST_F(LoadedWindow, Shape5SitsInsideShape4)
{
    QWidget* inner = Widget(kShape5);
    EXPECT_EQ(inner->parentWidget(), Widget(kShape4));
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
    EXPECT_EQ(bottom_to_top.back()->id, kWarning);
    for (size_t i = 1; i < bottom_to_top.size(); ++i)
        EXPECT_GT(bottom_to_top[i - 1] - kUnits, bottom_to_top[i] - kUnits);
}

TEST_F(LoadedWindow, ControlIdsRunFromTheLastRecordInStepsOfTen)
{
    RuntimeWindow* window = FindWindow(kMainWindowId);
    for (size_t i = 1; i < window->records.size(); ++i)
        EXPECT_EQ(window->records[i].control_id, int32_t(100 + 10 * (window->records.size() - 1 - i)));
    EXPECT_EQ(window->records[1].control_id, 610);
}

TEST_F(LoadedWindow, TabAndShiftTabFollowTheFocusOrderAndWrap)
{
    const char* const order[] = {
        "编辑框1", "按钮1", "编辑框2", "编辑框4", "按钮2", "编辑框3", "编辑框6", "按钮3",
        "编辑框5", "编辑框9", "编辑框8", "编辑框7", "编辑框10", "按钮4", "编辑框11", "编辑框12",
        "编辑框13", "编辑框15", "编辑框14", "编辑框18", "编辑框17", "编辑框16", "按钮5",
    };
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
    for (RuntimeRecord* record : FocusOrder(*FindWindow(kMainWindowId)))
        names.push_back(GbkToUtf8(record->name));
    EXPECT_EQ(names, std::vector<std::string>(std::begin(order), std::end(order)));
}

TEST_F(LoadedWindow, EnterDoesNothingWithoutADefaultButton)
{
    Ran().clear();
    QTest::keyClick(Widget(0x1601013B), Qt::Key_Return);
    QTest::keyClick(Widget(kEdit1), Qt::Key_Return);
    EXPECT_TRUE(Ran().empty());
    EXPECT_TRUE(IsWindowLive(kMainWindowId));
}

TEST_F(LoadedWindow, EscapeClosesTheWindow)
{
    QPointer<QWidget> frame = Frame();
    QTest::keyClick(Widget(kEdit1), Qt::Key_Escape);
    EXPECT_FALSE(IsWindowLive(kMainWindowId));
    EXPECT_FALSE(FindWindow(kMainWindowId)->loaded);
    DeleteDeferred();
    EXPECT_TRUE(frame.isNull());
    // The records stay: the template can still be read, and the window loaded again.
    EXPECT_EQ(GetUnitProperty(kMainWindowId, kEdit1, 0, -1), 70u);
    EXPECT_TRUE(LoadWindow(kMainWindowId));
    EXPECT_TRUE(IsWindowLive(kMainWindowId));
}

TEST_F(LoadedWindow, LoadingALiveWindowAgainKeepsIt)
{
    QWidget* frame = Frame();
    Ran().clear();
    EXPECT_TRUE(LoadWindow(kMainWindowId));
    EXPECT_EQ(Frame(), frame);
    EXPECT_TRUE(Ran().empty());
}

}  // namespace
