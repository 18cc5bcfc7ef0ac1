#include "faces/qt/live/QtKinds.h"

#include "faces/qt/live/UnitProperties.h"
#include "faces/qt/units/UnitEvents.h"
#include "faces/qt/units/BuiltInKinds.h"

namespace {

intptr_t NotifyQtLibrary(int32_t number, intptr_t a, intptr_t /*b*/)
{
    if (number == kLibraryNotifyStartup) {
        SetUnitRuntimeEntry(reinterpret_cast<RuntimeEntry>(a));
        SetLiveUnitAccess(&WidgetUnitAccess());
    }
    return 0;
}

// A new kind is one row here, beside its entry in AnyKindProps (core/props/KindProps.h).
// clang-format off
constexpr KindInterfaceRow kInterfaces[] = {
    {KIND_WINDOW, &WindowInterface},     {KIND_EDIT_BOX, &EditBoxInterface},
    {KIND_PIC_BOX, &PicBoxInterface},    {KIND_SHAPE_BOX, &ShapeBoxInterface},
    {KIND_LABEL, &LabelInterface},       {KIND_BUTTON, &ButtonInterface},
};
// clang-format on

const UnitTypeSlots& BuiltInTypes()
{
    static const UnitTypeSlots table = MakeUnitTypeSlots(kInterfaces);
    return table;
}

}  // namespace

const LibraryDescriptor& QtLibrary()
{
    static const LibraryDescriptor library = BuiltInLibraryDescriptor(BuiltInTypes(), &NotifyQtLibrary);
    return library;
}
