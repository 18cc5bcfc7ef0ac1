#include "faces/qt/live/LiveUnits.h"

#include "faces/qt/units/WidgetHandle.h"

#include <QApplication>
#include <QMargins>
#include <QWidget>

#include <cstring>

#include "core/props/LogFont.h"
#include "core/props/PropertySet.h"
#include "faces/qt/units/GuiFont.h"

namespace {


QMargins WindowFrameMargins()
{
    return QMargins(kClassicFrame.left, kClassicFrame.top, kClassicFrame.right, kClassicFrame.bottom);
}

}  // namespace

QWidget* LiveWidget(const RuntimeRecord& record)
{
    return record.object != nullptr ? WidgetOf(record.object) : nullptr;
}

QWidget* LiveWidget(uint32_t window_id, uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    const RuntimeRecord* record = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    return record != nullptr ? LiveWidget(*record) : nullptr;
}

QRect LiveGeometry(const QWidget& widget)
{
    if (!widget.isWindow())
        return widget.geometry();
    // A window is placed by the position of its frame, which the classic frame describes;
    // whatever frame the window manager draws instead does not change what was set.
    const QMargins frame = WindowFrameMargins();
    return QRect(widget.pos() - QPoint(frame.left(), frame.top()), widget.size().grownBy(frame));
}

void SetLiveGeometry(QWidget& widget, const QRect& geometry)
{
    if (!widget.isWindow()) {
        widget.setGeometry(geometry);
        return;
    }
    const QMargins frame = WindowFrameMargins();
    const QSize client = geometry.size().shrunkBy(frame).expandedTo(QSize(0, 0));
    if (widget.minimumSize() == widget.maximumSize())
        widget.setFixedSize(client);  // a window that is not resizable keeps a fixed size
    else
        widget.resize(client);
    widget.move(geometry.topLeft() + QPoint(frame.left(), frame.top()));
}

bool IsOwnDisabled(const QWidget& widget) { return !widget.isEnabledTo(widget.parentWidget()); }

RuntimeRecord* FocusedRecord(RuntimeWindow& window)
{
    return RecordOfWidget(window, QApplication::focusWidget());
}

RuntimeRecord* RecordOfWidget(RuntimeWindow& window, const QWidget* focus)
{
    if (focus == nullptr)
        return nullptr;
    // The innermost unit holding the focus: a unit's widget may have inner widgets.
    RuntimeRecord* found = nullptr;
    for (RuntimeRecord& record : window.records) {
        QWidget* widget = LiveWidget(record);
        if (widget == nullptr || (widget != focus && !widget->isAncestorOf(focus)))
            continue;
        if (found == nullptr || LiveWidget(*found)->isAncestorOf(widget))
            found = &record;
    }
    return found;
}
