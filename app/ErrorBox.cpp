#include "app/ErrorBox.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

#include "forms/units/GbkText.h"
#include "values/RuntimeError.h"

namespace {

std::function<void(QMessageBox&)> g_shown_hook;

// Hands the box to the test hook once it is on screen. Queued, so the hook runs inside the
// box's own modal loop, as a user's click would.
class ShownWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && g_shown_hook) {
            QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(watched);
            QMetaObject::invokeMethod(
                this, [box] {
                    if (box != nullptr && g_shown_hook)
                        g_shown_hook(*box);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void PresentRuntimeErrorBox(const std::string& gbk_text)
{
    const QString title = FromGbk(RuntimeErrorTitle);
    const QString text = FromGbk(gbk_text);
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    ShownWatcher watcher;
    box.installEventFilter(&watcher);
    box.exec();
}

void SetErrorBoxShownHook(std::function<void(QMessageBox& box)> hook) { g_shown_hook = std::move(hook); }
