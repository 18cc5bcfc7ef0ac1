#include "app/Tips.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPointer>
#include <QToolTip>
#include <QWidget>

#include <map>

#include "data/AccessibleTexts.h"
#include "data/MainWindowUnits.h"
#include "forms/live/LiveUnits.h"
#include "forms/units/GbkText.h"

namespace {

using namespace main_window;

// How long a reason stays up after a click; hovering shows it again.
constexpr int kShownMilliseconds = 6000;

// The reasons now standing, by box.
std::map<QWidget*, QString>& Reasons()
{
    static std::map<QWidget*, QString> reasons;
    return reasons;
}

// What a box takes, as its stored description says; empty for most boxes.
QString InputNote(QWidget* box)
{
    const uint32_t unit = box->property("anglarixUnit").toUInt();
    for (const AccessibleText& text : MainWindowAccessibleTexts()) {
        if (text.unit_id == unit && text.description != nullptr)
            return QString::fromUtf8(text.description);
    }
    return {};
}

// What hovering a box shows: its reason, or what it takes; and its whole text when that is
// wider than the box.
QString HoverText(QWidget* box)
{
    const auto reason = Reasons().find(box);
    QString note = reason != Reasons().end() ? reason->second : InputNote(box);
    if (const auto* line = qobject_cast<QLineEdit*>(box)) {
        const int room = line->contentsRect().width() - 4;
        if (line->fontMetrics().horizontalAdvance(line->text()) > room)
            note = note.isEmpty() ? line->text() : note + QLatin1Char('\n') + line->text();
    }
    return note;
}

void Describe(QWidget* box)
{
    const auto reason = Reasons().find(box);
    box->setAccessibleDescription(reason != Reasons().end() ? reason->second : InputNote(box));
}

void SetReason(QWidget* box, const QString& reason)
{
    if (reason.isEmpty()) {
        const QString shown = HoverText(box);
        if (Reasons().erase(box) != 0 && QToolTip::isVisible() && QToolTip::text() == shown)
            QToolTip::hideText();
    } else {
        Reasons()[box] = reason;
    }
    Describe(box);
}

class TipFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip) {
            auto* box = static_cast<QWidget*>(watched);
            const QString text = HoverText(box);
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, box);
            return true;
        }
        if (event->type() == QEvent::Destroy)
            Reasons().erase(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void ShowUnitTip(uint32_t window_id, uint32_t unit_id, const char* text)
{
    QWidget* box = LiveWidget(window_id, unit_id);
    if (box == nullptr)
        return;
    const QString reason = text != nullptr ? FromGbk(text) : QString();
    SetReason(box, reason);
    if (!reason.isEmpty() && box->isVisible())
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), HoverText(box), box, {}, kShownMilliseconds);
}

void PrepareTips(uint32_t window_id)
{
    if (window_id != kWindow)
        return;
    auto* filter = new TipFilter(LiveWidget(window_id, kWindowRecord));
    for (const UnitGroup& group : kGroups) {
        QList<QPointer<QWidget>> boxes;
        group.ForEachBox([&](uint32_t id, bool) {
            if (QWidget* box = LiveWidget(window_id, id)) {
                box->setProperty("anglarixUnit", id);
                box->installEventFilter(filter);
                Describe(box);
                boxes.append(box);
            }
        });
        // A change the user makes to an input takes the group's reasons away.
        group.ForEachBox([&](uint32_t id, bool is_input) {
            auto* line = is_input ? qobject_cast<QLineEdit*>(LiveWidget(window_id, id)) : nullptr;
            if (line == nullptr)
                return;
            QObject::connect(line, &QLineEdit::textEdited, filter, [boxes] {
                for (const QPointer<QWidget>& box : boxes)
                    if (box != nullptr)
                        SetReason(box, {});
            });
        });
    }
}
