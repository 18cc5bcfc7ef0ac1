#pragma once
// The window kind: a top-level window of its own class (kWindowClassName), its units' parent.
#include "core/props/WindowProps.h"
#include "faces/win/window/WinPropsUnit.h"

class WinWindow final : public WinPropsUnit<WindowProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinWindow>(args); }
    using WinPropsUnit::WinPropsUnit;

    void Rescale() override { InvalidateRect(Hwnd(), nullptr, TRUE); }
    uint32_t Background() const override { return m_props.background; }

protected:
    HWND Make(const CreateArgs& args) override;
    void Show(int32_t own) override;
};
