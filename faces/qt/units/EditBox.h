#pragma once
// EditBox: a single-line or a multi-line box (EditControls.h), a style fixed at creation:
// changing multi-line, scroll bars, alignment, case conversion or the up-down setting makes
// the set entry answer 1 so the runtime rebuilds the unit.
//
// Events: 0 once per content change, whether typed or written through own property 0 (the
// control's own notification of the write is swallowed and exactly one event 0 follows);
// -7 and -8 when the box gains and loses the keyboard focus.
// Reading own 0 answers the text now in the control (CR LF line ends in a multi-line box).
#include <QString>

#include <string>

#include "core/props/EditBoxProps.h"
#include "faces/qt/units/UnitBase.h"

class EditControl;

class EditBoxUnit : public UnitBase<EditBoxProps> {
public:
    static EditBoxUnit* Create(const CreateArgs& args);

    int GetOwn(int32_t own, PropertyValue* result) override;
    int SetOwn(int32_t own, const PropertyValue& value) override;
    std::vector<uint8_t> Save() override;
    // Interface entry kEntryWantsKey: a multi-line box keeps Enter for itself.
    bool WantsKey(int key) const;

    // The text now in the control, as Unicode.
    QString Text() const;

protected:
    void Apply(int32_t own) override;

private:
    using UnitBase::UnitBase;
    // The control while its widget lives, else null.
    EditControl* Control() const { return Widget() != nullptr ? m_control : nullptr; }
    void RefreshContent();
    void ApplyColours();

    EditControl* m_control = nullptr;  // the widget m_widget watches
    std::string m_selection;           // own Selection as last read: the get entry hands it out
};

// A password character as Qt shows it: the first byte, "*" for a byte that is no character
// on its own, 0 for none (the text then shows plainly).
QChar PasswordCharacter(const uint8_t (&stored)[2]);
