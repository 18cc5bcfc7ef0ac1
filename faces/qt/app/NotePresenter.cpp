#include "faces/qt/app/NotePresenter.h"

#include "faces/qt/app/LongNote.h"
#include "faces/qt/app/ScreenNote.h"

#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include "program/data/MainWindowUnits.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/units/EditArea.h"
#include "faces/qt/units/EditControls.h"
#include "faces/qt/units/EditLine.h"
#include "core/frame/Frame.h"
#include "program/Notes.h"

namespace {

using main_window::kWindow;

int LineWidth(uint32_t unit_id, const std::string& utf8)
{
    QWidget* box = LiveWidget(kWindow, unit_id);
    return box != nullptr ? box->fontMetrics().horizontalAdvance(QString::fromStdString(utf8)) : 0;
}

// The box's line has no margins of its own inside the frame.
int Room(uint32_t unit_id)
{
    QWidget* box = LiveWidget(kWindow, unit_id);
    return box != nullptr ? box->contentsRect().width() - 4 : 0;
}

constexpr NoteMeasure kMeasure{&LineWidth, &Room};

void Describe(uint32_t unit_id, const std::string& text)
{
    if (QWidget* box = LiveWidget(kWindow, unit_id))
        box->setAccessibleDescription(QString::fromStdString(text));
}

// The box with notes that is, or holds, the widget: a multi-line box hovers through its
// viewport. 0 for none.
uint32_t NotedBoxOf(const QWidget* widget)
{
    RuntimeWindow* window = FindWindow(kWindow);
    if (window == nullptr || widget == nullptr)
        return 0;
    for (const RuntimeRecord& record : window->records) {
        const QWidget* box = HasNotes(record.id) ? LiveWidget(record) : nullptr;
        if (box != nullptr && (box == widget || box->isAncestorOf(widget)))
            return record.id;
    }
    return 0;
}

// Watches every widget's hover, so a box rebuilt with new properties keeps its notes.
class TipFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const uint32_t unit_id = NotedBoxOf(widget);
        if (unit_id == 0)
            return false;
        ShowNote(static_cast<QHelpEvent*>(event)->globalPos(),
                 QString::fromStdString(UnitHoverText(kWindow, unit_id)), widget);
        return true;
    }
};

}  // namespace

void PresentNote(const FrameAction& action)
{
    switch (action.kind) {
    case FrameAction::Kind::ShowNote:
        ShowScreenNote(LiveWidget(action.window_id, action.unit_id), action.side,
                       QString::fromStdString(action.text));
        break;
    case FrameAction::Kind::HideNote: HideScreenNote(); break;
    case FrameAction::Kind::Describe: Describe(action.unit_id, action.text); break;
    default: break;
    }
}

void PrepareNotes(uint32_t window_id)
{
    RuntimeWindow* window = FindWindow(window_id);
    if (window_id != kWindow || window == nullptr)
        return;
    static TipFilter* filter = nullptr;
    if (filter == nullptr) {
        SetNoteMeasure(kMeasure);
        filter = new TipFilter(qApp);
        qApp->installEventFilter(filter);
    }
    for (const RuntimeRecord& record : window->records) {
        QWidget* box = HasNotes(record.id) ? LiveWidget(record) : nullptr;
        if (box == nullptr)
            continue;
        const uint32_t unit_id = record.id;
        Describe(unit_id, UnitDescription(kWindow, unit_id));
        WhenUserEdits(box, box, [unit_id] { FrameUserEdited(kWindow, unit_id); });
    }
}
