// The whole main window as the runtime builds it, pixel for pixel: offscreen, pixel ratio 1,
// the pinned font, the caret steady (no blinking) in the box that has the focus at start.
// docs/screenshots.sh copies the golden picture into docs/; the test writes nothing there.
#include <QImage>
#include <QTest>

#include "RuntimeTestSupport.h"

using namespace runtime_test;

namespace {

TEST(MainWindowImage, MatchesTheGoldenPicture)
{
    QApplication::setCursorFlashTime(0);
    StartRuntime();
    ASSERT_TRUE(LoadWindow(main_window::kWindow));
    QWidget* frame = Frame();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QCoreApplication::processEvents();

    QImage image(frame->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    image.fill(Qt::magenta);
    frame->render(&image);
    EXPECT_EQ(image.size(), QSize(482, 395));
    EXPECT_TRUE(unit_test::MatchesGolden(image, "main_window"));
    StopRuntime();
}

}  // namespace
