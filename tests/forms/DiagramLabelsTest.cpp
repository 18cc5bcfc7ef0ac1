// The diagram as the picture box shows it (stretched to 208 x 56): each of its four labels
// must read as the same word written directly in the window's font.
#include "UnitTestSupport.h"

#include <QFontMetrics>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "program/data/DiagramLayout.h"
#include "faces/qt/units/GuiFont.h"
#include "faces/qt/units/JpegPicture.h"
#include "faces/qt/units/PaintReplay.h"

namespace {

QImage ShownDiagram(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    const QImage picture = DecodeJpeg(bytes);
    QImage shown(diagram::kShownWidth, diagram::kShownHeight, QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    DrawPicture(painter, picture, 1, shown.rect());
    return shown;
}

bool Ink(const QImage& image, int x, int y)
{
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128;
}

bool InkNear(const QImage& image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (Ink(image, x + dx, y + dy))
                return true;
    return false;
}

// How the word shown at `at` reads against the word written directly, widened as the box
// widens the picture: the share of the written word's ink that the shown word has within a
// pixel, and the share of the shown word's ink that the written word has not within a pixel.
// The box's rounding may place the word a pixel off: the best of nine placements counts.
struct Likeness {
    double found = 0.0;
    double stray = 1.0;
};

Likeness Compare(const QImage& shown, const QString& word, diagram::Point at)
{
    const QFont font = DefaultGuiFont();
    QImage written(QFontMetrics(font).horizontalAdvance(word), 13, QImage::Format_RGB32);
    written.fill(Qt::white);
    QPainter painter(&written);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(written.rect(), Qt::AlignLeft | Qt::AlignVCenter, word);
    painter.end();
    const int width = (written.width() * diagram::kShownWidth + diagram::kPictureWidth - 1) /
                      diagram::kPictureWidth;
    const QImage widened = written.scaled(width, written.height(), Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation);
    Likeness best;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QImage placed = shown.copy(at.x + dx, at.y + dy, widened.width(), widened.height());
            int written_ink = 0, found = 0, shown_ink = 0, stray = 0;
            for (int y = 0; y < widened.height(); ++y) {
                for (int x = 0; x < widened.width(); ++x) {
                    if (Ink(widened, x, y)) {
                        ++written_ink;
                        found += InkNear(placed, x, y);
                    }
                    if (Ink(placed, x, y)) {
                        ++shown_ink;
                        stray += !InkNear(widened, x, y);
                    }
                }
            }
            const Likeness likeness{written_ink ? double(found) / written_ink : 0.0,
                                    shown_ink ? double(stray) / shown_ink : 1.0};
            if (likeness.found - likeness.stray > best.found - best.stray)
                best = likeness;
        }
    }
    return best;
}

const std::filesystem::path kData = std::filesystem::path(__FILE__).parent_path() / "../../program/data";

TEST(DiagramLabels, ReadAsTheWordsWrittenDirectly)
{
    const QImage shown = ShownDiagram(kData / "diagram.jpg");
    for (const diagram::Label& label : diagram::kLabels) {
        const Likeness likeness = Compare(shown, QString::fromUtf8(label.text), label.at);
        EXPECT_GE(likeness.found, 0.95) << label.text;
        EXPECT_LE(likeness.stray, 0.05) << label.text;
    }
}

}  // namespace
