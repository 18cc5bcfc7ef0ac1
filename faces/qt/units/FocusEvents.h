#pragma once
// A Qt control that raises its unit's focus events: -7 when it gains the keyboard focus,
// -8 when it loses it, each after the control has handled the change itself. Button and
// EditBox controls derive from this instead of each forwarding the two events.
#include <QFocusEvent>
#include <QWidget>

#include "faces/qt/units/UnitEvents.h"

template <class Control>
class RaisesFocusEvents : public Control {
public:
    RaisesFocusEvents(QWidget* parent, UnitIds ids) : Control(parent), m_ids(ids) {}
    UnitIds Ids() const { return m_ids; }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        Control::focusInEvent(event);
        RaiseUnitEvent(m_ids, kEventFocusIn);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Control::focusOutEvent(event);
        AfterFocusOut();
        RaiseUnitEvent(m_ids, kEventFocusOut);
    }
    // Runs between the control's own handling of a focus loss and event -8.
    virtual void AfterFocusOut() {}

private:
    UnitIds m_ids;
};
