#include "core/runtime/UnitPropertyAccess.h"

#include <algorithm>

#include "core/props/EditBoxProps.h"
#include "core/props/LogFont.h"
#include "core/props/UnitTypes.h"
#include "core/runtime/EventDispatch.h"
#include "core/runtime/PropertyConversion.h"
#include "core/runtime/Runtime.h"
#include "core/runtime/RuntimeErrors.h"
#include "core/runtime/UnitTypeTable.h"
#include "values/Blocks.h"
#include "values/RuntimeError.h"
#include "values/TextBlocks.h"

namespace {

constexpr int32_t kCoordinateLimit = 32627;
const std::vector<uint8_t> kDefaultPointer(4, 0);

struct Target {
    RuntimeWindow* window;
    RuntimeRecord* record;
};

// An unknown unit of a known window has no message of its own: it is reported like an
// unknown window, the other way a procedure can name a unit that is not there.
Target FindTarget(uint32_t window_id, uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    RuntimeRecord* record = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    if (record == nullptr)
        ReportRuntimeError(runtime_errors::kPropertyWindowMissing, 0);
    return {window, record};
}

Unit* LiveObject(const RuntimeRecord& record)
{
    if (record.object == nullptr)
        ReportRuntimeError(runtime_errors::kWindowNotLoaded, 0);
    return record.object.get();
}

const LiveUnitAccess& Live()
{
    static const LiveUnitAccess none;
    const LiveUnitAccess* access = TheRuntime().live;
    return access != nullptr ? *access : none;
}

uint64_t TextValue(const std::string& text)
{
    return uint64_t(reinterpret_cast<uintptr_t>(NewText(text.data(), ptrdiff_t(text.size()))));
}

uint64_t NewPointerValue(const std::vector<uint8_t>& bytes)
{
    return uint64_t(reinterpret_cast<uintptr_t>(NewByteSet(bytes.data(), bytes.size())));
}

// A null block is the default arrow.
std::vector<uint8_t> PointerBytes(uint64_t value)
{
    const void* block = reinterpret_cast<const void*>(uintptr_t(value));
    if (block == nullptr)
        return kDefaultPointer;
    const std::span<const uint8_t> bytes = ByteSetContents(block);
    return {bytes.begin(), bytes.end()};
}

uint64_t GetCommon(const RuntimeRecord& record, int32_t property)
{
    uint64_t live = 0;
    if (Live().read_common != nullptr && Live().read_common(record, property, live))
        return live;
    auto word = [](int32_t value) { return uint64_t(uint32_t(value)); };
    switch (property) {
    case kPropertyLeft: return word(record.left);
    case kPropertyTop: return word(record.top);
    case kPropertyWidth: return word(record.width);
    case kPropertyHeight: return word(record.height);
    case kPropertyTag: return TextValue(record.tag);
    case kPropertyVisible: return (record.state_flags & kStateVisible) != 0;
    case kPropertyDisabled: return (record.state_flags & kStateDisabled) != 0;
    case kPropertyMousePointer:  // no data is the default arrow, stored as four zero bytes
        return NewPointerValue(record.mouse_pointer.empty() ? kDefaultPointer : record.mouse_pointer);
    default: return 0;
    }
}

void SetFlag(RuntimeRecord& record, uint32_t flag, bool on)
{
    record.state_flags = on ? record.state_flags | flag : record.state_flags & ~flag;
}

void SetCommon(RuntimeRecord& record, int32_t property, uint64_t value)
{
    const int32_t number = int32_t(uint32_t(value));
    switch (property) {
    case kPropertyLeft: record.left = std::clamp(number, -kCoordinateLimit, kCoordinateLimit); break;
    case kPropertyTop: record.top = std::clamp(number, -kCoordinateLimit, kCoordinateLimit); break;
    case kPropertyWidth: record.width = std::clamp(number, 0, kCoordinateLimit); break;
    case kPropertyHeight: record.height = std::clamp(number, 0, kCoordinateLimit); break;
    case kPropertyTag: {
        const char* text = reinterpret_cast<const char*>(uintptr_t(value));
        record.tag = text != nullptr ? text : "";
        return;  // nothing shows it
    }
    case kPropertyVisible: SetFlag(record, kStateVisible, number != 0); break;
    case kPropertyDisabled: SetFlag(record, kStateDisabled, number != 0); break;
    case kPropertyMousePointer: record.mouse_pointer = PointerBytes(value); break;
    default: return;
    }
    if (Live().apply_common != nullptr)
        Live().apply_common(record, property);
}

// The unit's font as a LOGFONT, the default GUI font when it has none of its own.
std::vector<uint8_t> CurrentFont(Unit* unit, GetPropertyEntry get, int32_t own)
{
    PropertyValue answer;
    if (get == nullptr || get(unit, own, &answer) != 1)
        return DefaultLogFont();
    return LogFontOrDefault(answer, DefaultLogFont());
}

}  // namespace

void SetLiveUnitAccess(const LiveUnitAccess* access) { TheRuntime().live = access; }

uint64_t GetUnitProperty(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part)
{
    const Target target = FindTarget(window_id, unit_id);
    const RuntimeRecord& record = *target.record;
    if (property < kFirstOwnProperty)
        return GetCommon(record, property);

    Unit* unit = LiveObject(record);
    const uint16_t type = DeclaredType(record.kind, property);
    const auto get = reinterpret_cast<GetPropertyEntry>(KindEntry(record.kind, kEntryGetProperty));
    const int32_t own = property - kFirstOwnProperty;
    if (type == PROP_NONE || get == nullptr)
        return 0;
    if (type == PROP_FONT)
        return ReadFontPart(CurrentFont(unit, get, own), part);
    PropertyValue answer;
    if (get(unit, own, &answer) != 1)
        return 0;
    return ConvertRead(type, answer);
}

void SetUnitProperty(uint32_t window_id, uint32_t unit_id, int32_t property, int32_t part, uint64_t value)
{
    const Target target = FindTarget(window_id, unit_id);
    RuntimeRecord& record = *target.record;
    if (property < kFirstOwnProperty) {
        SetCommon(record, property, value);
        return;
    }

    Unit* unit = LiveObject(record);
    const uint16_t type = DeclaredType(record.kind, property);
    const auto set = reinterpret_cast<SetPropertyEntry>(KindEntry(record.kind, kEntrySetProperty));
    const auto get = reinterpret_cast<GetPropertyEntry>(KindEntry(record.kind, kEntryGetProperty));
    const int32_t own = property - kFirstOwnProperty;
    if (type == PROP_NONE || set == nullptr)
        return;
    std::vector<uint8_t> storage;
    if (type == PROP_FONT) {
        // A whole-font write of null returns the unit to the default font.
        if (part != kWholeValue || value != 0) {
            storage = CurrentFont(unit, get, own);
            WriteFontPart(storage, part, value);
        }
    }
    const PropertyValue prepared = ConvertWrite(type, value, storage);
    if (set(unit, own, prepared) == 1 && record.object != nullptr)
        RebuildUnit(*target.window, record);
    // A written text ends with exactly one change event, changed or not: a program may write
    // the same text to have its change procedure run again.
    if (record.kind == KIND_EDIT_BOX && own == EditBoxOwn::Content && record.object != nullptr) {
        EventRecord change;
        change.window_id = target.window->id;
        change.unit_id = record.id;
        change.event = kEventChange;
        DispatchEvent(change);
    }
}

void RebuildUnit(RuntimeWindow& window, RuntimeRecord& record)
{
    const auto save = reinterpret_cast<SavePropertiesEntry>(KindEntry(record.kind, kEntrySaveProperties));
    const auto create = reinterpret_cast<CreateEntry>(KindEntry(record.kind, kEntryCreate));
    const LiveUnitAccess& live = Live();
    UnitPlace place;
    if (save == nullptr || create == nullptr || live.place_of == nullptr || live.put_in_place == nullptr ||
        !live.place_of(record, place))
        return;
    const EventSuppression suppressed;
    const std::vector<uint8_t> data = save(record.object.get());
    const uint32_t style = (place.disabled ? kStyleDisabled : 0) |
                           ((record.state_flags & kStateTabStop) != 0 ? kStyleTabStop : 0);
    CreateArgs args = UnitCreateArgs(window, record, data, style);
    args.parent = place.parent;
    args.control_id = record.control_id;
    args.left = place.left;
    args.top = place.top;
    args.width = place.width;
    args.height = place.height;
    if (Unit* fresh = create(args); fresh != nullptr)
        live.put_in_place(window, record, fresh, place);
}
