#include "faces/win/window/WinShapeBox.h"

#include "core/paint/ShapePainting.h"

paint::DisplayList WinShapeBox::Painting() { return paint::PaintShapeBox(m_props, {m_width, m_height}); }
