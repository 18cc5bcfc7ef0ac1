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
        for (const uint32_t* list : {group.inputs, group.results}) {
            const size_t count = list == group.inputs ? std::size(group.inputs) : std::size(group.results);
            for (size_t i = 0; i < count && list[i] != 0; ++i) {
                if (QWidget* box = LiveWidget(window_id, list[i]))
                    box->installEventFilter(new EnterClicks(box, button));
            }
        }
    }
}
