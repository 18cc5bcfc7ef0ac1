#include "forms/units/Label.h"

#include "forms/units/GbkText.h"
#include "forms/units/GuiFont.h"
#include "forms/units/JpegPicture.h"
#include "forms/units/LabelPainting.h"
#include "forms/units/BuiltInKinds.h"

namespace {

constexpr int32_t kOwnCaption = 0;
constexpr int32_t kOwnFont = 7;
constexpr int32_t kOwnPicture = 10;

}  // namespace

LabelUnit::LabelUnit(const CreateArgs& args, LabelProps props) : PaintedUnit(args, std::move(props))
{
    Apply(kOwnCaption);
    Apply(kOwnFont);
    Apply(kOwnPicture);
}

void LabelUnit::Paint(QPainter& painter, const QRect& rect) const
{
    PaintLabel(painter, rect, m_props, m_caption, m_font, m_picture);
}

void LabelUnit::Apply(int32_t own)
{
    switch (own) {
    case kOwnCaption: m_caption = FromGbk(m_props.caption); break;
    case kOwnFont: m_font = FontFromLogFont(m_props.font); break;
    case kOwnPicture: m_picture = DecodePicture(m_props.picture); break;
    default: break;
    }
    Repaint();
}

AnyEntry LabelInterface(int32_t number)
{
    return KindEntries<LabelUnit>::Entry(number);
}
