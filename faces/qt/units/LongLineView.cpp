#include "faces/qt/units/LongLineView.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>

#include <algorithm>

namespace {

// QLineEdit's own margins between its contents and its line of text.
constexpr int kHorizontalMargin = 2;

// How far either way a move looks; a word longer than this is crossed in steps.
constexpr int kStepWindow = 1024;

// One line of text laid out as the box's font shapes it on the box.
class ShownLine {
public:
    ShownLine(const QString& text, const QLineEdit* box) : m_layout(text, box->font(), box)
    {
        QTextOption option = m_layout.textOption();
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        m_layout.setTextOption(option);
        m_layout.beginLayout();
        m_line = m_layout.createLine();
        m_layout.endLayout();
    }
    QTextLayout& Layout() { return m_layout; }
    qreal X(int position) const { return m_line.cursorToX(position); }
    int Position(qreal x) const { return m_line.xToCursor(x); }

private:
    QTextLayout m_layout;
    QTextLine m_line;
};

// The smallest start from which the characters up to end fit in width pixels.
int FirstFitting(const QString& text, int end, int width, const QLineEdit* box)
{
    // Every character takes at least a pixel, so no more than width of them can fit.
    const int from = std::max(0, end - width);
    const ShownLine line(text.mid(from, end - from), box);
    const qreal right = line.X(end - from);
    int first = end - from;
    while (first > 0 && right - line.X(first - 1) <= width)
        --first;
    first += from;
    return first < end && text[first].isLowSurrogate() ? first + 1 : first;
}

}  // namespace

QRect LongLineView::LineRect() const
{
    QStyleOptionFrame panel;
    panel.initFrom(m_line);
    panel.lineWidth = 0;
    const QRect contents = m_line->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, m_line)
                               .marginsRemoved(m_line->textMargins());
    const int height = m_line->fontMetrics().height();
    return {contents.x() + kHorizontalMargin, contents.y() + (contents.height() - height + 1) / 2,
            contents.width() - 2 * kHorizontalMargin, height};
}

void LongLineView::FollowCaret()
{
    const QString text = m_line->text();
    const int size = int(text.size());
    const int cursor = m_line->cursorPosition();
    const int width = std::max(LineRect().width() -
                                   m_line->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, m_line),
                               1);
    m_first = std::clamp(m_first, 0, size);
    if (cursor < m_first) {
        m_first = cursor;
    } else if (cursor - m_first > width ||
               ShownLine(text.mid(m_first, cursor - m_first), m_line).X(cursor - m_first) > width) {
        m_first = FirstFitting(text, cursor, width, m_line);
    }
    // Near the end no space is left empty on the right while text is hidden on the left.
    if (size - m_first <= width)
        m_first = std::min(m_first, FirstFitting(text, size, width, m_line));
}

void LongLineView::Paint(QPainter& painter, bool caret)
{
    QStyleOptionFrame panel;
    panel.initFrom(m_line);
    panel.lineWidth = 0;
    if (m_line->isReadOnly())
        panel.state |= QStyle::State_ReadOnly;
    m_line->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, m_line);

    FollowCaret();
    const QRect line_rect = LineRect();
    const QString shown_text = InSight(m_line->text(), line_rect);
    const int shown = int(shown_text.size());
    ShownLine line(shown_text, m_line);

    QList<QTextLayout::FormatRange> selections;
    if (m_line->hasSelectedText()) {
        const int start = std::max(m_line->selectionStart() - m_first, 0);
        const int end = std::min(m_line->selectionEnd() - m_first, shown);
        if (end > start) {
            QTextLayout::FormatRange range{start, end - start, {}};
            range.format.setBackground(m_line->palette().brush(QPalette::Highlight));
            range.format.setForeground(m_line->palette().brush(QPalette::HighlightedText));
            selections.append(range);
        }
    }
    painter.save();
    painter.setClipRect(line_rect.adjusted(-kHorizontalMargin, 0, kHorizontalMargin, 0));
    painter.setPen(m_line->palette().color(QPalette::Text));
    line.Layout().draw(&painter, line_rect.topLeft(), selections);
    if (caret) {
        const int width = std::max(m_line->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, m_line),
                                   1);
        line.Layout().drawCursor(&painter, line_rect.topLeft(), m_line->cursorPosition() - m_first, width);
    }
    painter.restore();
}

QRect LongLineView::CaretRect() const
{
    const QRect line_rect = LineRect();
    const int cursor = std::max(m_line->cursorPosition() - m_first, 0);
    const QString text = m_line->text();
    const int x = cursor > line_rect.width() ? line_rect.width()
                                             : int(ShownLine(text.mid(m_first, cursor), m_line).X(cursor));
    return {line_rect.x() + x, line_rect.y(), 1, line_rect.height()};
}

QString LongLineView::InSight(const QString& text, const QRect& line_rect) const
{
    // Every character takes at least a pixel.
    return text.mid(First(text), std::max(line_rect.width(), 0) + 1);
}

int LongLineView::PositionAt(QPoint point) const
{
    const QRect line_rect = LineRect();
    const QString text = m_line->text();
    return First(text) + ShownLine(InSight(text, line_rect), m_line).Position(point.x() - line_rect.x());
}

QRect LongLineView::CharacterRect(int offset) const
{
    const QRect line_rect = LineRect();
    const QString text = m_line->text();
    const QString shown = InSight(text, line_rect);
    const int at = offset - First(text);
    if (at < 0 || at >= shown.size())
        return {};
    const ShownLine line(shown, m_line);
    const qreal left = line.X(at);
    return QRectF(line_rect.x() + left, line_rect.y(), line.X(at + 1) - left, line_rect.height()).toAlignedRect();
}

// Where QLineEdit's layout would step to from a position (a character, or a word with its
// separators and spaces), found by Qt's own rules on the text around it.
int LongLineView::Step(int from, bool forward, QTextLayout::CursorMode mode) const
{
    const QString text = m_line->text();
    const int start = std::max(0, from - kStepWindow);
    const int end = std::min(int(text.size()), from + kStepWindow);
    QTextLayout around(text.mid(start, end - start), m_line->font());
    const int to = forward ? around.nextCursorPosition(from - start, mode)
                           : around.previousCursorPosition(from - start, mode);
    return start + to;
}

void LongLineView::MoveTo(int position, bool extend)
{
    if (!extend) {
        m_line->setCursorPosition(position);
        return;
    }
    const int anchor = Anchor();
    m_line->setSelection(anchor, position - anchor);
}

// The fixed end of the selection, or the caret when nothing is selected.
int LongLineView::Anchor() const
{
    const int cursor = m_line->cursorPosition();
    if (!m_line->hasSelectedText())
        return cursor;
    return cursor == m_line->selectionStart() ? m_line->selectionEnd() : m_line->selectionStart();
}

bool LongLineView::KeyPress(QKeyEvent* event)
{
    using Mode = QTextLayout::CursorMode;
    // Each move: its keys, whether it extends the selection, its direction and its unit.
    struct Move {
        QKeySequence::StandardKey key;
        bool extend;
        bool forward;
        Mode mode;
    };
    static constexpr Move kMoves[] = {
        {QKeySequence::MoveToNextChar, false, true, QTextLayout::SkipCharacters},
        {QKeySequence::MoveToPreviousChar, false, false, QTextLayout::SkipCharacters},
        {QKeySequence::SelectNextChar, true, true, QTextLayout::SkipCharacters},
        {QKeySequence::SelectPreviousChar, true, false, QTextLayout::SkipCharacters},
        {QKeySequence::MoveToNextWord, false, true, QTextLayout::SkipWords},
        {QKeySequence::MoveToPreviousWord, false, false, QTextLayout::SkipWords},
        {QKeySequence::SelectNextWord, true, true, QTextLayout::SkipWords},
        {QKeySequence::SelectPreviousWord, true, false, QTextLayout::SkipWords},
    };
    const int cursor = m_line->cursorPosition();
    for (const Move& move : kMoves) {
        if (event->matches(move.key)) {
            MoveTo(Step(cursor, move.forward, move.mode), move.extend);
            return true;
        }
    }
    const bool editable = !m_line->isReadOnly();
    auto delete_to = [&](int position) {
        if (!editable)
            return;
        if (!m_line->hasSelectedText())
            MoveTo(position, true);
        m_line->del();
    };
    if (event->matches(QKeySequence::Delete)) {
        delete_to(Step(cursor, true, QTextLayout::SkipCharacters));
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        delete_to(Step(cursor, true, QTextLayout::SkipWords));
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        delete_to(Step(cursor, false, QTextLayout::SkipWords));
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (event->matches(QKeySequence::Cut)) {
        if (editable && m_line->hasSelectedText()) {
            Copy();
            m_line->del();
        }
    } else {
        return false;
    }
    return true;
}

bool LongLineView::MousePress(QMouseEvent* event)
{
    const int position = PositionAt(event->position().toPoint());
    if (event->button() == Qt::MiddleButton) {
        m_line->setCursorPosition(position);  // where the release pastes
        return true;
    }
    if (event->button() != Qt::LeftButton)
        return false;
    MoveTo(position, event->modifiers() & Qt::ShiftModifier);
    m_anchor = Anchor();
    return true;
}

bool LongLineView::MouseMove(QMouseEvent* event)
{
    if (m_anchor < 0 || !(event->buttons() & Qt::LeftButton))
        return false;
    const int position = PositionAt(event->position().toPoint());
    m_line->setSelection(m_anchor, position - m_anchor);
    return true;
}

// The word under the point and the separators after it, without trailing spaces, as
// QLineEdit selects it.
bool LongLineView::MouseDoubleClick(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const int position = PositionAt(event->position().toPoint());
    const QString text = m_line->text();
    const int start = Step(std::min(position + 1, int(text.size())), false, QTextLayout::SkipWords);
    int end = Step(start, true, QTextLayout::SkipWords);
    while (end > position && text[end - 1].isSpace())
        --end;
    m_line->setCursorPosition(start);
    m_line->setSelection(start, end - start);
    m_anchor = -1;
    return true;
}

void LongLineView::Copy() const
{
    if (m_line->hasSelectedText())
        QApplication::clipboard()->setText(m_line->selectedText());
}
