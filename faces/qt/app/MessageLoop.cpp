#include "faces/qt/app/MessageLoop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <vector>

#include "faces/qt/app/ApplicationObject.h"
#include "core/runtime/EventDispatch.h"
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
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Pass(); });
    }

    void StartPeriod()
    {
        m_count = 0;
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
        // Registrations from the last to the first; one whose window is gone is dropped.
        auto& registrations = App().idle_registrations;
        for (size_t i = registrations.size(); i-- > 0;) {
            if (i >= registrations.size())
                continue;  // a function dropped registrations behind us
            if (registrations[i].window.isNull()) {
                registrations.erase(registrations.begin() + i);
                continue;
            }
            const IdleRegistration registration = registrations[i];
            registration.function(registration.argument);
        }
        const bool more = IdleHandler(m_count);
        ++m_count;
        if (!more)
            m_timer.stop();
    }

    bool IdleHandler(int count)
    {
        if (count == 0) {
            m_period.start();
            m_finished.clear();
            m_standard_work_pending = true;
        }
        if (m_standard_work_pending) {
            m_standard_work_pending = StandardIdleWork();
            return true;
        }
        if (count < 2)
            return true;

        std::vector<uint32_t> ids;
        for (RuntimeWindow& window : Windows()) {
            if (window.loaded && WindowWidget(window) != nullptr &&
                std::find(m_finished.begin(), m_finished.end(), window.id) == m_finished.end())
                ids.push_back(window.id);
        }
        bool any_wants_more = false;
        for (const uint32_t id : ids) {
            RuntimeWindow* window = FindWindow(id);
            if (window == nullptr || WindowWidget(*window) == nullptr)
                continue;  // an earlier window's handler closed it
            EventRecord record;
            record.window_id = id;
            record.event = kEventIdle;
            record.arg_count = 1;
            record.args[0] = uint32_t(m_period.elapsed());
            DispatchEvent(record);
            if (record.has_result != 0 && record.result != 0)
                any_wants_more = true;
            else
                m_finished.push_back(id);
        }
        return any_wants_more;
    }

    // The toolkit's own idle work: objects whose deletion was deferred go now. It never asks
    // for more time.
    static bool StandardIdleWork()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return false;
    }

    QTimer m_timer;
    int m_count = 0;
    QElapsedTimer m_period;
    std::vector<uint32_t> m_finished;
    bool m_standard_work_pending = false;
    QPointF m_last_mouse{-1e9, -1e9};
};

}  // namespace

void CheckForLastWindow()
{
    if (App().loop_entered && !AnyLiveWindow())
        QCoreApplication::exit(0);
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
            widget, &QObject::destroyed, qApp, [] { CheckForLastWindow(); }, Qt::QueuedConnection);
    }
}

void RunMessageLoop()
{
    ApplicationObject& app = App();
    app.loop_entered = true;
    if (!AnyLiveWindow())
        return;
    WatchLiveWindows();
    IdleProcessor idle;
    qApp->installEventFilter(&idle);
    idle.StartPeriod();
    app.quit_code = QCoreApplication::exec();
    qApp->removeEventFilter(&idle);
}
