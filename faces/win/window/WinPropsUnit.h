#pragma once
// What every kind's unit does with its property set: it keeps the set, answers the runtime's
// get, set and save entries through it and asks for a rebuild where the control cannot change
// in place. A kind's class U derives from WinPropsUnit<Props> and provides
//   HWND Make(const CreateArgs&)   its window, at its place, with its styles
//   void Show(int32_t own)         a stored change of an own property shown in place
// and replaces GetOwn, SetOwn or Save where the control itself holds a value.
#include <cstdint>
#include <utility>
#include <vector>

#include "core/props/PropertySet.h"
#include "faces/win/window/WinUnit.h"

template <class Props>
class WinPropsUnit : public WinUnit {
public:
    WinPropsUnit(const CreateArgs& args, Props props)
        : WinUnit(args.window_id, args.unit_id), m_props(std::move(props))
    {
        m_width = args.width;
        m_height = args.height;
    }

    virtual int GetOwn(int32_t own, PropertyValue* value)
    {
        return GetOwnProperty(m_props, own, value) ? 1 : 0;
    }

    // A style the control is made with asks the runtime for a rebuild; the rest are shown in place.
    virtual int SetOwn(int32_t own, const PropertyValue& value)
    {
        const SetOutcome outcome = SetOwnProperty(m_props, own, value);
        if (outcome.rebuild)
            return 1;
        if (outcome.changed)
            Show(own);
        return 0;
    }

    virtual std::vector<uint8_t> Save() { return WriteProps(m_props); }

protected:
    // A record whose data does not read keeps the kind's defaults; a control the system cannot
    // make fails the creation.
    template <class U>
    static Unit* CreateAs(const CreateArgs& args)
    {
        U* unit = new U(args, ReadProps<Props>(args.property_data).value_or(Props{}));
        WinPropsUnit* base = unit;
        base->Adopt(base->Make(args));
        base->Rescale();
        if (unit->Hwnd() == nullptr) {
            delete unit;
            return nullptr;
        }
        return unit;
    }

    virtual HWND Make(const CreateArgs& args) = 0;
    virtual void Show(int32_t own) = 0;

    // The font or the painting again, then the window drawn anew.
    void Refresh()
    {
        Rescale();
        InvalidateRect(Hwnd(), nullptr, TRUE);
    }

    Props m_props;
};
