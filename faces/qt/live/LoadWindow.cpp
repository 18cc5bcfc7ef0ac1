#include "faces/qt/live/LoadWindow.h"

#include <QWidget>

#include "faces/qt/live/KeyboardFilter.h"
#include "faces/qt/units/WidgetHandle.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/RuntimeInternal.h"

namespace {

bool IsLive(const RuntimeRecord& record) { return LiveWidget(record) != nullptr; }

void BringForward(RuntimeRecord& window_record)
{
    QWidget* frame = LiveWidget(window_record);
    if (frame->isMinimized()) {
        frame->showNormal();
    } else {
        frame->raise();
        frame->activateWindow();
    }
}

FaceHandle UnitsParent(const RuntimeRecord& window_record) { return HandleOf(LiveWidget(window_record)); }

void PlaceInside(RuntimeRecord& unit, const RuntimeRecord& container)
{
    QWidget* widget = LiveWidget(unit);
    QWidget* holder = LiveWidget(container);
    if (widget == nullptr || holder == nullptr || widget->isWindow() || widget->isAncestorOf(holder))
        return;
    widget->setParent(holder);
    widget->setGeometry(unit.left, unit.top, widget->width(), widget->height());
}

void Raise(RuntimeRecord& unit) { LiveWidget(unit)->raise(); }

void ShowUnit(RuntimeRecord& unit, bool shown)
{
    QWidget* widget = LiveWidget(unit);
    const QCursor cursor = CursorFromPointerData(unit.mouse_pointer);
    if (cursor.shape() != Qt::ArrowCursor)
        widget->setCursor(cursor);
    widget->setAttribute(Qt::WA_ShowWithoutActivating);
    widget->setVisible(shown);
}

void ShowWindow(RuntimeWindow& window)
{
    QWidget* frame = LiveWidget(window.records.front());
    frame->show();  // normally, minimised or maximised: the window kind set its start state
    frame->activateWindow();
    // The window starts with the focus on the first unit of its focus order, which raises
    // that unit's focus event once the window is active.
    if (frame->focusWidget() == nullptr) {
        if (QWidget* first = LiveWidget(window.id, FirstFocusUnit(window.id)))
            first->setFocus(Qt::TabFocusReason);
    }
}

constexpr LoadSurface kWidgets{
    .is_live = &IsLive,
    .bring_forward = &BringForward,
    .units_parent = &UnitsParent,
    .place_inside = &PlaceInside,
    .raise = &Raise,
    .show_unit = &ShowUnit,
    .built = nullptr,
    .show_window = &ShowWindow,
};

}  // namespace

bool IsWindowLive(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    return window != nullptr && !window->records.empty() && LiveWidget(window->records.front()) != nullptr;
}

bool LoadWindow(uint32_t window_id)
{
    if (FindWindow(window_id) != nullptr)
        InstallKeyboardFilter();
    return LoadWindow(window_id, kWidgets);
}

void LoadWindowOrFail(uint32_t window_id)
{
    if (FindWindow(window_id) != nullptr)
        InstallKeyboardFilter();
    LoadWindowOrFail(window_id, kWidgets);
}
