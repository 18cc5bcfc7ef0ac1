#pragma once
// Button: a push button whose caption may run over several lines (CR LF) and is placed by
// its horizontal and vertical alignment; a picture shows centred on the face, under the
// caption. Enter is left to the runtime's keyboard handling (the default button).
// Events: 0 on a click; -7 and -8 when it gains and loses the keyboard focus.
#include <QImage>
#include <QPointer>
#include <QPushButton>

#include "core/props/ButtonProps.h"
#include "faces/qt/units/FocusEvents.h"
#include "faces/qt/units/UnitBase.h"

class ButtonWidget : public RaisesFocusEvents<QPushButton> {
public:
    ButtonWidget(QWidget* parent, UnitIds ids);
    void SetPicture(QImage picture);
    void SetAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_picture;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

class ButtonUnit : public UnitBase<ButtonProps> {
public:
    static ButtonUnit* Create(const CreateArgs& args);

protected:
    void Apply(int32_t own) override;

private:
    using UnitBase::UnitBase;

    QPointer<ButtonWidget> m_button;
};

// The caption's placement from the two alignment choices.
Qt::Alignment ButtonAlignment(int32_t horizontal, int32_t vertical);
