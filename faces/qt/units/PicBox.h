#pragma once
// PicBox: paints its border, its background colour and its picture in one of three display
// modes (see core/paint/PicturePlacement.h). It raises no events.
#include <QImage>

#include "core/props/PicBoxProps.h"
#include "faces/qt/units/PaintedUnit.h"

class PicBoxUnit : public PaintedUnit<PicBoxProps> {
public:
    static PicBoxUnit* Create(const CreateArgs& args) { return CreatePainted<PicBoxUnit>(args); }
    PicBoxUnit(const CreateArgs& args, PicBoxProps props);
    void Paint(QPainter& painter, const QRect& rect) const override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }

protected:
    void Apply(int32_t own) override;

private:
    QImage m_picture;  // decoded once per change of the picture; null when none or broken
};
