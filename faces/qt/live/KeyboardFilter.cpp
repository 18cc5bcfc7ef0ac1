#include "faces/qt/live/KeyboardFilter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QUrl>
#include <QWidget>

#include <algorithm>

#include "core/props/WindowProps.h"
#include "core/runtime/EnterKey.h"
#include "core/runtime/EventDispatch.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/LoadWindow.h"
#include "core/runtime/UnitTypeTable.h"
#include "faces/qt/units/GbkText.h"

namespace {

bool Setting(const RuntimeWindow& window, int32_t own)
{
    return OwnPropertyOf(window.records.front(), own).low != 0;
}

RuntimeWindow* LoadedWindowOf(const QWidget* widget)
{
    const QWidget* frame = widget->window();
    for (RuntimeWindow& window : Windows()) {
        if (window.loaded && !window.records.empty() && LiveWidget(window.records.front()) == frame)
            return &window;
    }
    return nullptr;
}

RuntimeWindow* WindowWithFrame(const QObject* object)
{
    for (RuntimeWindow& window : Windows()) {
        if (!window.records.empty() && LiveWidget(window.records.front()) == object)
            return &window;
    }
    return nullptr;
}

void MoveFocus(RuntimeWindow& window, bool forward)
{
    if (RuntimeRecord* next = NextInFocusOrder(FocusOrder(window), FocusedRecord(window), forward))
        LiveWidget(*next)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool PressEnter(RuntimeWindow& window, RuntimeRecord* focused, bool modified)
{
    const EnterAnswer answer = AnswerEnter(window, focused != nullptr ? focused->id : 0, modified);
    switch (answer.action) {
    case EnterAnswer::Action::Click: RaiseEventFromRuntime(window.id, answer.unit, kEventClick); return true;
    case EnterAnswer::Action::MoveFocus: MoveFocus(window, true); return true;
    case EnterAnswer::Action::Nothing: return false;
    }
    return false;
}

// True when the key was acted on and the unit must not see it.
bool HandleKey(RuntimeWindow& window, const QWidget& target, const QKeyEvent& key)
{
    const int code = key.key();
    const bool enter = code == Qt::Key_Return || code == Qt::Key_Enter;
    if (code != Qt::Key_Tab && code != Qt::Key_Backtab && !enter && code != Qt::Key_Escape && code != Qt::Key_F1)
        return false;
    // The unit the key is for: the focused one, as keys arrive.
    RuntimeRecord* focused = RecordOfWidget(window, &target);
    if (focused != nullptr) {
        const auto wants = reinterpret_cast<WantsKeyEntry>(KindEntry(focused->kind, kEntryWantsKey));
        if (wants != nullptr && focused->object != nullptr && wants(focused->object.get(), code) != 0)
            return false;
    }
    const bool shift = (key.modifiers() & Qt::ShiftModifier) != 0;
    if (code == Qt::Key_Tab || code == Qt::Key_Backtab) {
        MoveFocus(window, code == Qt::Key_Tab && !shift);
        return true;
    }
    if (enter) {
        const auto modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        return PressEnter(window, focused, modifiers != Qt::NoModifier);
    }
    if (code == Qt::Key_Escape) {
        if (!Setting(window, WindowOwn::EscapeCloses))
            return false;
        LiveWidget(window.records.front())->close();
        return true;
    }
    if (!Setting(window, WindowOwn::F1OpensHelp))
        return false;
    const PropertyValue file = OwnPropertyOf(window.records.front(), WindowOwn::HelpFile);
    if (file.data != nullptr && file.size > 0) {
        const std::string name(static_cast<const char*>(file.data), file.size);
        QDesktopServices::openUrl(QUrl::fromLocalFile(FromGbk(name)));
    }
    return true;
}

class RuntimeEventFilter : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && target->isWidgetType()) {
            RuntimeWindow* window = LoadedWindowOf(static_cast<QWidget*>(target));
            return window != nullptr &&
                   HandleKey(*window, *static_cast<QWidget*>(target), *static_cast<QKeyEvent*>(event));
        }
        if (event->type() == QEvent::Close)
            return Close(target, static_cast<QCloseEvent*>(event));
        return false;
    }

private:
    // The window kind decides whether a close goes ahead (its close event); when it does,
    // the runtime lets the units go. Their widgets leave with the event loop, after Qt has
    // finished closing the window.
    static bool Close(QObject* target, QCloseEvent* event)
    {
        RuntimeWindow* window = WindowWithFrame(target);
        if (window == nullptr)
            return false;
        target->event(event);  // QObject::event is public; the widget's own handler runs
        if (event->isAccepted())
            ReleaseWindow(*window);
        return true;
    }
};

}  // namespace

void InstallKeyboardFilter()
{
    static RuntimeEventFilter* filter = nullptr;
    if (filter == nullptr && qApp != nullptr) {
        filter = new RuntimeEventFilter;
        qApp->installEventFilter(filter);
    }
}

std::vector<RuntimeRecord*> FocusOrder(RuntimeWindow& window)
{
    std::vector<RuntimeRecord*> order = TabOrder(window);
    std::erase_if(order, [](const RuntimeRecord* record) {
        const QWidget* widget = LiveWidget(*record);
        return widget == nullptr || !widget->isVisible() || !widget->isEnabled();
    });
    return order;
}

RuntimeRecord* FirstInFocusOrder(RuntimeWindow& window)
{
    const std::vector<RuntimeRecord*> order = FocusOrder(window);
    return order.empty() ? nullptr : order.front();
}
