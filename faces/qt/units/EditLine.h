#pragma once
// The single-line box on QLineEdit: a line past the long-line view's bound is laid out only where
// it shows, an edit too large to undo is made without QLineEdit's record of it, a read-only box
// still shows its caret, and a box that shows its selection without the focus keeps it.
#include <QBasicTimer>
#include <QLineEdit>

#include "faces/qt/units/EditControls.h"

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
