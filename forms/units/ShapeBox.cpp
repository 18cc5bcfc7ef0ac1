#include "forms/units/ShapeBox.h"

#include "forms/units/ShapePainting.h"
#include "forms/units/BuiltInKinds.h"

void ShapeBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    PaintShapeBox(painter, rect.size(), m_props);
}

AnyEntry ShapeBoxInterface(int32_t number)
{
    return KindEntries<ShapeBoxUnit>::Entry(number);
}
