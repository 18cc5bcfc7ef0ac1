#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>

#include "core/runtime/EventDispatch.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/RuntimeInternal.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/template/LittleEndian.h"

namespace {

constexpr int kStandardCursorShapes = 21;

}  // namespace

QCursor CursorFromPointerData(const std::vector<uint8_t>& data)
{
    uint8_t word[4] = {};  // a shorter datum is its first bytes
    std::copy_n(data.begin(), std::min<size_t>(data.size(), 4), word);
    const uint32_t shape = ReadLe32(word);
    if (shape == 0 || shape > kStandardCursorShapes)
        return QCursor(Qt::ArrowCursor);
    return QCursor(Qt::CursorShape(shape - 1));
}

void RebuildUnit(RuntimeWindow& window, RuntimeRecord& record)
{
    QPointer<QWidget> old_widget = LiveWidget(record);
    const auto save = reinterpret_cast<SavePropertiesEntry>(KindEntry(record.kind, kEntrySaveProperties));
    const auto create = reinterpret_cast<CreateEntry>(KindEntry(record.kind, kEntryCreate));
    if (old_widget == nullptr || old_widget->isWindow() || save == nullptr || create == nullptr)
        return;
    EventSuppression suppressed;

    QWidget* focus = QApplication::focusWidget();
    const bool had_focus = focus != nullptr && (focus == old_widget || old_widget->isAncestorOf(focus));
    const std::vector<uint8_t> data = save(record.object.get());
    const uint32_t style = (IsOwnDisabled(*old_widget) ? kStyleDisabled : 0) |
                           ((record.state_flags & kStateTabStop) != 0 ? kStyleTabStop : 0);
    CreateArgs args = UnitCreateArgs(window, record, data, style);
    args.parent = old_widget->parentWidget();
    args.control_id = record.control_id;
    const QRect place = old_widget->geometry();
    args.left = place.x();
    args.top = place.y();
    args.width = place.width();
    args.height = place.height();
    Unit* fresh = create(args);
    if (fresh == nullptr)
        return;

    QWidget* widget = fresh->Widget();
    widget->setCursor(old_widget->cursor());
    widget->stackUnder(old_widget);
    // Units placed inside the old one move into the new one, where they were.
    const QObjectList children = old_widget->children();  // reparenting changes the list
    for (QObject* child : children) {
        auto* inner = qobject_cast<QWidget*>(child);
        if (inner == nullptr)
            continue;
        for (RuntimeRecord& other : window.records) {
            if (LiveWidget(other) != inner)
                continue;
            const QRect place = inner->geometry();
            const bool shown = !inner->isHidden();
            inner->setParent(widget);
            inner->setGeometry(place);
            inner->setVisible(shown);
        }
    }
    widget->setVisible(!old_widget->isHidden());
    record.object.reset(fresh);
    if (old_widget != nullptr)  // its own event handler may be running: it goes later
        old_widget->deleteLater();
    if (had_focus)
        widget->setFocus(Qt::OtherFocusReason);
}
