#include "faces/qt/units/UnitAccessibility.h"

#include <QAccessibleWidget>

#include "faces/qt/units/EditArea.h"
#include "faces/qt/units/EditControls.h"
#include "faces/qt/units/EditLine.h"
#include "faces/qt/units/LineAccessible.h"
#include "faces/qt/units/PaintedUnit.h"
#include "faces/qt/units/Window.h"

namespace {

bool IsLeftOut(const QObject* object)
{
    const auto* surface = dynamic_cast<const PaintedSurface*>(object);
    return surface != nullptr && surface->Source() != nullptr &&
           surface->Source()->AccessibleRole() == QAccessible::NoRole;
}

class PaintedAccessible : public QAccessibleWidget {
public:
    PaintedAccessible(QWidget* widget, const PaintedSurface* surface)
        : QAccessibleWidget(widget), m_surface(surface)
    {
    }

    QAccessible::Role role() const override
    {
        const PaintSource* source = m_surface->Source();
        return source != nullptr ? source->AccessibleRole() : QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty() && m_surface->Source() != nullptr)
            text = m_surface->Source()->AccessibleText();
        return text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::NoRole)
            state.invisible = true;
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const auto* label = qobject_cast<const QLabel*>(object());
        if ((match & QAccessible::Labelled) && label != nullptr && label->buddy() != nullptr) {
            if (QAccessibleInterface* target = QAccessible::queryAccessibleInterface(label->buddy()))
                relations.append({target, QAccessible::Labelled});
        }
        return relations;
    }

private:
    const PaintedSurface* m_surface;  // the widget itself, which outlives its interface
};

// The window lists its units without the shapes; what a shape holds takes its place.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Window) {}

    int childCount() const override { return int(Children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*> children = Children();
        return index >= 0 && index < children.size() ? children.at(index) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(Children().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> Children() const
    {
        QList<QAccessibleInterface*> children;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i)
            Take(QAccessibleWidget::child(i), children);
        return children;
    }

    static void Take(QAccessibleInterface* child, QList<QAccessibleInterface*>& children)
    {
        if (child == nullptr)
            return;
        if (!IsLeftOut(child->object())) {
            children.append(child);
            return;
        }
        for (int i = 0, n = child->childCount(); i < n; ++i)
            Take(child->child(i), children);
    }
};

QAccessibleInterface* UnitInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (const auto* surface = dynamic_cast<const PaintedSurface*>(widget))
        return new PaintedAccessible(widget, surface);
    if (dynamic_cast<WindowWidget*>(widget) != nullptr)
        return new WindowAccessible(widget);
    if (auto* line = dynamic_cast<EditLine*>(widget))
        return new LineAccessible(line);
    return nullptr;
}

}  // namespace

void InstallUnitAccessibility() { QAccessible::installFactory(&UnitInterface); }

bool RelateLabel(QWidget* label, QWidget* target)
{
    if (dynamic_cast<PaintedLabelWidget*>(label) == nullptr)
        return false;
    static_cast<QLabel*>(label)->setBuddy(target);
    return true;
}
