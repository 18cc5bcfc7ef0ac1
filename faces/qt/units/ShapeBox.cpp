#include "faces/qt/units/ShapeBox.h"

#include "core/paint/ShapePainting.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"

void ShapeBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    ReplayDisplayList(painter, paint::PaintShapeBox(m_props, {rect.width(), rect.height()}));
}

AnyEntry ShapeBoxInterface(int32_t number)
{
    return KindEntries<ShapeBoxUnit>::Entry(number);
}
