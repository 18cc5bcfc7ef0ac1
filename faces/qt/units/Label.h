#pragma once
// Label: paints its caption, border and background itself (see core/paint/LabelPainting.h).
// It raises no events. Assistive technology reads it as static text, its caption with the
// line ends it is painted with.
#include <QImage>
#include <QString>

#include "core/props/LabelProps.h"
#include "faces/qt/units/PaintedUnit.h"

class LabelUnit : public PaintedUnit<LabelProps, PaintedLabelWidget> {
public:
    static LabelUnit* Create(const CreateArgs& args) { return CreatePainted<LabelUnit>(args); }
    LabelUnit(const CreateArgs& args, LabelProps props);
    void Paint(QPainter& painter, const QRect& rect) const override;
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleText() const override;

protected:
    void Apply(int32_t own) override;

private:
    QString m_caption;  // the GBK caption as Unicode
    QImage m_picture;   // the background picture, decoded
};
