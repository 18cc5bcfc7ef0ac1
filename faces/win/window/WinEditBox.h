#pragma once
// EditBox: an EDIT control. What the user types lives in the control, so the content is read
// from there whenever it is asked for, set or saved; a single line past kLongestHeld characters
// is held by LongEdit.h. Its border is the core's, drawn in the control's frame.
#include <string>

#include "core/props/EditBoxProps.h"
#include "faces/win/window/WinPropsUnit.h"

class WinEditBox final : public WinPropsUnit<EditBoxProps> {
public:
    static Unit* Create(const CreateArgs& args) { return CreateAs<WinEditBox>(args); }
    // The kind's interface: the create, get, set and save entries, and the wants-key entry.
    static AnyEntry Interface(int32_t number);
    using WinPropsUnit::WinPropsUnit;
    ~WinEditBox() override;

    int GetOwn(int32_t own, PropertyValue* value) override;
    int SetOwn(int32_t own, const PropertyValue& value) override;
    std::vector<uint8_t> Save() override;

    HBRUSH Colours(HDC dc) override;
    void Rescale() override { SetUnitFont(Hwnd(), m_props.font); }
    bool IsEditBox() const override { return true; }

protected:
    HWND Make(const CreateArgs& args) override;
    void Show(int32_t own) override;

private:
    // Sets the control's text as the program, so that no change event is raised.
    void SetTextQuietly(HWND hwnd, const std::wstring& text);
    // The content as the user left it.
    void TakeContent();

    HBRUSH m_brush = nullptr;
    std::string m_selection;
};
