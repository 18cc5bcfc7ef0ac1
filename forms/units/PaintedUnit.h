#pragma once
// The kinds that draw everything themselves (Label, ShapeBox, PicBox): a plain widget whose
// paint event asks its unit to paint, so that painting stays a function of the properties.
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "forms/units/UnitBase.h"

class PaintSource {
public:
    virtual void Paint(QPainter& painter, const QRect& rect) const = 0;

protected:
    ~PaintSource() = default;
};

class PaintedWidget : public QWidget {
public:
    PaintedWidget(QWidget* parent, const PaintSource* source) : QWidget(parent), m_source(source)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    // The unit is going: paint nothing from now on.
    void Detach() { m_source = nullptr; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!m_source)
            return;
        QPainter painter(this);
        m_source->Paint(painter, rect());
    }

private:
    const PaintSource* m_source;
};

template <class Props>
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
        unit->m_painted = new PaintedWidget(args.parent, unit);
        unit->Adopt(unit->m_painted, args, false);
        return unit;
    }

protected:
    using UnitBase<Props>::UnitBase;
    void Repaint()
    {
        if (m_painted)
            m_painted->update();
    }

private:
    QPointer<PaintedWidget> m_painted;
};
