#pragma once
// EditBox: a single-line box on QLineEdit, or a multi-line box on QPlainTextEdit (a style
// fixed at creation: changing multi-line, scroll bars, alignment, case conversion or the
// up-down setting makes the set entry answer 1 so the runtime rebuilds the unit).
//
// Events: 0 once per content change, whether typed or written through own property 0 (the
// control's own notification of the write is swallowed and exactly one event 0 follows);
// -7 and -8 when the box gains and loses the keyboard focus.
// Reading own 0 answers the text now in the control (CR LF line ends in a multi-line box).
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include <string>

#include "forms/props/EditBoxProps.h"
#include "forms/units/UnitBase.h"

// The widget side shared by both controls: border, the swallowed notification of writes,
// focus events.
class EditBoxBehaviour {
public:
    explicit EditBoxBehaviour(UnitIds ids) : m_ids(ids) {}
    bool Setting() const { return m_setting; }
    int32_t Border() const { return m_border; }

protected:
    void OnTextChanged();
    UnitIds m_ids;
    bool m_setting = false;  // the runtime is writing the content
    int32_t m_border = 0;
};

class EditLine : public QLineEdit, public EditBoxBehaviour {
public:
    EditLine(QWidget* parent, UnitIds ids);
    void SetBorder(int32_t border);
    void SetHideSelection(bool hide) { m_hide_selection = hide; }
    // Sets the text without a change event from the control, then raises event 0 once.
    void SetContent(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_hide_selection = true;
};

class EditArea : public QPlainTextEdit, public EditBoxBehaviour {
public:
    EditArea(QWidget* parent, UnitIds ids);
    void SetBorder(int32_t border);
    void SetMaxLength(int max_length) { m_max_length = max_length; }
    void SetCaseConversion(int32_t conversion) { m_case = conversion; }
    void SetContent(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnAreaChanged();
    int m_max_length = 0;
    int32_t m_case = 0;
};

class EditBoxUnit : public UnitBase<EditBoxProps> {
public:
    static EditBoxUnit* Create(const CreateArgs& args);

    int GetOwn(int32_t own, PropertyValue* result) override;
    int SetOwn(int32_t own, const PropertyValue& value) override;
    std::vector<uint8_t> Save() override;
    // Interface 8: a multi-line box keeps Enter for itself.
    bool WantsKey(int key) const;

    // The text now in the control, as Unicode.
    QString Text() const;

protected:
    void Apply(int32_t own) override;

private:
    using UnitBase::UnitBase;
    void RefreshContent();
    void ApplyColours();
    void ApplyInputMode();

    QPointer<EditLine> m_line;  // exactly one of the two exists
    QPointer<EditArea> m_area;
    std::string m_selection;    // own 18 as last read
};

// A password character as Qt shows it: the first byte, "*" for a byte that is no character
// on its own, 0 for none (the text then shows plainly).
QChar PasswordCharacter(const uint8_t (&stored)[2]);
