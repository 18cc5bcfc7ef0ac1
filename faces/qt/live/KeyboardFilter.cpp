#include "faces/qt/live/KeyboardFilter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "faces/qt/live/LiveUnits.h"

namespace {

void (*g_present_note)(const FrameAction&) = nullptr;
void (*g_idle_registrations)() = nullptr;

RuntimeWindow* LoadedWindowOf(const QWidget* widget)
{
    const QWidget* frame = widget->window();
    for (RuntimeWindow& window : Windows()) {
        if (window.loaded && !window.records.empty() && LiveWidget(window.records.front()) == frame)
            return &window;
    }
    return nullptr;
}

// The screen's work area, in the window's client pixels.
FrameArea VisibleArea(uint32_t window_id)
{
    const RuntimeWindow* window = FindWindow(window_id);
    const QWidget* frame = window != nullptr && !window->records.empty() ? LiveWidget(window->records.front())
                                                                         : nullptr;
    if (frame == nullptr || frame->screen() == nullptr)
        return {0, 0, window != nullptr ? window->records.front().width : 0,
                window != nullptr ? window->records.front().height : 0};
    const QRect screen = frame->screen()->availableGeometry().translated(-frame->mapToGlobal(QPoint(0, 0)));
    return {screen.x(), screen.y(), screen.width(), screen.height()};
}

FrameKey KeyOf(int code)
{
    switch (code) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return FrameKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return FrameKey::Enter;
    case Qt::Key_Escape: return FrameKey::Escape;
    case Qt::Key_F1: return FrameKey::F1;
    default: return FrameKey::Other;
    }
}

bool KeyDown(const QWidget& target, const QKeyEvent& key)
{
    const FrameKey frame_key = KeyOf(key.key());
    RuntimeWindow* window = frame_key != FrameKey::Other ? LoadedWindowOf(&target) : nullptr;
    if (window == nullptr)
        return false;
    const RuntimeRecord* unit = RecordOfWidget(*window, &target);
    const Qt::KeyboardModifiers held = key.modifiers();
    // Qt reports Shift+Tab as Backtab, with or without Shift.
    const KeyModifiers modifiers{.shift = key.key() == Qt::Key_Backtab || (held & Qt::ShiftModifier) != 0,
                                 .ctrl = (held & Qt::ControlModifier) != 0,
                                 .alt = (held & Qt::AltModifier) != 0};
    return FrameKeyDown(window->id, unit != nullptr ? unit->id : 0, frame_key, modifiers);
}

void Focus(const FrameAction& action)
{
    QWidget* widget = LiveWidget(action.window_id, action.unit_id);
    if (widget == nullptr)
        return;
    widget->setFocus(Qt::TabFocusReason);
    if (!action.select)
        return;
    QWidget* focused = widget->focusWidget() != nullptr ? widget->focusWidget() : widget;
    if (auto* line = qobject_cast<QLineEdit*>(focused))
        line->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(focused))
        text->selectAll();
}

void Carry(const FrameAction& action)
{
    using Kind = FrameAction::Kind;
    switch (action.kind) {
    case Kind::Focus: Focus(action); break;
    case Kind::ShowNote:
    case Kind::HideNote:
    case Kind::Describe:
        if (g_present_note != nullptr)
            g_present_note(action);
        break;
    case Kind::StartTimer:
        QTimer::singleShot(action.milliseconds, qApp, [timer = action.timer] { FrameTimerFired(timer); });
        break;
    case Kind::OpenHelp:
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(action.text)));
        break;
    case Kind::CloseWindow: break;  // the units took their widgets with them
    case Kind::Quit: QCoreApplication::exit(action.status); break;
    }
}

// Deferred deletions go in the idle work of a new period; they never ask for more time.
bool StandardIdleWork(int)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return false;
}

class RuntimeEventFilter : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && target->isWidgetType())
            return KeyDown(*static_cast<QWidget*>(target), *static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::Close && target->isWidgetType())
            return Close(static_cast<QWidget*>(target), static_cast<QCloseEvent*>(event));
        return false;
    }

private:
    // The frame decides whether a close goes ahead; Qt closes the window when it accepts.
    static bool Close(QWidget* target, QCloseEvent* event)
    {
        for (RuntimeWindow& window : Windows()) {
            if (window.loaded && !window.records.empty() && LiveWidget(window.records.front()) == target) {
                event->setAccepted(FrameCloseRequest(window.id));
                return true;
            }
        }
        return false;
    }
};

void InstallFace()
{
    SetFrameFace({.carry = &Carry,
                  .visible_area = &VisibleArea,
                  .standard_idle_work = &StandardIdleWork,
                  .idle_registrations = g_idle_registrations});
}

}  // namespace

void InstallKeyboardFilter()
{
    static RuntimeEventFilter* filter = nullptr;
    if (filter == nullptr && qApp != nullptr) {
        filter = new RuntimeEventFilter;
        qApp->installEventFilter(filter);
        InstallFace();
    }
}

void SetFrameFaceAdditions(void (*present_note)(const FrameAction& action), void (*idle_registrations)())
{
    g_present_note = present_note;
    g_idle_registrations = idle_registrations;
    InstallFace();
}
