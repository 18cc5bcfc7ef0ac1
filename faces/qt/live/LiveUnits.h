#pragma once
// The live side of a record: its unit's widget, and the geometry the runtime reads and
// writes. A top-level window's geometry is its outer rectangle (the classic frame around the
// client area); a unit's is its rectangle in its parent's client coordinates.
#include <QRect>

#include <cstdint>
#include <vector>

#include "core/runtime/WindowList.h"

class QWidget;

// The unit's widget while its object exists and the widget is alive, else null.
QWidget* LiveWidget(const RuntimeRecord& record);
// The same by ids: null when the window is not loaded or holds no such unit.
QWidget* LiveWidget(uint32_t window_id, uint32_t unit_id);

QRect LiveGeometry(const QWidget& widget);
void SetLiveGeometry(QWidget& widget, const QRect& geometry);

// Whether the widget itself is disabled (a disabled parent does not count).
bool IsOwnDisabled(const QWidget& widget);

// The innermost record whose widget is, or contains, the widget; null when none of the window.
RuntimeRecord* RecordOfWidget(RuntimeWindow& window, const QWidget* widget);
// The same for the focus widget.
RuntimeRecord* FocusedRecord(RuntimeWindow& window);
