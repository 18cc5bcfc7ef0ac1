#pragma once
// Start-up probe for the benchmarks. When ANGLARIX_FIRST_FRAME_PROBE is set, the first time a
// top-level window has been painted the program writes the monotonic clock in nanoseconds to
// standard output, goes on for the number of milliseconds the variable holds (so that what
// the program does once it shows, such as the window's icon, counts in its memory), and then
// ends with status 0. The bench's reference program includes this same header, so both are
// measured by the same code.
//   ANGLARIX_FIRST_FRAME_PROBE=0    report and end at once
//   ANGLARIX_FIRST_FRAME_PROBE=600  report, then run on for 0.6 s
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

class FirstFrameProbe : public QObject {
public:
    static void InstallIfAsked()
    {
        if (const char* value = std::getenv("ANGLARIX_FIRST_FRAME_PROBE"))
            qApp->installEventFilter(new FirstFrameProbe(std::max(std::atoi(value), 0), qApp));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // Queued: the frame counts once the paint has finished and been flushed.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::Report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    FirstFrameProbe(int run_on_ms, QObject* parent) : QObject(parent), m_run_on_ms(run_on_ms) {}

    void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        if (m_run_on_ms == 0)
            ::_exit(0);
        QTimer::singleShot(m_run_on_ms, [] { ::_exit(0); });
    }

    int m_run_on_ms;
    bool m_seen = false;
};
