#pragma once
// How a single-line box shows a text too long for QLineEdit to lay out on every edit. QLineEdit
// shapes its whole line after each change and for each paint, which for megabytes costs
// seconds a key. A long text switches the box to QLineEdit's no-echo mode, in which QLineEdit
// keeps editing the text but lays out nothing, and this view lays out, paints and hit-tests
// only the characters in sight. The keys and mouse actions QLineEdit answers through its
// layout (character and word moves, Delete, Copy, Cut, clicks and drags) are answered here.
//   16,384 characters   -> QLineEdit as usual
//   16,385 characters   -> the view
#include <QLineEdit>
#include <QRect>
#include <QTextLayout>

#include <algorithm>

class QKeyEvent;
class QMouseEvent;
class QPainter;

class LongLineView {
public:
    explicit LongLineView(QLineEdit* line) : m_line(line) {}

    static bool Wanted(qsizetype length) { return length > kLongViewLine; }

    // The box's background, the characters in sight with the selection, and the caret.
    void Paint(QPainter& painter, bool caret);
    QRect CaretRect() const;
    // The text position under a point of the box, and the place of a character in it (empty
    // when the character is out of sight).
    int PositionAt(QPoint point) const;
    QRect CharacterRect(int offset) const;

    // True when the event was answered here.
    bool KeyPress(QKeyEvent* event);
    bool MousePress(QMouseEvent* event);
    bool MouseMove(QMouseEvent* event);
    bool MouseDoubleClick(QMouseEvent* event);
    void MouseRelease() { m_anchor = -1; }

    void Copy() const;

private:
    static constexpr qsizetype kLongViewLine = 16384;

    QRect LineRect() const;
    int First(const QString& text) const { return std::min(m_first, int(text.size())); }
    QString InSight(const QString& text, const QRect& line_rect) const;
    // Scrolls so that the caret is in sight: to it when it went left of the first shown
    // character, or until it is at the right edge when it went past that.
    void FollowCaret();
    int Step(int from, bool forward, QTextLayout::CursorMode mode) const;
    void MoveTo(int position, bool extend);
    int Anchor() const;

    QLineEdit* m_line;
    int m_first = 0;    // the first character in sight
    int m_anchor = -1;  // where a drag with the left button started
};
