#include "faces/qt/app/DefaultIcon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize kIconSize(256, 256);

// Each request decodes the picture afresh and keeps nothing: a window system takes the icon
// once per window, so a copy kept would only hold a quarter of a megabyte for the rest of the
// run.
class DeferredPngEngine : public QIconEngine {
public:
    explicit DeferredPngEngine(QString path) : m_path(std::move(path)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        // Named by its format, the picture goes straight to Qt's own PNG reader: a reader
        // left to detect the format loads every image plugin first to ask each of them.
        QImageReader reader(m_path, "png");
        reader.setAutoDetectImageFormat(false);
        const QPixmap picture = QPixmap::fromImage(reader.read());
        if (picture.isNull() || size == picture.size())
            return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return kIconSize.scaled(size, Qt::KeepAspectRatio).boundedTo(kIconSize);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {kIconSize}; }

    QIconEngine* clone() const override { return new DeferredPngEngine(*this); }

    QString key() const override { return QStringLiteral("anglarix-deferred-png"); }

private:
    QString m_path;
};

}  // namespace

QIcon DefaultIcon() { return QIcon(new DeferredPngEngine(QStringLiteral(":/anglarix/icon.png"))); }
