#pragma once
// The multi-line box on QPlainTextEdit, lines ending in CR LF as the program reads them.
#include <QPlainTextEdit>

#include "faces/qt/units/EditControls.h"

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
