#include "UnitTestSupport.h"

#include <QBuffer>

#include "core/props/PicBoxProps.h"
#include "core/paint/PicturePlacement.h"
#include "faces/qt/units/BuiltInKinds.h"

namespace {

using namespace unit_test;

// A 120 x 60 picture whose quadrants, frame and diagonal show how it was placed and scaled.
std::vector<uint8_t> TestPicture()
{
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(0, 0, 60, 30, QColor(255, 0, 0));
    painter.fillRect(60, 30, 60, 30, QColor(0, 0, 255));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 119, 59);
    painter.drawLine(0, 59, 119, 0);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

PicBoxProps Box(int mode, int border, const std::vector<uint8_t>& picture)
{
    PicBoxProps props;
    props.display_mode = mode;
    props.border = border;
    props.picture = picture;
    return props;
}

// Row 1: modes 0, 1 and 2 in the diagram's 208 x 56 box (cut, stretched, fitted).
// Row 2: mode 2 in a box the picture fits (own size, centred), mode 1 with borders 1 and 4,
// mode 0 with border 2 on a white background, and a broken picture (background only).
TEST(PicBox, SheetOfDisplayModesAndBorders)
{
    const std::vector<uint8_t> picture = TestPicture();
    Sheet sheet(648, 172);
    for (int mode = 0; mode < 3; ++mode)
        sheet.Add(PicBoxInterface, WriteProps(Box(mode, 0, picture)), QRect(4 + mode * 214, 4, 208, 56));
    sheet.Add(PicBoxInterface, WriteProps(Box(2, 3, picture)), QRect(4, 66, 160, 100));
    sheet.Add(PicBoxInterface, WriteProps(Box(1, 1, picture)), QRect(170, 66, 100, 100));
    sheet.Add(PicBoxInterface, WriteProps(Box(1, 4, picture)), QRect(276, 66, 100, 100));
    PicBoxProps white = Box(0, 2, picture);
    white.background = 0xFFFFFF;
    sheet.Add(PicBoxInterface, WriteProps(white), QRect(382, 66, 160, 100));
    const std::vector<uint8_t> broken(picture.begin(), picture.begin() + 40);
    sheet.Add(PicBoxInterface, WriteProps(Box(1, 5, broken)), QRect(548, 66, 96, 100));
    EXPECT_TRUE(MatchesGolden(sheet.Render(), "picbox_sheet"));
}

TEST(PicBox, PictureTargetsByMode)
{
    const paint::Rect box{10, 20, 208, 56};
    // clang-format off
    const struct { int mode; paint::Size picture; paint::Rect target; } cases[] = {
        {0, {195, 113}, {10, 20, 195, 113}},
        {1, {195, 113}, {10, 20, 208, 56}},
        {2, {195, 113}, {10 + 56, 20, 96, 56}},
        {2, {100, 40}, {10 + 54, 20 + 8, 100, 40}},
        {2, {416, 28}, {10, 20 + 21, 208, 14}},
        {2, {0, 10}, {}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(paint::PictureTarget(c.mode, c.picture, box), c.target) << c.mode;
}

// The painting rules place a picture by the size its file states, the same on every face.
TEST(PicBox, PictureFileSizesFromHeaders)
{
    const std::vector<uint8_t> png = TestPicture();
    auto saved = [](const char* format) {
        QImage image(33, 17, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    const std::vector<uint8_t> jpeg = saved("JPG"), bmp = saved("BMP");
    // clang-format off
    const struct { std::vector<uint8_t> bytes; paint::Size size; } cases[] = {
        {png, {120, 60}},
        {jpeg, {33, 17}},
        {bmp, {33, 17}},
        {{png.begin(), png.begin() + 20}, {}},
        {{jpeg.begin(), jpeg.begin() + 30}, {}},
        {{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x11, 0x08, 0x00, 0x00, 0x00, 0x10}, {}},  // a frame 0 rows high
        {{'G', 'I', 'F', '8', '9', 'a', 5, 0, 7, 0}, {5, 7}},
        {{}, {}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(paint::PictureFileSize(c.bytes), c.size) << c.bytes.size() << " bytes";
}

}  // namespace
