#include "faces/qt/units/ShapeBox.h"

#include "core/paint/ShapePainting.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"

void ShapeBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    const paint::Size size{rect.width(), rect.height()};
    ReplayDisplayList(painter, ListAt(size, [&] { return paint::PaintShapeBox(m_props, size); }));
}

AnyEntry ShapeBoxInterface(int32_t number) { return KindEntries<ShapeBoxUnit>::Entry(number); }
