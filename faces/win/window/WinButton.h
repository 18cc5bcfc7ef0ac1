#pragma once
// Button: a BUTTON control; its caption and font are shown in place, its styles by a rebuild.
#include "core/props/ButtonProps.h"
#include "faces/win/window/WinPropsUnit.h"

class WinButton final : public WinPropsUnit<ButtonProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinButton>(args); }
    using WinPropsUnit::WinPropsUnit;

    void Rescale() override { SetUnitFont(Hwnd(), m_props.font); }

protected:
    HWND Make(const CreateArgs& args) override;
    void Show(int32_t own) override;
};
