#pragma once
// ShapeBox: one of eight shapes painted by the core's rule.
#include "core/props/ShapeBoxProps.h"
#include "faces/win/window/WinPaintedUnit.h"

class WinShapeBox final : public WinPaintedUnit<ShapeBoxProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinShapeBox>(args); }
    using WinPaintedUnit::WinPaintedUnit;

protected:
    HWND Make(const CreateArgs& args) override { return MakePaintedChild(args, {}); }
    paint::DisplayList Painting() override;
};
