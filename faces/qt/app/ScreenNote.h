#pragma once
// The frame's note on widgets: a frameless window beside its box that the pointer passes
// through, so neither resting on the button just pressed, nor a key, nor a move of the focus
// takes it away; the frame does. Its text wraps anywhere (a long number has no spaces) within
// a few lines; a longer text is shortened in the middle, the whole of it staying in the box.
#include <QString>

#include "core/frame/Frame.h"

class QWidget;

void ShowScreenNote(QWidget* box, NoteSide side, const QString& text);
void HideScreenNote();
// The text on screen now; empty when no note shows.
QString ScreenNoteText();
