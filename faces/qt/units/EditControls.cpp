#include "faces/qt/units/EditControls.h"

#include "core/props/EditBoxProps.h"
#include "faces/qt/units/EditArea.h"
#include "faces/qt/units/EditLine.h"

QString Converted(const QString& text, int32_t conversion)
{
    switch (CaseConversion(conversion)) {
    case CaseConversion::Lower: return text.toLower();
    case CaseConversion::Upper: return text.toUpper();
    default: return text;
    }
}

Qt::Alignment QtHorizontalAlignment(int32_t alignment)
{
    switch (HorizontalAlignment(alignment)) {
    case HorizontalAlignment::Centre: return Qt::AlignHCenter;
    case HorizontalAlignment::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

void WhenUserEdits(QWidget* box, QObject* context, std::function<void()> edited)
{
    if (auto* line = dynamic_cast<EditLine*>(box))
        QObject::connect(line, &QLineEdit::textEdited, context, edited);
    else if (auto* area = dynamic_cast<EditArea*>(box))
        QObject::connect(area, &QPlainTextEdit::textChanged, context, [area, edited] {
            if (!area->WritingContent())
                edited();
        });
}
