// What assistive technology gets from the units of the loaded window through Qt's
// accessibility interfaces: each kind's role and text, the window without its shapes, a
// label related to the box it names, and descriptions set on the widgets.
#include <QAccessible>
#include <QLineEdit>

#include "RuntimeTestSupport.h"
#include "program/data/MainWindowUnits.h"
#include "core/props/LabelProps.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "faces/qt/units/UnitAccessibility.h"

using namespace runtime_test;

namespace {

constexpr uint32_t kNote = 0x16010160;  // 标签7
const uint32_t kShapes[] = {
    0x16011DE2, main_window::kHeldBar, main_window::kBarHolder, 0x1601015B, 0x16010152, 0x16010154};

QAccessibleInterface* Interface(uint32_t unit_id)
{
    return QAccessible::queryAccessibleInterface(Widget(unit_id));
}

bool Related(QAccessibleInterface* from, QAccessible::Relation relation, QAccessibleInterface* to)
{
    for (const auto& [other, kind] : from->relations(relation))
        if (other == to && kind == relation)
            return true;
    return false;
}

class UnitAccessibility : public LoadedMainWindow {
protected:
    void SetUp() override
    {
        InstallUnitAccessibility();
        LoadedMainWindow::SetUp();
    }
};

TEST_F(UnitAccessibility, EachKindHasItsRoleAndText)
{
    // clang-format off
    const struct { uint32_t unit; QAccessible::Role role; const char* name; } cases[] = {
        {main_window::kArcSineOppositeLabel, QAccessible::StaticText, "对边长度"},
        {kNote, QAccessible::StaticText,
         "注：正弦值等于角对边除以角斜边；\n    余弦值等于角邻边除以角斜边；\n    正切值等于角对边除以角邻边。\n\n"
         "三角函数示例：sin(10),正切用tg表示"},
        {main_window::kAngleWarning, QAccessible::StaticText, "角度必须输入"},
        {main_window::kDiagram, QAccessible::Graphic, ""},  // the program names it
        {main_window::kArcSineButton, QAccessible::Button, "求反正弦角度"},
        {main_window::kArcSineOpposite, QAccessible::EditableText, ""},
        {main_window::kWindowRecord, QAccessible::Window, "Anglarix"},
    };
    // clang-format on
    for (const auto& c : cases) {
        QAccessibleInterface* iface = Interface(c.unit == main_window::kWindowRecord ? 0 : c.unit);
        ASSERT_NE(iface, nullptr) << c.name;
        EXPECT_EQ(iface->role(), c.role) << c.name;
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.name);
    }
    // A name the program gives wins over the caption.
    Widget(main_window::kAngleWarning)->setAccessibleName(QStringLiteral("警告"));
    EXPECT_EQ(Interface(main_window::kAngleWarning)->text(QAccessible::Name), QStringLiteral("警告"));
}

TEST_F(UnitAccessibility, TheWindowListsEveryUnitButTheShapes)
{
    QAccessibleInterface* window = Interface(0);
    ASSERT_EQ(window->childCount(), 46);
    QList<QObject*> listed;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(window->indexOfChild(child), i);
        listed.append(child->object());
    }
    EXPECT_EQ(window->child(46), nullptr);
    EXPECT_EQ(window->child(-1), nullptr);
    for (uint32_t shape : kShapes) {
        EXPECT_FALSE(listed.contains(Widget(shape))) << std::hex << shape;
        EXPECT_EQ(window->indexOfChild(Interface(shape)), -1);
        EXPECT_TRUE(Interface(shape)->state().invisible);
    }
    EXPECT_TRUE(listed.contains(Widget(main_window::kAngleWarning))) << "hidden units are listed, as invisible";
}

TEST_F(UnitAccessibility, ALabelNamesTheBoxItIsRelatedTo)
{
    QWidget* label = Widget(main_window::kArcTangentOppositeLabel);
    QWidget* box = Widget(main_window::kArcTangentOpposite);
    EXPECT_FALSE(RelateLabel(box, label)) << "only a label unit names a box";
    EXPECT_FALSE(RelateLabel(Widget(main_window::kDiagram), box));
    EXPECT_FALSE(RelateLabel(nullptr, box));
    EXPECT_FALSE(Related(Interface(main_window::kArcTangentOpposite), QAccessible::Label,
                         Interface(main_window::kArcTangentOppositeLabel)));
    ASSERT_TRUE(RelateLabel(label, box));
    EXPECT_TRUE(Related(Interface(main_window::kArcTangentOpposite), QAccessible::Label,
                        Interface(main_window::kArcTangentOppositeLabel)));
    EXPECT_TRUE(Related(Interface(main_window::kArcTangentOppositeLabel), QAccessible::Labelled,
                        Interface(main_window::kArcTangentOpposite)));
    EXPECT_FALSE(Related(Interface(main_window::kArcSineOpposite), QAccessible::Label,
                         Interface(main_window::kArcTangentOppositeLabel)));
    // The label's text is still its caption, not the box's.
    EXPECT_EQ(Interface(main_window::kArcTangentOppositeLabel)->text(QAccessible::Name).toStdString(),
              "对边长度");
}

// Notes reach assistive technology as descriptions, whichever way a unit carries them.
TEST_F(UnitAccessibility, DescriptionsComeFromTheWidgets)
{
    Widget(main_window::kAngle)->setAccessibleDescription(QStringLiteral("度"));
    Widget(main_window::kKnownOpposite)->setToolTip(QStringLiteral("边长"));
    Widget(main_window::kAngleLabel)->setToolTip(QStringLiteral("角"));
    // clang-format off
    const struct { uint32_t unit; const char* description; } cases[] = {
        {main_window::kAngle, "度"}, {main_window::kKnownOpposite, "边长"}, {main_window::kAngleLabel, "角"},
        {main_window::kKnownAdjacent, ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Interface(c.unit)->text(QAccessible::Description).toStdString(), c.description);
}

// A line too long to lay out whole is still read as its text, short and long alike.
TEST_F(UnitAccessibility, ABoxIsReadAsItsTextAtAnyLength)
{
    auto* box = qobject_cast<QLineEdit*>(Widget(main_window::kArcSineOpposite));
    ASSERT_NE(box, nullptr);
    for (const qsizetype length : {qsizetype(3), qsizetype(40'000)}) {
        box->setText(QString(length, QLatin1Char('7')) + QStringLiteral("+1"));
        QAccessibleInterface* iface = Interface(main_window::kArcSineOpposite);
        EXPECT_FALSE(iface->state().passwordEdit) << length;
        EXPECT_EQ(iface->text(QAccessible::Value), box->text()) << length;
        QAccessibleTextInterface* text = iface->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->characterCount(), length + 2);
        EXPECT_EQ(text->text(length, length + 2), QStringLiteral("+1"));
    }
}

// A caption painted on one line is read on one line; a wrapped one keeps its line ends.
TEST(LabelAccessibleText, LineEndsAsPainted)
{
    // clang-format off
    const struct { const char* caption; int32_t wrap; const char* expected; } cases[] = {
        {"一\r\n二", 0, "一二"}, {"一\r\n二\r三\n", 0, "一二三"},
        {"一\r\n二", 1, "一\n二"}, {"一\r二\n\r\n三", 1, "一\n二\n\n三"}, {"", 1, ""},
    };
    // clang-format on
    InstallUnitAccessibility();
    QWidget parent;
    for (const auto& c : cases) {
        LabelProps props;
        props.caption = Gbk(c.caption);
        props.word_wrap = c.wrap;
        auto unit = unit_test::CreateUnit(LabelInterface, WriteProps(props), &parent, QRect(0, 0, 60, 40));
        ASSERT_NE(unit, nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(WidgetOf(unit));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), c.expected) << c.caption;
    }
}

}  // namespace
