#pragma once
// A note too long for a tool tip: the whole text wrapped (anywhere, since a long number has no
// spaces) in a frame no larger than part of the screen, scrolling when it must. It shows where
// a tool tip would and goes as one does: when the pointer leaves both the box and the note, on
// a key or a click elsewhere, or after its time.
//   ShowNote(box, at, "角度，以度为单位\n" + 65,536 digits) -> a scrolling note of about 40 lines
//   ShowNote(box, at, "角度，以度为单位")                   -> QToolTip, as any short note
#include <QPoint>
#include <QString>

class QWidget;

// Whether the text is too long for a tool tip, which neither wraps a long line nor scrolls.
bool IsLongNote(const QString& text);

// Shows the note at a global position for the widget, for msecs (0: while hovered): a tool tip
// for a short text, the scrolling note for a long one. An empty text takes either away.
void ShowNote(const QPoint& at, const QString& text, QWidget* widget, int msecs = 0);

// Takes away whichever note shows.
void HideNote();

// The note that shows now (a tool tip's text or the long note's), empty for none.
QString ShownNote();
