#include "faces/qt/app/MessageLoop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "faces/qt/app/ApplicationObject.h"
#include "core/frame/Frame.h"
#include "faces/qt/live/LiveUnits.h"
#include "core/runtime/WindowList.h"
#include "core/KindInterface.h"

namespace {

QWidget* WindowWidget(const RuntimeWindow& window)
{
    return window.records.empty() ? nullptr : LiveWidget(window.records.front());
}

bool AnyLiveWindow()
{
    return std::any_of(Windows().begin(), Windows().end(),
                       [](RuntimeWindow& window) { return WindowWidget(window) != nullptr; });
}

// The idle phase. Qt runs a zero-interval timer only once the events already waiting have
// been handled, which is the "nothing is waiting" test of the phase.
class IdleProcessor : public QObject {
public:
    IdleProcessor()
    {
        m_clock.start();
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Pass(); });
    }

    void StartPeriod()
    {
        FrameActivity();
        if (!m_timer.isActive())
            m_timer.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (IsActivity(event))
            StartPeriod();
        return QObject::eventFilter(watched, event);
    }

private:
    bool IsActivity(QEvent* event)
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            // A move to the place the pointer already was is not activity.
            const QPointF place = static_cast<QMouseEvent*>(event)->globalPosition();
            if (place == m_last_mouse)
                return false;
            m_last_mouse = place;
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Close:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate: return true;
        default: return false;
        }
    }

    void Pass()
    {
        if (!FrameIdlePass(uint64_t(m_clock.elapsed())))
            m_timer.stop();
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    QPointF m_last_mouse{-1e9, -1e9};
};

}  // namespace

void RunIdleRegistrations()
{
    auto& registrations = App().idle_registrations;
    for (size_t i = registrations.size(); i-- > 0;) {
        if (i >= registrations.size())
            continue;  // a function dropped registrations behind us
        if (registrations[i].window.isNull()) {
            registrations.erase(registrations.begin() + ptrdiff_t(i));
            continue;
        }
        const IdleRegistration registration = registrations[i];
        registration.function(registration.argument);
    }
}

void WatchLiveWindows()
{
    for (RuntimeWindow& window : Windows()) {
        QWidget* widget = WindowWidget(window);
        if (widget == nullptr || widget->property("anglarix_watched").toBool())
            continue;
        widget->setProperty("anglarix_watched", true);
        // Queued: while the widget is being destroyed the runtime still holds its record.
        QObject::connect(
            widget, &QObject::destroyed, qApp, [id = window.id] { FrameWindowGone(id); }, Qt::QueuedConnection);
    }
}

void RunMessageLoop()
{
    ApplicationObject& app = App();
    app.loop_entered = true;
    FrameLoopEntered();
    if (!AnyLiveWindow())
        return;
    WatchLiveWindows();
    IdleProcessor idle;
    qApp->installEventFilter(&idle);
    idle.StartPeriod();
    app.quit_code = QCoreApplication::exec();
    qApp->removeEventFilter(&idle);
}
