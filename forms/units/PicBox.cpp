#include "forms/units/PicBox.h"

#include "forms/units/Borders.h"
#include "forms/units/Colours.h"
#include "forms/units/JpegPicture.h"
#include "forms/units/PicturePlacement.h"
#include "forms/units/BuiltInKinds.h"

void PaintPicBox(QPainter& painter, const QRect& outer, const PicBoxProps& props, const QImage& picture)
{
    const QRect client = DrawBorder(painter, outer, props.border);
    if (client.isEmpty())
        return;
    painter.fillRect(client, ColourFromWin(props.background));
    if (!picture.isNull())
        DrawPicture(painter, picture, props.display_mode, client);
}

PicBoxUnit::PicBoxUnit(const CreateArgs& args, PicBoxProps props) : PaintedUnit(args, std::move(props))
{
    m_picture = DecodePicture(m_props.picture);
}

void PicBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    PaintPicBox(painter, rect, m_props, m_picture);
}

void PicBoxUnit::Apply(int32_t own)
{
    if (own == PicBoxOwn::Picture)
        m_picture = DecodePicture(m_props.picture);
    Repaint();
}

AnyEntry PicBoxInterface(int32_t number)
{
    return KindEntries<PicBoxUnit>::Entry(number);
}
