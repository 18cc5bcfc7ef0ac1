#pragma once
// PicBox: its picture (the diagram) placed and bordered by the core's rule.
#include "core/props/PicBoxProps.h"
#include "faces/win/window/WinPaintedUnit.h"

class WinPicBox final : public WinPaintedUnit<PicBoxProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinPicBox>(args); }
    using WinPaintedUnit::WinPaintedUnit;

protected:
    HWND Make(const CreateArgs& args) override { return MakePaintedChild(args, {}); }
    void Show(int32_t own) override;
    paint::DisplayList Painting() override;
    HBITMAP Picture() override { return m_picture.Of(m_props.picture); }

private:
    KeptPicture m_picture;
};
