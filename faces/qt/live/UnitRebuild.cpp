#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>

#include "core/runtime/UnitPropertyAccess.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/RuntimeInternal.h"
#include "faces/qt/units/WidgetHandle.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/template/LittleEndian.h"

namespace {

constexpr int kStandardCursorShapes = 21;

}  // namespace

QCursor CursorFromPointerData(const std::vector<uint8_t>& data)
{
    uint8_t word[4] = {};  // a shorter datum is its first bytes
    std::copy_n(data.begin(), std::min<size_t>(data.size(), 4), word);
    const uint32_t shape = ReadLe32(word);
    if (shape == 0 || shape > kStandardCursorShapes)
        return QCursor(Qt::ArrowCursor);
    return QCursor(Qt::CursorShape(shape - 1));
}

bool PlaceOfWidget(const RuntimeRecord& record, UnitPlace& place)
{
    QWidget* widget = LiveWidget(record);
    if (widget == nullptr || widget->isWindow())
        return false;
    QWidget* focus = QApplication::focusWidget();
    const QRect at = widget->geometry();
    place = {.parent = HandleOf(widget->parentWidget()),
             .left = at.x(),
             .top = at.y(),
             .width = at.width(),
             .height = at.height(),
             .disabled = IsOwnDisabled(*widget),
             .focused = focus != nullptr && (focus == widget || widget->isAncestorOf(focus))};
    return true;
}

void PutWidgetInPlace(RuntimeWindow& window, RuntimeRecord& record, Unit* fresh, const UnitPlace& place)
{
    QPointer<QWidget> old_widget = LiveWidget(record);
    QWidget* widget = WidgetOf(fresh);
    widget->setCursor(old_widget->cursor());
    widget->stackUnder(old_widget);
    // Units placed inside the old one move into the new one, where they were.
    const QObjectList children = old_widget->children();  // reparenting changes the list
    for (QObject* child : children) {
        auto* inner = qobject_cast<QWidget*>(child);
        if (inner == nullptr)
            continue;
        for (RuntimeRecord& other : window.records) {
            if (LiveWidget(other) != inner)
                continue;
            const QRect at = inner->geometry();
            const bool shown = !inner->isHidden();
            inner->setParent(widget);
            inner->setGeometry(at);
            inner->setVisible(shown);
        }
    }
    widget->setVisible(!old_widget->isHidden());
    record.object.reset(fresh);
    if (old_widget != nullptr)  // its own event handler may be running: it goes later
        old_widget->deleteLater();
    if (place.focused)
        widget->setFocus(Qt::OtherFocusReason);
}
