#pragma once
// The kinds that draw everything themselves (Label, ShapeBox, PicBox): a plain widget whose
// paint event asks its unit to paint, so that painting stays a function of the properties.
// The unit also says what assistive technology is told about it (UnitAccessibility.h).
#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "core/paint/KeptList.h"
#include "faces/qt/units/UnitBase.h"

class PaintSource {
public:
    virtual void Paint(QPainter& painter, const QRect& rect) const = 0;
    // NoRole leaves the unit out of the accessibility tree: it is decoration.
    virtual QAccessible::Role AccessibleRole() const = 0;
    // What is read for the unit when the program gave it no name of its own.
    virtual QString AccessibleText() const { return {}; }

protected:
    ~PaintSource() = default;
};

// The part of a painted widget the accessibility factory looks for.
class PaintedSurface {
public:
    virtual ~PaintedSurface() = default;
    // Null once the unit is going.
    const PaintSource* Source() const { return m_source; }
    void Detach() { m_source = nullptr; }

protected:
    explicit PaintedSurface(const PaintSource* source) : m_source(source) {}

private:
    const PaintSource* m_source;
};

template <class Base>
class PaintedWidgetOn : public Base, public PaintedSurface {
public:
    PaintedWidgetOn(QWidget* parent, const PaintSource* source) : Base(parent), PaintedSurface(source)
    {
        this->setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!Source())
            return;
        QPainter painter(this);
        Source()->Paint(painter, this->rect());
    }
};

using PaintedWidget = PaintedWidgetOn<QWidget>;
// A label's widget is a QLabel that never paints as one: Qt then relates each box to the
// label whose buddy it is (RelateLabel).
using PaintedLabelWidget = PaintedWidgetOn<QLabel>;

template <class Props, class Widget = PaintedWidget>
class PaintedUnit : public UnitBase<Props>, public PaintSource {
public:
    ~PaintedUnit() override
    {
        if (m_painted)
            m_painted->Detach();
    }

    // Reads the property data and builds unit U with its widget; null when the data is bad.
    template <class U>
    static U* CreatePainted(const CreateArgs& args)
    {
        std::optional<Props> props = ReadProps<Props>(args.property_data);
        if (!props)
            return nullptr;
        auto* unit = new U(args, std::move(*props));
        unit->m_painted = new Widget(WidgetOf(args.parent), unit);
        unit->Adopt(unit->m_painted, args, false);
        return unit;
    }

protected:
    using UnitBase<Props>::UnitBase;
    // Every change of a property comes through here.
    void Repaint()
    {
        m_list.Forget();
        if (m_painted)
            m_painted->update();
    }

    // The display list `make` gives at `size`, kept until the unit changes or is resized.
    template <class Make>
    const paint::DisplayList& ListAt(paint::Size size, Make make) const
    {
        return m_list.At(size, make);
    }

private:
    QPointer<Widget> m_painted;
    mutable paint::KeptList m_list;
};
