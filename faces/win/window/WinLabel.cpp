#include "faces/win/window/WinLabel.h"

#include "core/paint/LabelPainting.h"
#include "core/paint/PicturePlacement.h"
#include "faces/win/window/WideText.h"

void WinLabel::Rescale() { SetUnitFont(Hwnd(), m_props.font); }

HWND WinLabel::Make(const CreateArgs& args) { return MakePaintedChild(args, WideFromGbk(m_props.caption)); }

void WinLabel::Show(int32_t own)
{
    SetWindowTextW(Hwnd(), WideFromGbk(m_props.caption).c_str());
    m_picture.Forget();
    WinPaintedUnit::Show(own);
}

paint::DisplayList WinLabel::Painting()
{
    return paint::PaintLabel(m_props, {m_width, m_height}, paint::PictureFileSize(m_props.picture),
                             GdiMeasure());
}
