#pragma once
// Start-up probe for the benchmarks. When ANGLARIX_FIRST_FRAME_PROBE is set, the first time a
// top-level window has been painted the program writes the monotonic clock in nanoseconds
// to standard output and ends at once with status 0. The bench's reference program includes
// this same header, so both are measured by the same code.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

class FirstFrameProbe : public QObject {
public:
    static void InstallIfAsked()
    {
        if (std::getenv("ANGLARIX_FIRST_FRAME_PROBE") != nullptr)
            qApp->installEventFilter(new FirstFrameProbe(qApp));
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
    using QObject::QObject;

    static void Report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        ::_exit(0);
    }

    bool m_seen = false;
};
