// Draws the triangle diagram that the picture box 图片框1 shows and writes it as a baseline
// JFIF JPEG: 195 x 113 pixels, 96 dpi, three components (YCbCr), quality 90.
//
// The committed data/diagram.jpg is the program's data; this tool is built but never run by
// the build, so the picture only changes on purpose. To regenerate it:
//   cmake --build <build> --target anglarix-draw-diagram
//   QT_QPA_PLATFORM=offscreen <build>/tools/anglarix-draw-diagram data/diagram.jpg
// then look at the result before committing it.
//
// The encoder is libjpeg's own compression API, not Qt's JPEG plugin, so the header fields
// (JFIF 1.01, density 96 x 96 dots per inch) and the baseline process are ours to fix.
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 195;
constexpr int kHeight = 113;
constexpr int kQuality = 90;
constexpr int kLineWidth = 3;
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";

// The triangle's corners: the acute angle bottom left, the right angle bottom right, the
// hypotenuse rising from the bottom left to the top of the vertical side.
constexpr QPointF kAcute(20.5, 86.5);
constexpr QPointF kRight(150.5, 86.5);
constexpr QPointF kTop(150.5, 10.5);

QImage DrawDiagram()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QPen pen(Qt::black, kLineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    QPainterPath triangle;
    triangle.moveTo(kAcute);
    triangle.lineTo(kRight);
    triangle.lineTo(kTop);
    triangle.closeSubpath();
    painter.drawPath(triangle);

    // Thin marks: the right-angle square and the arc of the marked angle.
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::NoBrush);
    constexpr double kSquare = 10;
    painter.drawPolyline(QPolygonF{QPointF(kRight.x() - kSquare, kRight.y()),
                                   QPointF(kRight.x() - kSquare, kRight.y() - kSquare),
                                   QPointF(kRight.x(), kRight.y() - kSquare)});
    constexpr double kArc = 24;
    const double angle = std::atan2(kRight.y() - kTop.y(), kTop.x() - kAcute.x()) * 180.0 / M_PI;
    painter.drawArc(QRectF(kAcute.x() - kArc, kAcute.y() - kArc, 2 * kArc, 2 * kArc), 0,
                    static_cast<int>(angle * 16));

    QFont font(kFontFamily);
    font.setPixelSize(15);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Each label in a box next to its part of the triangle.
    painter.drawText(QRectF(54, 68, 17, 17), Qt::AlignCenter, QString::fromUtf8("角"));
    painter.drawText(QRectF(kAcute.x(), 91, kRight.x() - kAcute.x(), 19), Qt::AlignCenter,
                     QString::fromUtf8("邻边"));
    painter.drawText(QRectF(155, 39, 38, 19), Qt::AlignCenter, QString::fromUtf8("对边"));
    painter.drawText(QRectF(52, 25, 38, 19), Qt::AlignCenter, QString::fromUtf8("斜边"));
    painter.end();
    return image;
}

bool WriteJpeg(const QImage& source, const char* path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;

    jpeg_compress_struct cinfo {};
    jpeg_error_mgr jerr {};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);

    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1;  // dots per inch
    cinfo.X_density = 96;
    cinfo.Y_density = 96;
    cinfo.optimize_coding = TRUE;  // still baseline: only the Huffman tables are tuned

    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(image.width()) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar* line = image.constScanLine(static_cast<int>(cinfo.next_scanline));
        std::copy(line, line + row.size(), row.begin());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    if (!QFontDatabase::families().contains(kFontFamily)) {
        std::fprintf(stderr, "font \"%s\" is missing (Debian fonts-wqy-zenhei)\n", kFontFamily);
        return 1;
    }
    if (!WriteJpeg(DrawDiagram(), argv[1])) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
