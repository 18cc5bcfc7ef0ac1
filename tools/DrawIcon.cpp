// Draws the program's icon "DEFAULT_ICON", 256 x 256 with transparency: a white right-angled
// triangle on a blue rounded tile, its acute angle marked by an orange wedge and its right
// angle by a small square, the same figure as the diagram in the window.
//
// The committed data/icon.png is the program's data; this tool is built but never run by the
// build. To regenerate it:
//   cmake --build <build> --target anglarix-draw-icon
//   QT_QPA_PLATFORM=offscreen <build>/tools/anglarix-draw-icon data/icon.png
// then look at the result before committing it.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kSize = 256;

QImage DrawIcon()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient tile_gradient(0, 16, 0, 240);
    tile_gradient.setColorAt(0, QColor(0x3b, 0x82, 0xe0));
    tile_gradient.setColorAt(1, QColor(0x1d, 0x4e, 0xa0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile_gradient);
    painter.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);

    const QPointF acute(44, 200);
    const QPointF right(212, 200);
    const QPointF top(212, 60);
    QPainterPath triangle;
    triangle.moveTo(acute);
    triangle.lineTo(right);
    triangle.lineTo(top);
    triangle.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(triangle);

    // The marked angle: a wedge inside the triangle at the acute corner.
    const double degrees = std::atan2(right.y() - top.y(), top.x() - acute.x()) * 180.0 / M_PI;
    constexpr double kWedge = 64;
    painter.setBrush(QColor(0xf5, 0x8a, 0x1f));
    painter.drawPie(QRectF(acute.x() - kWedge, acute.y() - kWedge, 2 * kWedge, 2 * kWedge), 0,
                    static_cast<int>(std::lround(degrees * 16)));

    // The right angle: a square outline in the tile's colour.
    constexpr double kSquare = 30;
    QPen pen(QColor(0x1d, 0x4e, 0xa0), 7);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{QPointF(right.x() - kSquare, right.y()),
                                   QPointF(right.x() - kSquare, right.y() - kSquare),
                                   QPointF(right.x(), right.y() - kSquare)});
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (!DrawIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
