// Draws the triangle diagram that the picture box 图片框1 shows and writes it as a baseline
// JFIF JPEG: 195 x 113 pixels, 96 dpi, three components (YCbCr), quality 95. The box shows it
// stretched to 208 x 56, so everything is drawn pre-stretched (program/data/DiagramLayout.h).
//
// The committed program/data/diagram.jpg is the program's data; this tool is built but never run by
// the build, so the picture only changes on purpose. To regenerate it:
//   cmake --build <build> --target anglarix-draw-diagram
//   QT_QPA_PLATFORM=offscreen <build>/tools/anglarix-draw-diagram program/data/diagram.jpg
// then look at the result before committing it.
//
// The encoder is libjpeg's own compression API, not Qt's JPEG plugin, so the header fields
// (JFIF 1.01, density 96 x 96 dots per inch) and the baseline process are ours to fix.
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QFontMetrics>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "program/data/DiagramLayout.h"

namespace {

constexpr int kQuality = 95;
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";

// From the box's coordinates to the picture's: the box shows the picture 208/195 as wide and
// 56/113 as tall.
double PictureX(double x) { return x * diagram::kPictureWidth / diagram::kShownWidth; }
double PictureY(double y) { return y * diagram::kPictureHeight / diagram::kShownHeight; }
QPointF PicturePoint(diagram::Point p) { return {PictureX(p.x), PictureY(p.y)}; }

// The window's font: 12 pixels, whole pixels without antialiasing, no hinting.
QFont WindowFont()
{
    QFont font(kFontFamily);
    font.setPixelSize(12);
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A word as the window writes it, each row repeated to the picture's height: when the box
// shows every other row, the word reads as if written directly. Columns stay one to one (the
// box widens them a little rather than drop any).
QImage PreStretchedWord(const QString& word)
{
    const QFont font = WindowFont();
    const QFontMetrics metrics(font);
    QImage shown(metrics.horizontalAdvance(word), 13, QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, shown.width(), shown.height()), Qt::AlignLeft | Qt::AlignVCenter, word);
    painter.end();
    const int height = static_cast<int>(std::lround(PictureY(shown.height())));
    return shown.scaled(shown.width(), height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage DrawDiagram()
{
    QImage image(diagram::kPictureWidth, diagram::kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);

    // No antialiasing: grey edges would come and go as the box drops rows. Lines across are
    // twice as thick as they should show, lines up and down as thick.
    QPainter painter(&image);
    QPen pen(Qt::black, 4);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    QPainterPath triangle;
    triangle.moveTo(PicturePoint(diagram::kAcute));
    triangle.lineTo(PicturePoint(diagram::kRight));
    triangle.lineTo(PicturePoint(diagram::kTop));
    triangle.closeSubpath();
    painter.drawPath(triangle);

    // The right-angle square and the arc of the marked angle, as they show: 6 and 16 pixels.
    painter.setPen(QPen(Qt::black, 3));
    const QPointF right = PicturePoint(diagram::kRight);
    painter.drawPolyline(QPolygonF{QPointF(right.x() - PictureX(6), right.y()),
                                   QPointF(right.x() - PictureX(6), right.y() - PictureY(6)),
                                   QPointF(right.x(), right.y() - PictureY(6))});
    // The arc runs from the base up to the hypotenuse at 16 shown pixels from the vertex.
    const double rise = diagram::kRight.y - diagram::kTop.y;
    const double run = diagram::kRight.x - diagram::kAcute.x;
    QPolygonF arc;
    for (int step = 0; step <= 8; ++step) {
        const double t = std::atan2(rise, run) * step / 8;
        arc << QPointF(PictureX(diagram::kAcute.x + 16 * std::cos(t)),
                       PictureY(diagram::kAcute.y - 16 * std::sin(t)));
    }
    painter.drawPolyline(arc);

    for (const diagram::Label& label : diagram::kLabels)
        painter.drawImage(PicturePoint(label.at), PreStretchedWord(QString::fromUtf8(label.text)));
    painter.end();
    return image;
}

bool WriteJpeg(const QImage& source, const char* path)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
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
