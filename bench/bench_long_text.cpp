// A box holding megabytes on the real window, offscreen: what one keystroke in it costs, what
// share of a core the window takes while the box merely has the focus, and the memory a paste
// of the whole text leaves behind once the box is cleared again.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <malloc.h>
#include <time.h>

#include <fstream>

#include "bench/OnMainWindow.h"
#include "faces/qt/live/LiveUnits.h"
#include "program/data/MainWindowUnits.h"

namespace {

using namespace main_window;

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * 4096 / (1 << 20);
}

// The expression box, focused, holding megabytes of digits as a paste leaves them.
QLineEdit* FocusedBoxHolding(benchmark::State& state)
{
    auto* box = static_cast<QLineEdit*>(LiveWidget(kWindow, kExpression));
    box->setText(QString(int(state.range(0)) << 20, QLatin1Char('7')));
    box->activateWindow();
    box->setFocus();
    QTest::qWait(50);
    return box;
}

// A digit typed at the end and taken away again: two edits, each with the notes' answer.
void BM_KeyInLongBox(benchmark::State& state)
{
    QLineEdit* box = FocusedBoxHolding(state);
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::processEvents();
    }
    state.counters["edits"] = benchmark::Counter(double(state.iterations()) * 2, benchmark::Counter::kIsRate);
    box->clear();
}

// The message loop left alone for two seconds with the box focused: the share of a core the
// window takes (a blinking caret must not repaint megabytes).
void BM_IdleWithLongBoxFocused(benchmark::State& state)
{
    QLineEdit* box = FocusedBoxHolding(state);
    for (auto _ : state) {
        const double before = ProcessSeconds();
        QTest::qWait(2000);
        state.counters["core_share"] = (ProcessSeconds() - before) / 2.0;
    }
    box->clear();
}

// Megabytes pasted into an empty box, then the box cleared as a user does (select all,
// Delete): the resident memory it leaves beyond what the window held before.
void BM_PasteThenClear(benchmark::State& state)
{
    auto* box = static_cast<QLineEdit*>(LiveWidget(kWindow, kExpression));
    box->clear();
    box->setFocus();
    malloc_trim(0);
    const double before = ResidentMegabytes();
    QApplication::clipboard()->setText(QString(int(state.range(0)) << 20, QLatin1Char('7')));
    for (auto _ : state) {
        QTest::keySequence(box, QKeySequence::Paste);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QApplication::processEvents();
    }
    QApplication::clipboard()->clear();
    malloc_trim(0);
    state.counters["kept_MB"] = ResidentMegabytes() - before;
}

}  // namespace

BENCHMARK(BM_KeyInLongBox)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleWithLongBoxFocused)->Arg(1)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PasteThenClear)->Arg(4)->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunOnMainWindow(argc, argv); }
