#include "faces/qt/units/Window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <utility>

#include "faces/qt/units/Colours.h"
#include "faces/qt/units/GbkText.h"
#include "faces/qt/units/GuiFont.h"
#include "faces/qt/units/JpegPicture.h"
#include "faces/qt/units/PaintReplay.h"
#include "faces/qt/units/BuiltInKinds.h"
#include "faces/qt/units/WindowManagerFrame.h"

namespace {

// An empty icon property means the program's default icon (the application's window icon).
QIcon IconFromBytes(const std::vector<uint8_t>& bytes)
{
    if (bytes.empty())
        return QGuiApplication::windowIcon();
    QPixmap pixmap;
    if (pixmap.loadFromData(bytes.data(), static_cast<uint>(bytes.size())))
        return QIcon(pixmap);
    const QImage image = DecodePicture(bytes);
    return image.isNull() ? QGuiApplication::windowIcon() : QIcon(QPixmap::fromImage(image));
}

// The outline a window shape asks for; the shapes without an outline of their own are the
// rectangle.
void ApplyWindowShape(QWidget& window, int32_t shape)
{
    const QRect r = window.rect();
    if (shape == int32_t(WindowShape::Ellipse)) {
        window.setMask(QRegion(r, QRegion::Ellipse));
    } else if (shape == int32_t(WindowShape::RoundedCorners)) {
        QPainterPath path;
        path.addRoundedRect(QRectF(r), r.width() / 10.0, r.height() / 10.0);
        window.setMask(QRegion(path.toFillPolygon().toPolygon()));
    } else {
        window.clearMask();
    }
}

}  // namespace

WindowWidget::WindowWidget(const WindowUnit* unit, UnitIds ids) : QWidget(nullptr), m_unit(unit), m_ids(ids)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowWidget::MarkPlaced()
{
    m_placed_at = geometry().topLeft();
    m_placed_size = size();
}

void WindowWidget::paintEvent(QPaintEvent*)
{
    if (!m_unit)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), ColourFromWin(m_unit->Properties().background));
    DrawPicture(painter, m_unit->BackgroundPicture(), m_unit->Properties().background_picture_mode, rect());
}

// Qt maps the window after this event, so a window placed here is first drawn where it
// belongs.
void WindowWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!std::exchange(m_centre_on_show, false) ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    const QScreen* desk_screen = screen();
    const std::optional<QMargins> frame = WindowManagerFrame(*this, WindowFrameMargins());
    if (!frame || desk_screen == nullptr)
        return;  // nothing draws a frame: the client stays where the classic one puts it
    const QRect desk = desk_screen->geometry();
    const QSize outer = size().grownBy(*frame);
    const QPoint corner(desk.left() + (desk.width() - outer.width()) / 2,
                        desk.top() + (desk.height() - outer.height()) / 2);
    // Qt turns the frame's corner into the client's by the extents the request above left on
    // the window.
    if (QWindow* handle = windowHandle())
        handle->setFramePosition(corner);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    QPointer<WindowWidget> guard(this);
    const EventRecord record = RaiseUnitEvent(m_ids, kEventCloseRequest);
    if (!guard)
        return;
    // A procedure answering 0 keeps the window open, unless it let the window go meanwhile.
    if (m_unit && record.has_result && record.result == 0)
        event->ignore();
    else
        event->accept();
}

void WindowWidget::moveEvent(QMoveEvent*)
{
    if (geometry().topLeft() == m_placed_at)
        return;
    m_placed_at = geometry().topLeft();
    RaiseUnitEvent(m_ids, kEventMoved);
}

void WindowWidget::resizeEvent(QResizeEvent*)
{
    if (size() == m_placed_size)
        return;
    m_placed_size = size();
    if (m_unit)
        ApplyWindowShape(*this, m_unit->Properties().window_shape);
    RaiseUnitEvent(m_ids, kEventResized);
}

WindowUnit::WindowUnit(const CreateArgs& args, WindowProps props) : UnitBase(args, std::move(props))
{
    m_picture = DecodePicture(m_props.background_picture);
}

WindowUnit::~WindowUnit()
{
    if (m_window)
        m_window->Detach();
}

WindowUnit* WindowUnit::Create(const CreateArgs& args)
{
    std::optional<WindowProps> props = ReadProps<WindowProps>(args.property_data);
    if (!props)
        return nullptr;
    auto* unit = new WindowUnit(args, std::move(*props));
    auto* window = new WindowWidget(unit, unit->Ids());
    unit->m_window = window;
    unit->m_widget = window;

    QRect outer(args.left, args.top, std::max(args.width, 0), std::max(args.height, 0));
    if (unit->m_props.start_position == int32_t(StartPosition::Centred)) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect desk = screen->geometry();
            outer.moveTopLeft(QPoint(desk.left() + (desk.width() - outer.width()) / 2,
                                     desk.top() + (desk.height() - outer.height()) / 2));
        }
        window->CentreOnShow();
    }
    QRect client = outer.marginsRemoved(WindowFrameMargins());
    client.setSize(client.size().expandedTo(QSize(0, 0)));
    window->setWindowFlags(unit->Flags());
    if (unit->Resizable())
        window->resize(client.size());
    else
        window->setFixedSize(client.size());
    window->move(client.topLeft());
    window->setFont(DefaultGuiFont());
    window->setEnabled((args.style & kStyleDisabled) == 0);
    window->setWindowTitle(FromGbk(unit->m_props.caption));
    // Without an icon of its own the window follows the application's, which the program
    // may set only after the first frame.
    if (!unit->m_props.icon.empty())
        window->setWindowIcon(IconFromBytes(unit->m_props.icon));
    ApplyWindowShape(*window, unit->m_props.window_shape);
    // A hidden widget takes its state when shown, so the runtime's plain show honours the
    // start position.
    if (unit->m_props.start_position == int32_t(StartPosition::Minimised))
        window->setWindowState(Qt::WindowMinimized);
    else if (unit->m_props.start_position == int32_t(StartPosition::Maximised) && unit->Resizable())
        window->setWindowState(Qt::WindowMaximized);
    window->MarkPlaced();
    return unit;
}

bool WindowUnit::Resizable() const
{
    const auto border = WindowBorder(m_props.border_style);
    return border == WindowBorder::Resizable || border == WindowBorder::ResizableTool;
}

Qt::WindowFlags WindowUnit::Flags() const
{
    Qt::WindowFlags flags = Qt::Window;
    if (m_props.border_style == int32_t(WindowBorder::None)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_props.control_box) {
            flags |= Qt::WindowCloseButtonHint;
            if (m_props.maximise_box)
                flags |= Qt::WindowMaximizeButtonHint;
            if (m_props.minimise_box)
                flags |= Qt::WindowMinimizeButtonHint;
        }
    }
    if (m_props.always_on_top)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

void WindowUnit::ApplyFlags()
{
    if (!m_window)
        return;
    const bool shown = m_window->isVisible();
    const QSize size = m_window->size();
    m_window->setWindowFlags(Flags());  // hides the window
    if (Resizable()) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(size);
    } else {
        m_window->setFixedSize(size);
    }
    if (shown)
        m_window->show();
}

int WindowUnit::GetOwn(int32_t own, PropertyValue* result)
{
    if (own == WindowOwn::WindowState) {
        WindowState state = WindowState::Normal;
        if (m_window && m_window->isMinimized())
            state = WindowState::Minimised;
        else if (m_window && m_window->isMaximized())
            state = WindowState::Maximised;
        *result = PropertyValue{};
        result->low = uint32_t(state);
        return 1;
    }
    return UnitBase::GetOwn(own, result);
}

int WindowUnit::SetOwn(int32_t own, const PropertyValue& value)
{
    if (own == WindowOwn::WindowState) {
        if (m_window) {
            if (value.low == uint32_t(WindowState::Minimised))
                m_window->showMinimized();
            else if (value.low == uint32_t(WindowState::Maximised))
                m_window->showMaximized();
            else
                m_window->showNormal();
        }
        return 0;
    }
    return UnitBase::SetOwn(own, value);
}

void WindowUnit::Apply(int32_t own)
{
    if (!m_window)
        return;
    switch (own) {
    case WindowOwn::Caption: m_window->setWindowTitle(FromGbk(m_props.caption)); break;
    case WindowOwn::BorderStyle:
    case WindowOwn::ControlBox:
    case WindowOwn::MaximiseBox:
    case WindowOwn::MinimiseBox:
    case WindowOwn::AlwaysOnTop: ApplyFlags(); break;
    case WindowOwn::BackgroundPicture:
        m_picture = DecodePicture(m_props.background_picture);
        m_window->update();
        break;
    case WindowOwn::Background:
    case WindowOwn::BackgroundPictureMode: m_window->update(); break;
    case WindowOwn::Icon: m_window->setWindowIcon(IconFromBytes(m_props.icon)); break;
    case WindowOwn::WindowShape: ApplyWindowShape(*m_window, m_props.window_shape); break;
    default: break;
    }
}

AnyEntry WindowInterface(int32_t number) { return KindEntries<WindowUnit>::Entry(number); }
