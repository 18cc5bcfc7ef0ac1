#include "faces/qt/units/Label.h"

#include "core/paint/LabelPainting.h"
#include "core/paint/PicturePlacement.h"
#include "faces/qt/units/GbkText.h"
#include "faces/qt/units/JpegPicture.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"

LabelUnit::LabelUnit(const CreateArgs& args, LabelProps props) : PaintedUnit(args, std::move(props))
{
    Apply(LabelOwn::Caption);
    Apply(LabelOwn::Picture);
}

void LabelUnit::Paint(QPainter& painter, const QRect& rect) const
{
    const paint::Size size{rect.width(), rect.height()};
    const paint::DisplayList& list = ListAt(size, [&] {
        return paint::PaintLabel(m_props, size, paint::PictureFileSize(m_props.picture), QtTextMeasure());
    });
    ReplayDisplayList(painter, list, m_picture);
}

QString LabelUnit::AccessibleText() const
{
    // Painted unwrapped, a caption is one line; wrapped, each CR LF, LF or CR ends a line.
    QString text = m_caption;
    if (m_props.word_wrap == 0) {
        text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        return text;
    }
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void LabelUnit::Apply(int32_t own)
{
    switch (own) {
    case LabelOwn::Caption: m_caption = FromGbk(m_props.caption); break;
    case LabelOwn::Picture: m_picture = DecodePicture(m_props.picture); break;
    default: break;
    }
    Repaint();
}

AnyEntry LabelInterface(int32_t number) { return KindEntries<LabelUnit>::Entry(number); }
