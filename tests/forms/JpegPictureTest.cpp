#include "faces/qt/units/JpegPicture.h"

#include "program/data/DiagramLayout.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Diagram()
{
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../program/data/diagram.jpg";
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// A flat grey picture encoded by libjpeg with the given colour space, for the kinds of JPEG
// the diagram is not.
Bytes Encode(int width, int height, int components, J_COLOR_SPACE space)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width * components), 128);
    JSAMPROW rows[1] = {row.data()};
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

// The diagram with its frame header's height and width replaced.
Bytes WithSize(Bytes bytes, int width, int height)
{
    for (size_t i = 0; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = uint8_t(height >> 8), bytes[i + 6] = uint8_t(height);
            bytes[i + 7] = uint8_t(width >> 8), bytes[i + 8] = uint8_t(width);
            break;
        }
    }
    return bytes;
}

}  // namespace

TEST(DecodeJpeg, DiagramIsTheTriangleOnWhite)
{
    const QImage image = DecodeJpeg(Diagram());
    ASSERT_EQ(image.size(), QSize(195, 113));
    // Picture coordinates of a point the box shows at (x, y).
    const auto at = [&image](int x, int y) {
        return qGray(image.pixel(x * diagram::kPictureWidth / diagram::kShownWidth,
                                 y * diagram::kPictureHeight / diagram::kShownHeight));
    };
    EXPECT_GT(at(2, 2), 240);                                                           // white ground
    EXPECT_LT(at((diagram::kAcute.x + diagram::kRight.x) / 2, diagram::kRight.y), 60);  // the bottom side
    EXPECT_LT(at(diagram::kRight.x, (diagram::kRight.y + diagram::kTop.y) / 2), 60);    // the vertical side
}

TEST(DecodeJpeg, CutPictureIsRefusedWherever)
{
    const Bytes diagram = Diagram();
    for (size_t length = 0; length < diagram.size(); ++length)
        EXPECT_TRUE(DecodeJpeg({diagram.data(), length}).isNull()) << length;
}

TEST(DecodeJpeg, DamagedBytesNeverEndTheProcess)
{
    const Bytes diagram = Diagram();
    for (size_t i = 0; i < diagram.size(); ++i) {
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0xFF}}) {
            Bytes damaged = diagram;
            damaged[i] = value;
            const QImage image = DecodeJpeg(damaged);
            EXPECT_TRUE(image.isNull() || image.size() == QSize(195, 113)) << i;
        }
    }
}

TEST(DecodeJpeg, OnlySaneGreyOrColourPictures)
{
    // clang-format off
    const struct { const char* what; Bytes bytes; bool decodes; } cases[] = {
        {"nothing", {}, false},
        {"start marker only", {0xFF, 0xD8}, false},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, false},
        {"grey", Encode(7, 5, 1, JCS_GRAYSCALE), true},
        {"colour", Encode(7, 5, 3, JCS_RGB), true},
        {"CMYK", Encode(7, 5, 4, JCS_CMYK), false},
        {"zero height", WithSize(Diagram(), 195, 0), false},
        {"widest", Encode(kMaxPictureSide, 1, 1, JCS_GRAYSCALE), true},
        {"too wide", Encode(kMaxPictureSide + 1, 1, 1, JCS_GRAYSCALE), false},
        {"too high", Encode(1, kMaxPictureSide + 1, 1, JCS_GRAYSCALE), false},
        {"too many pixels", Encode(8193, 8193, 1, JCS_GRAYSCALE), false},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(!DecodeJpeg(c.bytes).isNull(), c.decodes) << c.what;
}

TEST(DecodePicture, JpegAndOtherFormats)
{
    QImage square(4, 3, QImage::Format_RGB32);
    square.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    square.save(&buffer, "PNG");
    const auto png_bytes = std::span(reinterpret_cast<const uint8_t*>(png.constData()), size_t(png.size()));

    EXPECT_EQ(DecodePicture(Diagram()).size(), QSize(195, 113));
    EXPECT_EQ(DecodePicture(png_bytes).size(), QSize(4, 3));
    EXPECT_TRUE(DecodePicture(png_bytes.first(20)).isNull());
    EXPECT_TRUE(DecodePicture({}).isNull());
}
