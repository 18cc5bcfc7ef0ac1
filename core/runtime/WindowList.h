#pragma once
// The runtime's window list: every window of the template with its unit records, the
// bindings turned into procedures and, while the window exists, the live unit objects.
// Records keep their stored order; record 0 is the window's own record.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/KindInterface.h"
#include "contract/Procedure.h"
#include "core/template/WindowTemplate.h"

struct LibraryDescriptor;

// A stored record with what the runtime adds: the procedure of each binding (null where the
// binding names none) and the object slot.
struct RuntimeRecord : UnitRecord {
    std::vector<Procedure> procedures;  // parallel to bindings; a menu item has exactly one
    std::unique_ptr<Unit> object;
    int32_t control_id = 0;
    bool on_hidden_page = false;  // listed after a page break of a paged container

    bool IsMenuItem() const { return RecordClassOf(id) == RecordClass::MenuItem; }
};

struct RuntimeWindow;

// The notes a program keeps at its units (texts UTF-8): a reason (GBK) standing or going, true
// while one stands; what hovering the unit shows; its accessible description; the units whose
// reasons went because the user edited this one. Null functions: the window has no notes.
struct NoteAdditions {
    bool (*set_reason)(uint32_t unit_id, const char* gbk) = nullptr;
    std::string (*hover)(uint32_t unit_id) = nullptr;
    std::string (*description)(uint32_t unit_id) = nullptr;
    std::vector<uint32_t> (*edited)(uint32_t unit_id) = nullptr;
    // What a unit reached by the keyboard shows at once, as hovering it would; empty for nothing.
    std::string (*on_keyboard_focus)(uint32_t unit_id) = nullptr;
};

// What a program adds to one of its windows, beyond the template: its own Tab order (unit ids;
// empty for the runtime's rule) and the button Enter clicks from the focused unit, modified
// meaning with Shift, Ctrl or Alt held (0 when the program leaves Enter to the runtime), and its
// notes. A face never decides these itself.
struct WindowAdditions {
    std::vector<uint32_t> tab_order;
    uint32_t (*enter_clicks)(const RuntimeWindow& window, uint32_t focused_unit, bool modified) = nullptr;
    NoteAdditions notes;
};

struct RuntimeWindow {
    uint32_t id = 0;
    std::vector<RuntimeRecord> records;
    bool loaded = false;  // set at the end of LoadWindow, cleared when the window goes
    WindowAdditions additions;
};

// The window list of the running program.
std::vector<RuntimeWindow>& Windows();
RuntimeWindow* FindWindow(uint32_t window_id);
// Unit id 0 names record 0; otherwise the record with that id, or null.
RuntimeRecord* FindRecord(RuntimeWindow& window, uint32_t unit_id);
const RuntimeRecord* FindRecord(const RuntimeWindow& window, uint32_t unit_id);

// Takes the unit libraries into use (a kind code's library number n is libraries[n - 1]) and
// hands each one the runtime's notification entry (notification 1). The descriptors must
// outlive the program's run.
void InitializeUnitLibraries(std::span<const LibraryDescriptor* const> libraries);

// Appends the template's windows to the window list, turning every stored handler offset
// into an entry of the procedure area: -1 none, k the k-th procedure. Empty bytes hold no
// window. Any damage, an offset outside the area included, is the fatal
// "载入窗口模板数据段出错!".
void LoadProgramWindows(std::span<const uint8_t> template_bytes, ProcedureArea procedures);
// The style bits a record's unit is created with: disabled and, inside a window, tab stop; a
// kind created hidden gets neither inside a window.
uint32_t CreationStyle(const RuntimeRecord& record, bool top_level);

// What a kind's create entry gets for a record's unit: the ids, the property data and style
// bits, at the record's place; whoever shows the unit adds the parent and control id.
CreateArgs UnitCreateArgs(const RuntimeWindow& window, const RuntimeRecord& record,
                          std::span<const uint8_t> property_data, uint32_t style);

// The units Tab visits, in order: the program's own order when it set one, else the tab stops
// from the last record back, stably by focus rank. Whoever shows them leaves out those hidden
// or disabled at the time.
std::vector<RuntimeRecord*> TabOrder(RuntimeWindow& window);
// Where Tab (forward) or Shift+Tab goes from a unit in a focus order, wrapping at both ends; a
// unit not in the order goes to the first. Null for an empty order.
RuntimeRecord* NextInFocusOrder(const std::vector<RuntimeRecord*>& order, const RuntimeRecord* from,
                                bool forward);

// Releases every unit object and empties the window list.
void ClearWindows();
