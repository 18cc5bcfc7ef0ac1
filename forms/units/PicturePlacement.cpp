#include "forms/units/PicturePlacement.h"

#include <QPainter>

QRect PictureTarget(int32_t mode, QSize picture, const QRect& area)
{
    const int64_t pw = picture.width(), ph = picture.height();
    const int64_t aw = area.width(), ah = area.height();
    if (pw <= 0 || ph <= 0 || aw <= 0 || ah <= 0)
        return {};
    switch (PictureMode(mode)) {
    case PictureMode::Stretched:
        return area;
    case PictureMode::FittedCentred: {
        int64_t w = pw, h = ph;
        if (pw > aw || ph > ah) {
            // The side that overflows most decides the scale.
            if (pw * ah > ph * aw) {
                w = aw;
                h = ph * aw / pw;
            } else {
                h = ah;
                w = pw * ah / ph;
            }
        }
        return QRect(area.left() + int((aw - w) / 2), area.top() + int((ah - h) / 2), int(w), int(h));
    }
    default:
        return QRect(area.topLeft(), picture);
    }
}

void DrawPicture(QPainter& painter, const QImage& picture, int32_t mode, const QRect& area)
{
    const QRect target = PictureTarget(mode, picture.size(), area);
    if (target.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (target.size() == picture.size())
        painter.drawImage(target.topLeft(), picture);
    else
        painter.drawImage(target, picture);
    painter.restore();
}
