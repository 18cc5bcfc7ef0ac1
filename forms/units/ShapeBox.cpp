#include "forms/units/ShapeBox.h"

#include "forms/paint/ShapePainting.h"
#include "forms/units/PaintReplay.h"
#include "forms/units/BuiltInKinds.h"

void ShapeBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    ReplayDisplayList(painter, paint::PaintShapeBox(m_props, {rect.width(), rect.height()}));
}

AnyEntry ShapeBoxInterface(int32_t number)
{
    return KindEntries<ShapeBoxUnit>::Entry(number);
}
