#include "faces/qt/app/Accessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QWidget>

#include "faces/qt/app/ApplicationObject.h"
#include "program/data/AccessibleTexts.h"
#include "program/data/MainWindowUnits.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/units/UnitAccessibility.h"

namespace {

// Raises an alert each time the widget it watches is shown.
class AlertOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (App().observers.alert)
                App().observers.alert(watched);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void DescribeForAccessibility(uint32_t window_id)
{
    if (window_id != main_window::kWindow)
        return;
    for (const AccessibleText& text : MainWindowAccessibleTexts()) {
        QWidget* widget = LiveWidget(window_id, text.unit_id);
        if (widget == nullptr)
            continue;
        widget->setAccessibleName(QString::fromUtf8(text.name));
        if (text.description != nullptr)
            widget->setAccessibleDescription(QString::fromUtf8(text.description));
        if (text.label_id != 0)
            RelateLabel(LiveWidget(window_id, text.label_id), widget);
        if (text.alert)
            widget->installEventFilter(new AlertOnShow(widget));
    }
}
