#pragma once
// A unit's widget as the core holds it: the core's opaque handle is the widget's address.
#include <QWidget>

#include <memory>

#include "core/KindInterface.h"

inline FaceHandle HandleOf(QWidget* widget) { return reinterpret_cast<FaceHandle>(widget); }
inline QWidget* WidgetOf(FaceHandle handle) { return reinterpret_cast<QWidget*>(handle); }
inline QWidget* WidgetOf(const Unit* unit) { return unit != nullptr ? WidgetOf(unit->Handle()) : nullptr; }
inline QWidget* WidgetOf(const std::unique_ptr<Unit>& unit) { return WidgetOf(unit.get()); }
