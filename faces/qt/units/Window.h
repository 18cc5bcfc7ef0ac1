#pragma once
// window: the top-level widget of a loaded window. Its outer size (property 2, 3) includes a
// classic fixed frame of 3 pixels on each side and a 19-pixel caption, so a 488 x 420 window
// has a 482 x 395 client area; the window manager draws its own frame around that. It is
// not resizable, has a close button and no maximise or minimise buttons unless its
// properties ask for them, and starts centred on the screen: the frame the window manager
// draws is centred, or without one the classic frame. A window that starts minimised,
// or maximised when resizable, is in that state from creation, so a plain show honours it.
//
// Events: 1 when asked to close (a result of 0 cancels it, unless the unit went meanwhile);
// 3 and 4 when it moved or changed size. The runtime raises 0 and 7.
#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QWidget>

#include "core/props/WindowProps.h"
#include "faces/qt/units/UnitBase.h"

// The classic frame around the client area that the outer geometry includes.
inline QMargins WindowFrameMargins()
{
    return QMargins(kClassicFrame.left, kClassicFrame.top, kClassicFrame.right, kClassicFrame.bottom);
}

class WindowUnit;

class WindowWidget : public QWidget {
public:
    WindowWidget(const WindowUnit* unit, UnitIds ids);
    void Detach() { m_unit = nullptr; }
    // The position and size last reported by events 3 and 4 (or set at creation).
    void MarkPlaced();
    // On its first show the window is centred again by the frame the window manager draws.
    void CentreOnShow() { m_centre_on_show = true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const WindowUnit* m_unit;
    UnitIds m_ids;
    QPoint m_placed_at;
    QSize m_placed_size;
    bool m_centre_on_show = false;
};

class WindowUnit : public UnitBase<WindowProps> {
public:
    static WindowUnit* Create(const CreateArgs& args);
    ~WindowUnit() override;

    int GetOwn(int32_t own, PropertyValue* result) override;
    int SetOwn(int32_t own, const PropertyValue& value) override;

    const QImage& BackgroundPicture() const { return m_picture; }
    bool Resizable() const;

protected:
    void Apply(int32_t own) override;

private:
    WindowUnit(const CreateArgs& args, WindowProps props);
    Qt::WindowFlags Flags() const;
    void ApplyFlags();

    QPointer<WindowWidget> m_window;
    QImage m_picture;
};
