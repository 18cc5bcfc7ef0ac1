#pragma once
// The runtime's window list: every window of the template with its unit records, the
// bindings turned into procedures and, while the window exists, the live unit objects.
// Records keep their stored order; record 0 is the window's own record.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "forms/UnitKind.h"
#include "forms/runtime/Procedure.h"

struct LibraryDescriptor;

// Unit record state flags.
constexpr uint32_t kStateVisible = 0x1;
constexpr uint32_t kStateDisabled = 0x2;
constexpr uint32_t kStateTabStop = 0x4;

// Record classes from the top four bits of a unit id.
constexpr uint32_t kRecordClassWindow = 0;
constexpr uint32_t kRecordClassUnit = 1;
constexpr uint32_t kRecordClassMenuItem = 2;
constexpr uint32_t RecordClass(uint32_t unit_id) { return unit_id >> 28; }

struct BoundEvent {
    int32_t event = 0;
    Procedure procedure = nullptr;  // null: the binding names no procedure
};

struct UnitRecord {
    uint32_t id = 0;
    uint32_t kind = 0;
    uint32_t event_owner = 0;  // a unit of the same kind whose bindings this one uses; 0 = own
    std::string name;          // GBK
    int32_t left = 0, top = 0, width = 0, height = 0;
    uint32_t parent_id = 0;    // 0 = the window
    std::vector<uint32_t> children;
    std::vector<uint8_t> mouse_pointer;
    std::string tag;  // GBK
    uint32_t state_flags = 0;
    uint32_t focus_rank = 0;
    std::vector<BoundEvent> bindings;  // a menu item has exactly one
    std::vector<uint8_t> property_data;

    // The object slot: the live unit while its window exists.
    std::unique_ptr<Unit> object;

    bool IsMenuItem() const { return RecordClass(id) == kRecordClassMenuItem; }
};

struct RuntimeWindow {
    uint32_t id = 0;
    std::vector<UnitRecord> records;
    bool loaded = false;  // set at the end of LoadWindow, cleared when the window goes
};

// The window list of the running program.
std::vector<RuntimeWindow>& Windows();
RuntimeWindow* FindWindow(uint32_t window_id);
// Unit id 0 names record 0; otherwise the record with that id, or null.
UnitRecord* FindRecord(RuntimeWindow& window, uint32_t unit_id);

// Builds the window list from the template bytes, turning every stored handler offset into
// an entry of the procedure area (an offset outside the area is damage). Any damage is the
// fatal "载入窗口模板数据段出错!". The library descriptors (kind code's library number n is
// libraries[n - 1]) stay in use while the program runs.
void LoadProgramWindows(std::span<const uint8_t> template_bytes, ProcedureArea procedures,
                        std::span<const LibraryDescriptor* const> libraries);
// Releases every unit object and empties the window list.
void ClearWindows();
