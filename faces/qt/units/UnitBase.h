#pragma once
// What the six kinds share: a unit that owns its property set and its widget, and the
// interface function built from a kind's unit class.
//
// A kind's unit class U derives from UnitBase<Props> and provides
//   static U* Create(const CreateArgs&)   read the property data, build the widget
//   void Apply(int32_t own)               show a changed own property in place
// and may replace GetOwn / SetOwn / Save where the control itself holds a value.
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/KindInterface.h"
#include "core/props/PropertySet.h"
#include "faces/qt/units/UnitEvents.h"
#include "faces/qt/units/WidgetHandle.h"

template <class Props>
class UnitBase : public Unit {
public:
    UnitBase(const CreateArgs& args, Props props)
        : Unit(args.window_id, args.unit_id), m_props(std::move(props))
    {
    }

    // The widget goes when the unit goes. It may be the one whose event handler is running
    // right now (a click that closes the window), so it is hidden at once and deleted later.
    ~UnitBase() override
    {
        if (m_widget) {
            m_widget->hide();
            m_widget->deleteLater();
        }
    }

    QWidget* Widget() const { return m_widget; }
    FaceHandle Handle() const override { return HandleOf(m_widget.data()); }
    const Props& Properties() const { return m_props; }
    UnitIds Ids() const { return {WindowId(), UnitId()}; }

    virtual int GetOwn(int32_t own, PropertyValue* result)
    {
        return GetOwnProperty(m_props, own, result) ? 1 : 0;
    }

    // 1 when the unit must be rebuilt to show the change.
    virtual int SetOwn(int32_t own, const PropertyValue& value)
    {
        const SetOutcome outcome = SetOwnProperty(m_props, own, value);
        if (outcome.rebuild)
            return 1;
        if (outcome.changed)
            Apply(own);
        return 0;
    }

    virtual std::vector<uint8_t> Save() { return WriteProps(m_props); }

protected:
    virtual void Apply(int32_t own) = 0;

    // Places a new child widget as the loader asks: geometry, disabled, tab stop. It starts
    // hidden; the loader shows it when the whole window is built.
    void Adopt(QWidget* widget, const CreateArgs& args, bool takes_focus)
    {
        m_widget = widget;
        widget->setGeometry(args.left, args.top, std::max(args.width, 0), std::max(args.height, 0));
        widget->setEnabled((args.style & kStyleDisabled) == 0);
        if (takes_focus)
            widget->setFocusPolicy((args.style & kStyleTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
        else
            widget->setFocusPolicy(Qt::NoFocus);
        widget->hide();
    }

    Props m_props;
    QPointer<QWidget> m_widget;
};
