#include "app/GroupEnter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "data/MainWindowUnits.h"
#include "forms/live/LiveUnits.h"

namespace {

using namespace main_window;

// Sits on one box; the button may be destroyed first, hence the guard.
class EnterClicks : public QObject {
public:
    EnterClicks(QObject* parent, QAbstractButton* button) : QObject(parent), m_button(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if (enter && modifiers == Qt::NoModifier && m_button != nullptr && m_button->isEnabled()) {
                m_button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QAbstractButton> m_button;
};

}  // namespace

void ClickGroupButtonsOnEnter(uint32_t window_id)
{
    if (window_id != kWindow)
        return;
    for (const UnitGroup& group : kGroups) {
        auto* button = qobject_cast<QAbstractButton*>(LiveWidget(window_id, group.button));
        if (button == nullptr)
            continue;
        group.ForEachBox([&](uint32_t id, bool) {
            if (QWidget* box = LiveWidget(window_id, id))
                box->installEventFilter(new EnterClicks(box, button));
        });
    }
}
