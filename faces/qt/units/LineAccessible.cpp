#include "faces/qt/units/LineAccessible.h"

#include <QValidator>

#include "faces/qt/units/EditArea.h"
#include "faces/qt/units/EditControls.h"
#include "faces/qt/units/EditLine.h"

LineAccessible::LineAccessible(EditLine* line) : QAccessibleWidget(line, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

EditLine* LineAccessible::Line() const { return static_cast<EditLine*>(widget()); }

bool LineAccessible::Readable() const { return !Line()->Masks(); }

void* LineAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LineAccessible::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Value)
        text = Readable() ? Line()->text() : QString(Line()->text().size(), QLatin1Char('*'));
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = Line()->placeholderText();
    return text;
}

void LineAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString checked = text;
    int position = 0;
    if (Line()->validator() != nullptr &&
        Line()->validator()->validate(checked, position) != QValidator::Acceptable)
        return;
    Line()->setText(checked);
}

QAccessible::State LineAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = Line()->isReadOnly();
    state.passwordEdit = !Readable();
    state.selectableText = true;
    return state;
}

void LineAccessible::selection(int index, int* start, int* end) const
{
    *start = *end = 0;
    if (index != 0 || !Line()->hasSelectedText())
        return;
    *start = Line()->selectionStart();
    *end = Line()->selectionEnd();
}

int LineAccessible::selectionCount() const { return Line()->hasSelectedText() ? 1 : 0; }

void LineAccessible::removeSelection(int index)
{
    if (index == 0)
        Line()->deselect();
}

void LineAccessible::setSelection(int index, int start, int end)
{
    if (index == 0)
        Line()->setSelection(start, end - start);
}

int LineAccessible::cursorPosition() const { return Line()->cursorPosition(); }

void LineAccessible::setCursorPosition(int position) { Line()->setCursorPosition(position); }

QString LineAccessible::text(int start, int end) const
{
    if (start > end || !Readable())
        return {};
    return Line()->text().mid(start, end - start);
}

QString LineAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                                         int* end) const
{
    if (!Readable()) {
        *start = *end = -1;
        return {};
    }
    return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset, type, start,
                                                      end);
}

QString LineAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    if (!Readable()) {
        *start = *end = -1;
        return {};
    }
    return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset, type, start,
                                                     end);
}

QString LineAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    if (!Readable()) {
        *start = *end = -1;
        return {};
    }
    return QAccessibleTextInterface::textAtOffset(offset == -2 ? cursorPosition() : offset, type, start, end);
}

int LineAccessible::characterCount() const { return int(Line()->text().size()); }

QRect LineAccessible::characterRect(int offset) const
{
    const QRect rect = Line()->CharacterRect(offset);
    return rect.isEmpty() ? QRect() : QRect(Line()->mapToGlobal(rect.topLeft()), rect.size());
}

int LineAccessible::offsetAtPoint(const QPoint& point) const
{
    return Line()->PositionAt(Line()->mapFromGlobal(point));
}

void LineAccessible::scrollToSubstring(int start, int end)
{
    Line()->setCursorPosition(end);
    Line()->setCursorPosition(start);
}

QString LineAccessible::attributes(int offset, int* start, int* end) const
{
    *start = *end = offset;
    return {};
}

void LineAccessible::deleteText(int start, int end) { replaceText(start, end, {}); }

void LineAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void LineAccessible::replaceText(int start, int end, const QString& text)
{
    Line()->setText(Line()->text().replace(start, end - start, text));
}
