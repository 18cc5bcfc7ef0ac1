#include <optional>

#include "core/runtime/EventDispatch.h"
#include "core/runtime/RuntimeErrors.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/RuntimeError.h"

namespace {

std::optional<Procedure> Relocate(int32_t handler, ProcedureArea procedures)
{
    if (handler == kNoHandler)
        return Procedure{nullptr};
    if (handler < 0 || size_t(handler) >= procedures.size())
        return std::nullopt;
    return procedures[size_t(handler)];
}

// The record's bindings as procedures, or nullopt when one names no entry of the area.
std::optional<std::vector<Procedure>> RelocateRecord(const UnitRecord& record, ProcedureArea procedures)
{
    std::vector<Procedure> relocated;
    if (RecordClassOf(record.id) == RecordClass::MenuItem) {
        const auto procedure = Relocate(MenuItemHandler(record), procedures);
        if (!procedure)
            return std::nullopt;
        relocated.push_back(*procedure);
        return relocated;
    }
    for (const EventBinding& binding : record.bindings) {
        const auto procedure = Relocate(binding.handler, procedures);
        if (!procedure)
            return std::nullopt;
        relocated.push_back(*procedure);
    }
    return relocated;
}

[[noreturn]] void TemplateDamaged() { ReportRuntimeError(runtime_errors::kTemplateDamaged, 0); }

}  // namespace

void InitializeUnitLibraries(std::span<const LibraryDescriptor* const> libraries)
{
    SetUnitLibraries(libraries);
    for (const LibraryDescriptor* library : libraries) {
        if (library != nullptr && library->notify != nullptr)
            library->notify(kLibraryNotifyStartup, reinterpret_cast<intptr_t>(&RuntimeNotify), 0);
    }
}

uint32_t CreationStyle(const RuntimeRecord& record, bool top_level)
{
    if ((KindFlags(record.kind) & kKindCreatedHidden) != 0 && !top_level)
        return 0;
    uint32_t style = (record.state_flags & kStateDisabled) != 0 ? kStyleDisabled : 0;
    if (!top_level && (record.state_flags & kStateTabStop) != 0)
        style |= kStyleTabStop;
    return style;
}

CreateArgs UnitCreateArgs(const RuntimeWindow& window, const RuntimeRecord& record,
                          std::span<const uint8_t> property_data, uint32_t style)
{
    CreateArgs args;
    args.property_data = property_data;
    args.style = style;
    args.left = record.left;
    args.top = record.top;
    args.width = record.width;
    args.height = record.height;
    args.window_id = window.id;
    args.unit_id = record.id;
    return args;
}

void LoadProgramWindows(std::span<const uint8_t> template_bytes, ProcedureArea procedures)
{
    if (template_bytes.empty())
        return;
    std::optional<WindowTemplateData> data = ReadWindowTemplate(template_bytes);
    if (!data)
        TemplateDamaged();

    std::vector<RuntimeWindow> windows;
    for (WindowData& stored : data->windows) {
        RuntimeWindow& window = windows.emplace_back();
        window.id = stored.id;
        window.records.reserve(stored.records.size());
        for (UnitRecord& record : stored.records) {
            auto relocated = RelocateRecord(record, procedures);
            if (!relocated)
                TemplateDamaged();
            RuntimeRecord& runtime_record = window.records.emplace_back();
            static_cast<UnitRecord&>(runtime_record) = std::move(record);
            runtime_record.procedures = std::move(*relocated);
        }
    }
    for (RuntimeWindow& window : windows)
        Windows().push_back(std::move(window));
}
