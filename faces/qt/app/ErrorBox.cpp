#include "faces/qt/app/ErrorBox.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>

#include "faces/qt/app/ApplicationMain.h"
#include "faces/qt/app/ApplicationObject.h"
#include "faces/qt/units/GbkText.h"
#include "values/RuntimeError.h"

namespace {

// Hands the box to the test's observer once it is on screen. Queued, so the hook runs inside the
// box's own modal loop, as a user's click would.
class ShownWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && App().observers.error_box_shown) {
            QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(watched);
            QMetaObject::invokeMethod(
                this,
                [box] {
                    if (box != nullptr && App().observers.error_box_shown)
                        App().observers.error_box_shown(*box);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void PresentRuntimeErrorBox(const std::string& gbk_text)
{
    InstallChineseTranslations();  // a fault during start-up comes before the first frame
    const QString title = FromGbk(RuntimeErrorTitle);
    const QString text = FromGbk(gbk_text);
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    ShownWatcher watcher;
    box.installEventFilter(&watcher);
    box.exec();
}
