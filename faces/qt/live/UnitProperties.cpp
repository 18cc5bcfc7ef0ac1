#include "faces/qt/live/UnitProperties.h"

#include <QCursor>
#include <QWidget>

#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/RuntimeInternal.h"

namespace {

bool ReadCommon(const RuntimeRecord& record, int32_t property, uint64_t& value)
{
    const QWidget* widget = LiveWidget(record);
    if (widget == nullptr)
        return false;
    const QRect live = LiveGeometry(*widget);
    auto word = [](int32_t number) { return uint64_t(uint32_t(number)); };
    switch (property) {
    case kPropertyLeft: value = word(live.x()); return true;
    case kPropertyTop: value = word(live.y()); return true;
    case kPropertyWidth: value = word(live.width()); return true;
    case kPropertyHeight: value = word(live.height()); return true;
    case kPropertyVisible: value = widget->isVisible(); return true;
    case kPropertyDisabled: value = IsOwnDisabled(*widget); return true;
    default: return false;
    }
}

void ApplyCommon(RuntimeRecord& record, int32_t property)
{
    QWidget* widget = LiveWidget(record);
    if (widget == nullptr)
        return;
    QRect live = LiveGeometry(*widget);
    switch (property) {
    case kPropertyLeft:
        live.moveTo(record.left, live.y());
        SetLiveGeometry(*widget, live);
        break;
    case kPropertyTop:
        live.moveTo(live.x(), record.top);
        SetLiveGeometry(*widget, live);
        break;
    case kPropertyWidth:
        live.setWidth(record.width);
        SetLiveGeometry(*widget, live);
        break;
    case kPropertyHeight:
        live.setHeight(record.height);
        SetLiveGeometry(*widget, live);
        break;
    case kPropertyVisible:
        if ((record.state_flags & kStateVisible) == 0)
            widget->hide();
        else if (widget->isWindow() || MayShow(record))
            widget->show();
        break;
    case kPropertyDisabled: widget->setEnabled((record.state_flags & kStateDisabled) == 0); break;
    case kPropertyMousePointer:
        widget->setCursor(CursorFromPointerData(record.mouse_pointer));
        QCursor::setPos(QCursor::pos());  // the new pointer shows without a mouse move
        break;
    default: break;
    }
}

}  // namespace

const LiveUnitAccess& WidgetUnitAccess()
{
    static const LiveUnitAccess access{&ReadCommon, &ApplyCommon, &PlaceOfWidget, &PutWidgetInPlace};
    return access;
}
