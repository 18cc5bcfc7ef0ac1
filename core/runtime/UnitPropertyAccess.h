#pragma once
// The property services through which procedures read and write units. A property is
// addressed by window id, unit id (0 or the window record's id for the window itself),
// property number (0-7 common, 8 and above the kind's own) and part (-1 the whole value;
// 0-6 one part of a font: angle, bold, italic, underline, strike-out, size, face name).
// Values are 64 bits as PropertyConversion.h describes; what a read returns is the caller's.
//
//   GetUnitProperty(0x52010001, 0x1601013A, 8, -1)            -> 0 for an empty box, else a new text
//   SetUnitProperty(0x52010001, 0x16011DF4, 5, -1, 1)         shows the warning label
//   SetUnitProperty(0x52010001, 0x1601013A, 0, -1, 40000)     stores left 32627
//
// An unknown window is the fatal "未载入欲访问窗口组件所在的窗口" (so is an unknown unit of a known
// window); an own property of a unit whose window is not loaded is "指定窗口尚未载入".
//
// Own properties go to the unit's kind by number; the common ones live in the record, and
// whoever shows the units (widgets on the desktop, elements on the page) answers and applies
// them live through the LiveUnitAccess its unit library installs at start-up.
#include <cstdint>

#include "core/runtime/WindowList.h"

// Where a live unit stands, as a rebuild keeps it: its parent, its place in the parent, whether
// it is disabled and whether it holds the focus.
struct UnitPlace {
    FaceHandle parent = nullptr;
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool disabled = false;
    bool focused = false;
};

struct LiveUnitAccess {
    // The live value of a common property; false when the record's stored value answers.
    bool (*read_common)(const RuntimeRecord& record, int32_t property, uint64_t& value) = nullptr;
    // Shows a common property whose new value the record already holds.
    void (*apply_common)(RuntimeRecord& record, int32_t property) = nullptr;
    // A unit whose kind's set entry asks for a rebuild is made again from its saved properties
    // in the same place, with the same ids: place_of says where the live one stands (false for
    // a unit that is not rebuilt, such as a top-level window); put_in_place puts the new unit
    // in the old one's place in the stacking order, moves the units inside the old one into
    // it, shows it as the old one was, gives it the focus if the old one had it, and lets the
    // old one go (record.object holds the new one from then on).
    bool (*place_of)(const RuntimeRecord& record, UnitPlace& place) = nullptr;
    void (*put_in_place)(RuntimeWindow& window, RuntimeRecord& record, Unit* fresh,
                         const UnitPlace& place) = nullptr;
};

// Null (the default) leaves the records alone answering, with nothing shown or rebuilt.
void SetLiveUnitAccess(const LiveUnitAccess* access);

uint64_t GetUnitProperty(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part);
void SetUnitProperty(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part, uint64_t value);

// Makes a live unit again from its saved properties, where it stands, with events suppressed.
void RebuildUnit(RuntimeWindow& window, RuntimeRecord& record);
