#include "faces/qt/units/PicBox.h"

#include "core/paint/PicturePlacement.h"
#include "faces/qt/units/JpegPicture.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"

PicBoxUnit::PicBoxUnit(const CreateArgs& args, PicBoxProps props) : PaintedUnit(args, std::move(props))
{
    m_picture = DecodePicture(m_props.picture);
}

void PicBoxUnit::Paint(QPainter& painter, const QRect& rect) const
{
    const paint::Size size{rect.width(), rect.height()};
    const paint::DisplayList& list = ListAt(size, [&] {
        return paint::PaintPicBox(m_props, size, paint::PictureFileSize(m_props.picture));
    });
    ReplayDisplayList(painter, list, m_picture);
}

void PicBoxUnit::Apply(int32_t own)
{
    if (own == PicBoxOwn::Picture)
        m_picture = DecodePicture(m_props.picture);
    Repaint();
}

AnyEntry PicBoxInterface(int32_t number) { return KindEntries<PicBoxUnit>::Entry(number); }
