#include "faces/win/window/WinPicBox.h"

#include "core/paint/PicturePlacement.h"

void WinPicBox::Show(int32_t own)
{
    m_picture.Forget();
    WinPaintedUnit::Show(own);
}

paint::DisplayList WinPicBox::Painting()
{
    return paint::PaintPicBox(m_props, {m_width, m_height}, paint::PictureFileSize(m_props.picture));
}
