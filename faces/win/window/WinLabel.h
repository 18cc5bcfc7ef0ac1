#pragma once
// Label: its caption, border, gradient and picture painted by the core's rule. Its window text
// is the caption: a screen reader names the box after one by it.
#include "core/props/LabelProps.h"
#include "faces/win/window/WinPaintedUnit.h"

class WinLabel final : public WinPaintedUnit<LabelProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinLabel>(args); }
    using WinPaintedUnit::WinPaintedUnit;

    void Rescale() override;

protected:
    HWND Make(const CreateArgs& args) override;
    void Show(int32_t own) override;
    paint::DisplayList Painting() override;
    HBITMAP Picture() override { return m_picture.Of(m_props.picture); }

private:
    KeptPicture m_picture;
};
