#include "faces/qt/app/AfterFirstFrame.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(std::function<void()> work, QObject* parent) : QObject(parent), m_work(std::move(work)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // Queued: the frame is finished and flushed first.
            QMetaObject::invokeMethod(qApp, std::move(m_work), Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

}  // namespace

void RunAfterFirstFrame(std::function<void()> work)
{
    qApp->installEventFilter(new AfterFirstFrame(std::move(work), qApp));
}
