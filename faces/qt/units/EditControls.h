#pragma once
// The two controls an EditBox shows, behind one interface: a single-line box on QLineEdit
// (EditLine.h) and a multi-line box on QPlainTextEdit (EditArea.h). Each raises event 0 once per
// change the user makes (a write's notification is swallowed; the runtime raises its own), and
// the focus events.
#include <QBasicTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <cstdint>
#include <functional>

#include "faces/qt/units/FocusEvents.h"
#include "faces/qt/units/LongLineView.h"

// An edit inserting or removing more characters than this is not kept for undo.
constexpr qsizetype kUndoableEdit = 65536;

class EditControl {
public:
    virtual ~EditControl() = default;
    virtual QWidget* Widget() = 0;

    // The text as the box holds it, lines ending in CR LF.
    virtual QString Text() const = 0;
    virtual QString SelectedText() const = 0;
    // Replaces the selection (or inserts at the caret) as the user would type it.
    virtual void Insert(const QString& text) = 0;
    // Shows the text (CR LF or LF line ends) without the control's change event.
    virtual void SetContent(const QString& text) = 0;
    // Shows the text at creation, raising nothing.
    virtual void SetInitialContent(const QString& text) = 0;
    // True while SetContent is writing.
    virtual bool WritingContent() const = 0;

    virtual void SetBorder(int32_t border) = 0;
    virtual void SetMaxLength(int32_t max_length) = 0;  // 0 or less: no limit but the system's
    virtual void SetHideSelection(bool hide) = 0;
    // Read-only or not; a single-line box echoes the password character instead of its
    // text when it is not null.
    virtual void SetInputMode(bool read_only, QChar password) = 0;
};

// Calls edited each time the user changes the text of a box that is either control (typing,
// pasting, deleting), never for a write; the connection ends with context.
void WhenUserEdits(QWidget* box, QObject* context, std::function<void()> edited);

// A text in the case the box converts to.
QString Converted(const QString& text, int32_t conversion);
// Qt's horizontal alignment for the box's alignment choice.
Qt::Alignment QtHorizontalAlignment(int32_t alignment);
