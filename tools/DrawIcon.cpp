// Draws the program's icon "DEFAULT_ICON" with transparency: a white right-angled triangle on
// a blue rounded tile, its acute angle marked by an orange wedge and its right angle by a small
// square, the same figure as the diagram in the window. One drawing, in 256 x 256 units, makes
// every size: program/data/icon.png (256 px, built into the program), program/data/icons/N.png for the other
// sizes of the desktop's icon theme and the page's 192 and 512 px icons, program/data/icons/scalable.svg,
// and program/data/icons/maskable-512.png, the page's icon for launchers that cut their own shape: the
// tile's colour to every edge and the figure inside the central circle they always keep.
//
// The committed pictures are the program's data; this tool is built but never run by the
// build. To regenerate them:
//   cmake --build <build> --target anglarix-draw-icon
//   QT_QPA_PLATFORM=offscreen <build>/tools/anglarix-draw-icon data
// then look at every result before committing them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kSize = 256;
// The icon theme's sizes besides kSize, which is program/data/icon.png, and the page's.
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 192, 512};
// A maskable icon's launcher may keep only the circle of 80 % of its width: the figure, which
// reaches 0.87 of the half width from the centre, is scaled to fit inside it.
constexpr int kMaskableSize = 512;
constexpr double kMaskableScale = 0.8;

enum class Tile { Rounded, FullBleed };

// Paints the icon in kSize units onto a device the painter has already scaled.
void PaintIcon(QPainter& painter, Tile tile = Tile::Rounded)
{
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient tile_gradient(0, 16, 0, 240);
    tile_gradient.setColorAt(0, QColor(0x3b, 0x82, 0xe0));
    tile_gradient.setColorAt(1, QColor(0x1d, 0x4e, 0xa0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile_gradient);
    if (tile == Tile::Rounded) {
        painter.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);
    } else {
        painter.drawRect(QRectF(0, 0, kSize, kSize));
        painter.translate(kSize / 2.0, kSize / 2.0);
        painter.scale(kMaskableScale, kMaskableScale);
        painter.translate(-kSize / 2.0, -kSize / 2.0);
    }

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
}

bool WritePng(int size, const QString& path, Tile tile = Tile::Rounded)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(double(size) / kSize, double(size) / kSize);
    PaintIcon(painter, tile);
    painter.end();
    return image.save(path, "PNG");
}

bool WriteSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    svg.setTitle(QStringLiteral("Anglarix"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    PaintIcon(painter);
    return painter.end();
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    bool written = data.mkpath(QStringLiteral("icons")) &&
                   WritePng(kSize, data.filePath(QStringLiteral("icon.png"))) &&
                   WriteSvg(data.filePath(QStringLiteral("icons/scalable.svg"))) &&
                   WritePng(kMaskableSize,
                            data.filePath(QStringLiteral("icons/maskable-%1.png").arg(kMaskableSize)),
                            Tile::FullBleed);
    for (const int size : kSizes)
        written = written && WritePng(size, data.filePath(QStringLiteral("icons/%1.png").arg(size)));
    if (!written) {
        std::fprintf(stderr, "cannot write the icons under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
