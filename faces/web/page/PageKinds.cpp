#include "faces/web/page/PageKinds.h"

#include <map>
#include <type_traits>
#include <vector>

#include "faces/web/page/PageDescription.h"
#include "faces/web/page/PageElements.h"
#include "core/props/UnitTypes.h"

namespace {

RuntimeEntry& RuntimeEntryOfPage()
{
    static RuntimeEntry entry = nullptr;
    return entry;
}

class PageUnitBase : public Unit {
public:
    using Unit::Unit;
    FaceHandle Handle() const override { return nullptr; }
    // Shows the unit again at the place its record now holds.
    virtual void MoveTo(const RuntimeRecord& record) = 0;
};

// The live units of the page by unit id; the page shows one window.
std::map<uint32_t, PageUnitBase*>& LiveUnits()
{
    static std::map<uint32_t, PageUnitBase*> units;
    return units;
}

// The element that shows a kind, as the script names it.
const char* ElementOf(uint32_t kind_code);

template <class Props>
class PageUnit final : public PageUnitBase {
public:
    PageUnit(const CreateArgs& args, Props props)
        : PageUnitBase(args.window_id, args.unit_id), m_args(args), m_props(std::move(props))
    {
        m_args.property_data = {};  // the record's bytes may move; the struct holds them now
        LiveUnits()[UnitId()] = this;
        Show();
    }
    // The loading sequence refuses data that does not read before it creates a unit; the
    // defaults only keep a unit whole should one ever get here.
    static Unit* Create(const CreateArgs& args)
    {
        return new PageUnit(args, ReadProps<Props>(args.property_data).value_or(Props{}));
    }
    ~PageUnit() override
    {
        const auto found = LiveUnits().find(UnitId());
        if (found != LiveUnits().end() && found->second == this)
            LiveUnits().erase(found);
    }

    int GetOwn(int32_t own, PropertyValue* value)
    {
        TakeTypedText(own);
        return GetOwnProperty(m_props, own, value) ? 1 : 0;
    }

    // A style a box is made with asks the runtime for a rebuild; any other change builds the
    // element again here.
    int SetOwn(int32_t own, const PropertyValue& value)
    {
        TakeTypedText(own);
        const SetOutcome outcome = SetOwnProperty(m_props, own, value);
        const bool changed = outcome.changed;
        if (outcome.rebuild)
            return 1;
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            if (IsTypedText(own)) {
                if (changed) {
                    WriteElementText(UnitId(), m_props.content);
                } else {
                    RepeatElementText(UnitId());  // the same result is still the click's answer
                }
                return 0;
            }
        }
        if (!changed)
            return 0;
        Show();
        return 0;
    }

    // What the user typed is saved, not the text last written.
    std::vector<uint8_t> Save()
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>)
            TakeTypedText(EditBoxOwn::Content);
        return WriteProps(m_props);
    }
    const Props& Properties() const { return m_props; }

    void MoveTo(const RuntimeRecord& record) override
    {
        m_args.left = record.left;
        m_args.top = record.top;
        m_args.width = record.width;
        m_args.height = record.height;
        Show();
    }

private:
    static bool IsTypedText(int32_t own)
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>)
            return own == EditBoxOwn::Content;
        return false;
    }
    // The struct's copy of the box's text is only as new as the last property call.
    void TakeTypedText(int32_t own)
    {
        if constexpr (std::is_same_v<Props, EditBoxProps>) {
            if (IsTypedText(own))
                m_props.content = ReadElementText(UnitId());
        }
    }
    void Show() const { ShowUnitElement(DescribeUnit(m_args, m_props, ElementOf(Props::kKindCode))); }

    CreateArgs m_args;
    Props m_props;
};

PageUnitBase* PageUnitOf(const RuntimeRecord& record)
{
    return static_cast<PageUnitBase*>(record.object.get());
}

// The common properties the page shows; the records answer every read.
void ApplyCommon(RuntimeRecord& record, int32_t property)
{
    PageUnitBase* unit = PageUnitOf(record);
    if (unit == nullptr)
        return;
    switch (property) {
    case kPropertyLeft:
    case kPropertyTop:
    case kPropertyWidth:
    case kPropertyHeight: unit->MoveTo(record); break;
    case kPropertyVisible: SetElementVisible(record.id, (record.state_flags & kStateVisible) != 0); break;
    case kPropertyDisabled: SetElementDisabled(record.id, (record.state_flags & kStateDisabled) != 0); break;
    default: break;  // the pointer follows the browser's own
    }
}

// The element made again takes the old one's place (and the focus, if it had it) as it is shown.
bool PlaceOfElement(const RuntimeRecord& record, UnitPlace& place)
{
    if (record.object == nullptr || record.kind == KIND_WINDOW)
        return false;
    place = {.left = record.left,
             .top = record.top,
             .width = record.width,
             .height = record.height,
             .disabled = (record.state_flags & kStateDisabled) != 0};
    return true;
}
void PutElementInPlace(RuntimeWindow&, RuntimeRecord& record, Unit* fresh, const UnitPlace&)
{
    record.object.reset(fresh);
}

const LiveUnitAccess kElementAccess{nullptr, &ApplyCommon, &PlaceOfElement, &PutElementInPlace};

intptr_t NotifyPageLibrary(int32_t number, intptr_t a, intptr_t /*b*/)
{
    if (number == kLibraryNotifyStartup) {
        RuntimeEntryOfPage() = reinterpret_cast<RuntimeEntry>(a);
        SetLiveUnitAccess(&kElementAccess);
    }
    return 0;
}

// A multi-line box takes Enter for a new line; the frame answers every other key of its own.
int BoxWantsKey(Unit* unit, int key)
{
    const auto* box = dynamic_cast<PageUnit<EditBoxProps>*>(unit);
    return box != nullptr && key == kKeyEnter && box->Properties().multi_line != 0 ? 1 : 0;
}

AnyEntry EditBoxEntry(int32_t number)
{
    if (number == kEntryWantsKey)
        return reinterpret_cast<AnyEntry>(static_cast<WantsKeyEntry>(&BoxWantsKey));
    return KindEntries<PageUnit<EditBoxProps>>::Entry(number);
}

// A kind on the page: one row, its interface and the element the script builds for it.
struct PageKindRow {
    KindInterfaceRow kind;
    const char* element;
};

constexpr PageKindRow kPageKinds[] = {
    {{KIND_WINDOW, &KindEntries<PageUnit<WindowProps>>::Entry}, "window"},
    {{KIND_EDIT_BOX, &EditBoxEntry}, "edit"},
    {{KIND_PIC_BOX, &KindEntries<PageUnit<PicBoxProps>>::Entry}, "picture"},
    {{KIND_SHAPE_BOX, &KindEntries<PageUnit<ShapeBoxProps>>::Entry}, "shape"},
    {{KIND_LABEL, &KindEntries<PageUnit<LabelProps>>::Entry}, "label"},
    {{KIND_BUTTON, &KindEntries<PageUnit<ButtonProps>>::Entry}, "button"},
};

const char* ElementOf(uint32_t kind_code)
{
    for (const PageKindRow& row : kPageKinds) {
        if (row.kind.code == kind_code)
            return row.element;
    }
    return "";
}

}  // namespace

const LibraryDescriptor& PageLibrary()
{
    static const UnitTypeSlots types = [] {
        std::vector<KindInterfaceRow> interfaces;
        for (const PageKindRow& row : kPageKinds)
            interfaces.push_back(row.kind);
        return MakeUnitTypeSlots(interfaces);
    }();
    static const LibraryDescriptor library = BuiltInLibraryDescriptor(types, &NotifyPageLibrary);
    return library;
}

bool RaisePageEvent(uint32_t unit_id, int32_t event)
{
    const auto found = LiveUnits().find(unit_id);
    if (found == LiveUnits().end() || RuntimeEntryOfPage() == nullptr)
        return false;
    EventRecord record;
    record.window_id = found->second->WindowId();
    record.unit_id = unit_id;
    record.event = event;
    return RuntimeEntryOfPage()(kNotifyRaiseEvent, reinterpret_cast<intptr_t>(&record), 0) == 1;
}
