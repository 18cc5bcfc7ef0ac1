#include "UnitTestSupport.h"

#include <QPushButton>
#include <QtTest/QTest>

#include "core/props/ButtonProps.h"
#include "faces/qt/units/Button.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "values/Gbk.h"

namespace {

using namespace unit_test;

constexpr uint32_t kButton = 0x1601013B;

struct ButtonOnWindow {
    explicit ButtonOnWindow(const ButtonProps& props = {}, uint32_t style = kStyleTabStop)
        : data(WriteProps(props))
    {
        window.resize(200, 100);
        unit = CreateUnit(ButtonInterface, data, &window, QRect(34, 20, 84, 29), kButton, style);
        WidgetOf(unit)->show();
        window.show();
    }
    QPushButton* Button() const { return qobject_cast<QPushButton*>(WidgetOf(unit)); }

    std::vector<uint8_t> data;
    QWidget window;
    std::unique_ptr<Unit> unit;
};

TEST(Button, AClickRaisesEventZeroOnce)
{
    ButtonOnWindow button;
    RecordEvents log;
    QTest::mouseClick(button.Button(), Qt::LeftButton);
    EXPECT_EQ(log.Count(kButton, 0), 1);
    QTest::keyClick(button.Button(), Qt::Key_Space);
    EXPECT_EQ(log.Count(kButton, 0), 2);
}

// A procedure may let the unit go from inside its own click (a window that closes).
TEST(Button, TheUnitMayGoInsideItsOwnClick)
{
    ButtonOnWindow button;
    QPointer<QWidget> widget = WidgetOf(button.unit);
    RecordEvents log;
    log.on_event = [&](const EventRecord&) { button.unit.reset(); };
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(log.Count(kButton, 0), 1);
    EXPECT_FALSE(button.unit);
    ASSERT_TRUE(widget);
    EXPECT_FALSE(widget->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(widget);
}

// Enter belongs to the window's keyboard handling, even on a default button.
TEST(Button, EnterOnTheButtonItselfDoesNothing)
{
    ButtonProps props;
    props.default_button = 1;
    ButtonOnWindow button(props);
    EXPECT_TRUE(button.Button()->isDefault());
    RecordEvents log;
    QTest::keyClick(button.Button(), Qt::Key_Return);
    QTest::keyClick(button.Button(), Qt::Key_Enter);
    EXPECT_EQ(log.Count(kButton, 0), 0);
}

TEST(Button, ADisabledButtonRaisesNothing)
{
    ButtonOnWindow button({}, kStyleDisabled);
    RecordEvents log;
    QTest::mouseClick(button.Button(), Qt::LeftButton);
    EXPECT_EQ(log.events.size(), 0u);
    EXPECT_EQ(button.Button()->focusPolicy(), Qt::ClickFocus);
}

TEST(Button, CaptionsAndAlignments)
{
    ButtonProps props;
    props.caption = Utf8ToGbk("两行\r\n按钮");
    ButtonOnWindow button(props);
    EXPECT_EQ(button.Button()->text(), QStringLiteral("两行\n按钮"));
    SetOwnText(ButtonInterface, button.unit.get(), 2, Utf8ToGbk("求反正弦角度"));
    EXPECT_EQ(button.Button()->text(), QStringLiteral("求反正弦角度"));
    EXPECT_EQ(GetOwnText(ButtonInterface, button.unit.get(), 2), Utf8ToGbk("求反正弦角度"));

    // clang-format off
    const struct { int h, v; Qt::Alignment expected; } cases[] = {
        {0, 0, Qt::AlignLeft | Qt::AlignTop},
        {1, 1, Qt::AlignHCenter | Qt::AlignVCenter},
        {2, 2, Qt::AlignRight | Qt::AlignBottom},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ButtonAlignment(c.h, c.v), c.expected);
}

}  // namespace
