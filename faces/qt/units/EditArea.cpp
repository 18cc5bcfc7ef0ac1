#include "faces/qt/units/EditArea.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <cstdlib>

#include "core/paint/Borders.h"
#include "faces/qt/units/PaintReplay.h"

namespace {

QString WithLineFeeds(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}

}  // namespace

EditArea::EditArea(QWidget* parent, UnitIds ids, int32_t case_conversion)
    : RaisesFocusEvents(parent, ids), m_case(case_conversion)
{
    setFrameShape(QFrame::NoFrame);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { OnChanged(); });
}

QString EditArea::Text() const { return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")); }

QString EditArea::SelectedText() const
{
    return textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
}

void EditArea::SetBorder(int32_t border)
{
    m_border = border;
    const int w = paint::BorderWidth(border);
    // A plain box frame of the border's width keeps the viewport and the scroll bars inside
    // the border, which is painted over the frame.
    if (w == 0) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(w);
    }
    update();
}

void EditArea::SetInitialContent(const QString& text)
{
    blockSignals(true);
    setPlainText(WithLineFeeds(text));
    blockSignals(false);
}

void EditArea::SetContent(const QString& text)
{
    m_writing_content = true;
    setPlainText(WithLineFeeds(text));
    m_writing_content = false;
}

void EditArea::OnChanged()
{
    // A large edit is not kept for undo, so that clearing the box returns its memory.
    const int characters = document()->characterCount();
    if (std::abs(characters - m_characters) > kUndoableEdit && document()->isUndoAvailable())
        document()->clearUndoRedoStacks();
    m_characters = characters;
    if (m_writing_content)
        return;
    if (m_max_length > 0 && characters - 1 > m_max_length) {
        m_writing_content = true;
        QTextCursor cursor(document());
        cursor.setPosition(m_max_length);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        m_writing_content = false;
    }
    RaiseUnitEvent(Ids(), kEventChange);
}

bool EditArea::event(QEvent* event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint) {
        QPainter painter(this);
        DrawBorder(painter, rect(), m_border);
    }
    return handled;
}

// QPlainTextEdit keeps its selection highlighted without the focus; a box that hides it lets
// it go, as QLineEdit does, unless the focus only went to a popup or another window.
void EditArea::focusOutEvent(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (m_hide_selection && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    RaisesFocusEvents::focusOutEvent(event);
}

void EditArea::keyPressEvent(QKeyEvent* event)
{
    if (m_case != 0 && !event->text().isEmpty()) {
        QKeyEvent converted(event->type(), event->key(), event->modifiers(), Converted(event->text(), m_case),
                            event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&converted);
        event->setAccepted(converted.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditArea::insertFromMimeData(const QMimeData* source)
{
    if (m_case != 0 && source && source->hasText()) {
        insertPlainText(Converted(source->text(), m_case));
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
