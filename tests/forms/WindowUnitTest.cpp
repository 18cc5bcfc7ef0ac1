#include "UnitTestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest/QTest>

#include "core/props/WindowProps.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "faces/qt/units/Window.h"
#include "values/Gbk.h"

namespace {

using namespace unit_test;

constexpr uint32_t kWindowRecord = 0x06010000;

std::unique_ptr<Unit> MainWindow(const WindowProps& props, std::vector<uint8_t>& data)
{
    data = WriteProps(props);
    return CreateUnit(WindowInterface, data, nullptr, QRect(50, 50, 488, 420), kWindowRecord, 0);
}

WindowProps Anglarix()
{
    WindowProps props;
    props.caption = "Anglarix";
    props.background = 0xC0C0C0;
    return props;
}

TEST(WindowUnit, FixedClientAreaCentredOnTheScreen)
{
    std::vector<uint8_t> data;
    auto unit = MainWindow(Anglarix(), data);
    ASSERT_TRUE(unit);
    QWidget* window = WidgetOf(unit);
    EXPECT_EQ(window->size(), QSize(482, 395));
    EXPECT_EQ(window->minimumSize(), QSize(482, 395));
    EXPECT_EQ(window->maximumSize(), QSize(482, 395));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = window->geometry().marginsAdded(WindowFrameMargins());
    EXPECT_EQ(outer.topLeft(), QPoint((screen.width() - 488) / 2, (screen.height() - 420) / 2));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Anglarix"));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(window->font().family(), QString::fromLatin1(kGuiFontFamily));
    EXPECT_FALSE(window->isVisible());

    QImage image(window->size(), QImage::Format_RGB32);
    window->render(&image);
    EXPECT_EQ(image.pixel(240, 200), qRgb(0xC0, 0xC0, 0xC0));
}

TEST(WindowUnit, StartPositionZeroKeepsTheStoredPlace)
{
    WindowProps props = Anglarix();
    props.start_position = 0;
    props.border_style = 3;
    props.maximise_box = 1;
    std::vector<uint8_t> data;
    auto unit = MainWindow(props, data);
    QWidget* window = WidgetOf(unit);
    EXPECT_EQ(window->geometry().marginsAdded(WindowFrameMargins()), QRect(50, 50, 488, 420));
    EXPECT_EQ(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// A plain show, as the runtime gives every window, starts it minimised or maximised when
// its start position asks; only a resizable window can start maximised.
TEST(WindowUnit, ShowHonoursTheStartPosition)
{
    // clang-format off
    const struct { StartPosition start; WindowBorder border; bool minimised, maximised; } cases[] = {
        {StartPosition::Centred, WindowBorder::Fixed, false, false},
        {StartPosition::Minimised, WindowBorder::Fixed, true, false},
        {StartPosition::Maximised, WindowBorder::Resizable, false, true},
        {StartPosition::Maximised, WindowBorder::Fixed, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        WindowProps props = Anglarix();
        props.start_position = int32_t(c.start);
        props.border_style = int32_t(c.border);
        std::vector<uint8_t> data;
        auto unit = MainWindow(props, data);
        WidgetOf(unit)->show();
        EXPECT_EQ(WidgetOf(unit)->isMinimized(), c.minimised) << int(c.start);
        EXPECT_EQ(WidgetOf(unit)->isMaximized(), c.maximised) << int(c.start);
    }
}

// Event 1 asks whether to close: an answer of 0 keeps the window, anything else or no
// answer lets it close.
TEST(WindowUnit, CloseRequestCanBeRefused)
{
    // clang-format off
    const struct { bool answer; uint32_t result; bool closes; } cases[] = {
        {true, 0, false}, {true, 1, true}, {false, 0, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<uint8_t> data;
        auto unit = MainWindow(Anglarix(), data);
        WidgetOf(unit)->show();
        RecordEvents log;
        log.answer = c.answer;
        log.result = c.result;
        EXPECT_EQ(WidgetOf(unit)->close(), c.closes);
        EXPECT_EQ(WidgetOf(unit)->isVisible(), !c.closes);
        EXPECT_EQ(log.Count(kWindowRecord, 1), 1);
    }
}

TEST(WindowUnit, MovesAndResizesRaiseThreeAndFour)
{
    WindowProps props = Anglarix();
    props.border_style = 3;
    std::vector<uint8_t> data;
    auto unit = MainWindow(props, data);
    QWidget* window = WidgetOf(unit);
    RecordEvents log;
    window->show();
    EXPECT_EQ(log.events.size(), 0u) << "showing in place is no move";
    window->move(window->pos() + QPoint(10, 0));
    EXPECT_EQ(log.Count(kWindowRecord, 3), 1);
    window->resize(300, 200);
    EXPECT_EQ(log.Count(kWindowRecord, 4), 1);
    EXPECT_EQ(GetOwn(WindowInterface, unit.get(), 10).low, 0u);
}

TEST(WindowUnit, OwnPropertiesApplyInPlace)
{
    std::vector<uint8_t> data;
    auto unit = MainWindow(Anglarix(), data);
    QWidget* window = WidgetOf(unit);
    EXPECT_EQ(SetOwnText(WindowInterface, unit.get(), 0, Utf8ToGbk("三角")), 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("三角"));
    EXPECT_EQ(SetOwn(WindowInterface, unit.get(), 7, 0), 0);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window->size(), QSize(482, 395));
    SetOwn(WindowInterface, unit.get(), 14, 1);
    EXPECT_FALSE(window->mask().isEmpty());
}

}  // namespace
