#include "core/runtime/UnitTypeTable.h"

#include <vector>

#include "core/runtime/Runtime.h"

namespace {

std::vector<const LibraryDescriptor*>& Libraries() { return TheRuntime().libraries; }

}  // namespace

std::span<const LibraryDescriptor* const> UnitLibraries() { return Libraries(); }

void SetUnitLibraries(std::span<const LibraryDescriptor* const> libraries)
{
    Libraries().assign(libraries.begin(), libraries.end());
}

const UnitTypeDescriptor* FindUnitType(uint32_t kind_code)
{
    const uint32_t library = kind_code >> 16;
    const uint32_t slot = kind_code & 0xFFFF;
    if (library == 0 || library > Libraries().size() || slot == 0)
        return nullptr;
    const LibraryDescriptor* descriptor = Libraries()[library - 1];
    if (descriptor == nullptr || descriptor->types == nullptr || slot > uint32_t(descriptor->type_count))
        return nullptr;
    const UnitTypeDescriptor& type = descriptor->types[slot - 1];
    return type.interface_fn != nullptr ? &type : nullptr;
}

AnyEntry KindEntry(uint32_t kind_code, int32_t number)
{
    const UnitTypeDescriptor* type = FindUnitType(kind_code);
    return type != nullptr ? type->interface_fn(number) : nullptr;
}

uint32_t KindFlags(uint32_t kind_code)
{
    const UnitTypeDescriptor* type = FindUnitType(kind_code);
    return type != nullptr ? type->kind_flags : 0;
}

uint16_t DeclaredType(uint32_t kind_code, int32_t property)
{
    const UnitTypeDescriptor* type = FindUnitType(kind_code);
    if (type == nullptr || type->properties == nullptr || property < 0 ||
        uint32_t(property) >= type->property_count)
        return PROP_NONE;
    return type->properties[property].type;
}

LibraryDescriptor BuiltInLibraryDescriptor(const UnitTypeSlots& types, LibraryNotifyFn notify)
{
    return {
        .version = 1,
        .identifier = "75FF712E4CB7732FD678F4E672738EC0",
        .display_name = "\xc4\xda\xd6\xc3\xb5\xa5\xd4\xaa\xbf\xe2",  // 内置单元库
        .major = 1,
        .minor = 0,
        .type_count = kUnitTypeSlotCount,
        .types = types.data(),
        .command_count = kCommandCount,
        .commands = CommandTable,
        .notify = notify,
    };
}
