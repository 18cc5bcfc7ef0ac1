#pragma once
// ShapeBox: paints one of eight shapes (see core/paint/ShapePainting.h). It raises no events.
#include "core/props/ShapeBoxProps.h"
#include "faces/qt/units/PaintedUnit.h"

class ShapeBoxUnit : public PaintedUnit<ShapeBoxProps> {
public:
    static ShapeBoxUnit* Create(const CreateArgs& args) { return CreatePainted<ShapeBoxUnit>(args); }
    using PaintedUnit::PaintedUnit;
    void Paint(QPainter& painter, const QRect& rect) const override;
    // Frames and bars are decoration: assistive technology does not see them.
    QAccessible::Role AccessibleRole() const override { return QAccessible::NoRole; }

protected:
    void Apply(int32_t) override { Repaint(); }
};
