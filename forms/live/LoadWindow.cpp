#include "forms/live/LoadWindow.h"

#include <QApplication>
#include <QWidget>

#include "forms/runtime/EventDispatch.h"
#include "forms/live/KeyboardFilter.h"
#include "forms/live/LiveUnits.h"
#include "forms/runtime/RuntimeErrors.h"
#include "forms/live/RuntimeInternal.h"
#include "forms/runtime/UnitTypeTable.h"
#include "values/RuntimeError.h"

namespace {

constexpr int32_t kFirstControlId = 100;
constexpr int32_t kControlIdStep = 10;

bool Create(RuntimeWindow& window, RuntimeRecord& record, QWidget* parent, int32_t control_id)
{
    const auto create = reinterpret_cast<CreateEntry>(KindEntry(record.kind, kEntryCreate));
    if (create == nullptr)
        return false;
    const uint32_t style = CreationStyle(record, parent == nullptr);
    CreateArgs args = UnitCreateArgs(window, record, record.property_data, style);
    args.parent = parent;
    args.control_id = control_id;
    Unit* unit = create(args);
    if (unit == nullptr || unit->Widget() == nullptr) {
        delete unit;
        return false;
    }
    record.object.reset(unit);
    record.control_id = control_id;
    record.on_hidden_page = false;
    return true;
}

// The window from record 0, then the units from the last record back, with
// control ids 100, 110, 120, ... in that order.
bool CreateAll(RuntimeWindow& window)
{
    RuntimeRecord& own = window.records.front();
    if (!Create(window, own, nullptr, 0))
        return false;
    QWidget* frame = LiveWidget(own);
    int32_t control_id = kFirstControlId;
    for (size_t i = window.records.size() - 1; i >= 1; --i) {
        RuntimeRecord& record = window.records[i];
        if (record.IsMenuItem())
            continue;
        if (!Create(window, record, frame, control_id))
            return false;
        control_id += kControlIdStep;
    }
    return true;
}

// Units inside other units move into them at their stored place; the units after
// the first page break of a paged container start on a hidden page.
void Reparent(RuntimeWindow& window)
{
    for (RuntimeRecord& record : window.records) {
        QWidget* widget = LiveWidget(record);
        if (record.parent_id == 0 || widget == nullptr || widget->isWindow())
            continue;
        const RuntimeRecord* parent = FindRecord(window, record.parent_id);
        QWidget* container = parent != nullptr ? LiveWidget(*parent) : nullptr;
        if (container == nullptr || container == widget || widget->isAncestorOf(container))
            continue;
        widget->setParent(container);
        widget->setGeometry(record.left, record.top, widget->width(), widget->height());
    }
    for (const RuntimeRecord& container : window.records) {
        if ((KindFlags(container.kind) & kKindPagedContainer) == 0)
            continue;
        bool hidden_page = false;
        for (uint32_t child : container.children) {
            if (child == 0)
                hidden_page = true;
            else if (RuntimeRecord* unit = FindRecord(window, child); unit != nullptr && hidden_page)
                unit->on_hidden_page = true;
        }
    }
}

// Among siblings the first record is on top and each later one directly below.
void OrderSiblings(RuntimeWindow& window)
{
    for (size_t i = window.records.size() - 1; i >= 1; --i) {
        if (QWidget* widget = LiveWidget(window.records[i]))
            widget->raise();
    }
}

// Each unit gets its own pointer, if it has one, and is shown when its visible bit says so.
void ShowUnits(RuntimeWindow& window)
{
    for (size_t i = 1; i < window.records.size(); ++i) {
        RuntimeRecord& record = window.records[i];
        QWidget* widget = LiveWidget(record);
        if (widget == nullptr)
            continue;
        const QCursor cursor = CursorFromPointerData(record.mouse_pointer);
        if (cursor.shape() != Qt::ArrowCursor)
            widget->setCursor(cursor);
        const bool shown = (record.state_flags & kStateVisible) != 0 && MayShow(record);
        widget->setAttribute(Qt::WA_ShowWithoutActivating);
        widget->setVisible(shown);
    }
}

void ShowWindow(RuntimeWindow& window)
{
    RuntimeRecord& own = window.records.front();
    QWidget* frame = LiveWidget(own);
    frame->show();  // normally, minimised or maximised: the window kind set its start state
    frame->activateWindow();
    // The window starts with the focus on the first unit of its focus order, which raises
    // that unit's focus event once the window is active.
    if (frame->focusWidget() == nullptr) {
        if (RuntimeRecord* first = FirstInFocusOrder(window))
            LiveWidget(*first)->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace

bool IsWindowLive(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    return window != nullptr && !window->records.empty() &&
           LiveWidget(window->records.front()) != nullptr;
}

void ReleaseWindow(RuntimeWindow& window)
{
    for (size_t i = window.records.size(); i-- > 0;)
        window.records[i].object.reset();
    window.loaded = false;
}

bool LoadWindow(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window == nullptr || window->records.empty())
        return false;
    InstallKeyboardFilter();
    if (QWidget* frame = LiveWidget(window->records.front())) {
        if (frame->isMinimized()) {
            frame->showNormal();
        } else {
            frame->raise();
            frame->activateWindow();
        }
        return true;
    }

    // No procedure may see a half-built window: every event stays suppressed until the
    // units are created, placed, stacked and shown.
    {
        EventSuppression building;
        if (!CreateAll(*window)) {
            ReleaseWindow(*window);
            return false;
        }
        Reparent(*window);
        OrderSiblings(*window);
        ShowUnits(*window);
    }

    // A procedure bound to one of these may close the window; what follows needs it alive.
    for (int32_t event : {kEventLoaded, kEventMoved, kEventResized}) {
        if (!IsWindowLive(window_id))
            return true;
        RaiseEventFromRuntime(window_id, 0, event);
    }
    if (!IsWindowLive(window_id))
        return true;
    if ((window->records.front().state_flags & kStateVisible) != 0)
        ShowWindow(*window);
    window->loaded = true;
    return true;
}

void LoadWindowOrFail(uint32_t window_id)
{
    if (!LoadWindow(window_id))
        ReportRuntimeError(runtime_errors::kStartupWindowFailed, 0);
}
