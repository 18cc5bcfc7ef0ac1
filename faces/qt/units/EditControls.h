#pragma once
// The two controls an EditBox shows, behind one interface: a single-line box on QLineEdit and
// a multi-line box on QPlainTextEdit. Each raises event 0 once per content change, typed or
// written (its own notification of a write is swallowed), and the focus events.
#include <QBasicTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include <cstdint>
#include <functional>

#include "faces/qt/units/FocusEvents.h"
#include "faces/qt/units/LongLineView.h"

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

class EditLine : public RaisesFocusEvents<QLineEdit>, public EditControl {
public:
    EditLine(QWidget* parent, UnitIds ids, int32_t case_conversion);
    QWidget* Widget() override { return this; }
    QString Text() const override { return text(); }
    QString SelectedText() const override { return selectedText(); }
    void Insert(const QString& text) override;
    void SetContent(const QString& text) override;
    void SetInitialContent(const QString& text) override;
    bool WritingContent() const override { return m_writing_content; }
    void SetBorder(int32_t border) override;
    void SetMaxLength(int32_t max_length) override;
    void SetHideSelection(bool hide) override { m_hide_selection = hide; }
    void SetInputMode(bool read_only, QChar password) override;

    // For the screen reader's interface: whether the box hides its text behind a mask, the
    // text position under a point and a character's place (empty when out of sight), both
    // in the box's coordinates.
    bool Masks() const { return m_echo != QLineEdit::Normal; }
    int PositionAt(QPoint point) { return Long() ? m_long.PositionAt(point) : cursorPositionAt(point); }
    QRect CharacterRect(int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void AfterFocusOut() override;

private:
    // Whether the long-line view shows the text (QLineEdit is in no-echo mode for it).
    bool Long() const { return echoMode() == QLineEdit::NoEcho; }
    // Hands a text of this length to the long-line view, or back to QLineEdit.
    void ShowFor(qsizetype length);
    void UndoOrRedo(bool redo);
    void CopySelection() const;
    void PaintReadOnlyCaret(QPainter& painter);
    // Replaces the selection (or inserts at the caret) as an edit too large to undo: QLineEdit
    // keeps a record of every character an edit inserts or removes, and never returns their
    // memory. False, doing nothing, for an edit small enough to undo.
    bool EditWithoutUndo(const QString& inserted, bool by_user);

    bool m_writing_content = false;
    int32_t m_border = 0;
    bool m_hide_selection = true;
    QLineEdit::EchoMode m_echo = QLineEdit::Normal;  // what the box shows when its text is short
    LongLineView m_long{this};
    int m_redo_steps = 0;  // undos since the last other edit
    bool m_undoing = false;
    int m_kept_start = -1;  // the selection across a focus loss
    int m_kept_length = 0;
    QBasicTimer m_caret_blink;  // a read-only box's own caret, which QLineEdit does not draw
    bool m_caret_shown = false;
};

class EditArea : public RaisesFocusEvents<QPlainTextEdit>, public EditControl {
public:
    EditArea(QWidget* parent, UnitIds ids, int32_t case_conversion);
    QWidget* Widget() override { return this; }
    QString Text() const override;
    QString SelectedText() const override;
    void Insert(const QString& text) override { insertPlainText(text); }
    void SetContent(const QString& text) override;
    void SetInitialContent(const QString& text) override;
    bool WritingContent() const override { return m_writing_content; }
    void SetBorder(int32_t border) override;
    void SetMaxLength(int32_t max_length) override { m_max_length = max_length > 0 ? max_length : 0; }
    void SetHideSelection(bool hide) override { m_hide_selection = hide; }
    void SetInputMode(bool read_only, QChar) override { setReadOnly(read_only); }

protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void OnChanged();

    bool m_writing_content = false;
    int32_t m_border = 0;
    int m_max_length = 0;
    int m_characters = 1;  // the document's, after the last change
    int32_t m_case = 0;
    bool m_hide_selection = true;
};

// Calls edited each time the user changes the text of a box that is either control (typing,
// pasting, deleting), never for a write; the connection ends with context.
void WhenUserEdits(QWidget* box, QObject* context, std::function<void()> edited);

// A text in the case the box converts to.
QString Converted(const QString& text, int32_t conversion);
// Qt's horizontal alignment for the box's alignment choice.
Qt::Alignment QtHorizontalAlignment(int32_t alignment);
