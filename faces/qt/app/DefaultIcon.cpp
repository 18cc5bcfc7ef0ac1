#include "faces/qt/app/DefaultIcon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

constexpr QSize kIconSize(256, 256);

class DeferredPngEngine : public QIconEngine {
public:
    explicit DeferredPngEngine(QString path) : m_path(std::move(path)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (m_picture.isNull()) {
            QImageReader reader(m_path, "png");
            reader.setDecideFormatFromContent(false);
            m_picture = QPixmap::fromImage(reader.read());
        }
        if (m_picture.isNull() || size == m_picture.size())
            return m_picture;
        return m_picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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
    QPixmap m_picture;
};

}  // namespace

QIcon DefaultIcon() { return QIcon(new DeferredPngEngine(QStringLiteral(":/anglarix/icon.png"))); }
