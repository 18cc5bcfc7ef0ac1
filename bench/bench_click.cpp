// One click of each of the five buttons on the real window, offscreen: the boxes filled as a
// user leaves them, the button clicked, the procedure run through the service table and the
// result written into its box (the repaint follows later, in the message loop). The page's
// click is measured the same way in chromium by bench/page_bench.py.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QLineEdit>

#include "bench/OnMainWindow.h"
#include "faces/qt/live/LiveUnits.h"
#include "program/data/MainWindowUnits.h"

namespace {

using namespace main_window;

struct Click {
    const char* name;
    uint32_t button;
    std::initializer_list<std::pair<uint32_t, const char*>> boxes;
};

const Click kClicks[] = {
    {"ArcSine", kArcSineButton, {{kArcSineOpposite, "1"}, {kArcSineHypotenuse, "2"}}},
    {"ArcTangent", kArcTangentButton, {{kArcTangentOpposite, "1"}, {kArcTangentAdjacent, "1"}}},
    {"ArcCosine", kArcCosineButton, {{kArcCosineAdjacent, "1"}, {kArcCosineHypotenuse, "2"}}},
    {"Expression", kEvaluateButton, {{kExpression, "2*tg(30)+1"}}},
    {"SideLengths", kSideLengthsButton, {{kAngle, "30"}, {kKnownHypotenuse, "2"}}},
};

void BM_Click(benchmark::State& state, const Click& click)
{
    for (const auto& [box, text] : click.boxes)
        static_cast<QLineEdit*>(LiveWidget(kWindow, box))->setText(QString::fromUtf8(text));
    auto* button = static_cast<QAbstractButton*>(LiveWidget(kWindow, click.button));
    for (auto _ : state)
        button->click();
}

}  // namespace

int main(int argc, char** argv)
{
    for (const Click& click : kClicks)
        benchmark::RegisterBenchmark((std::string("BM_Click/") + click.name).c_str(), BM_Click, click);
    return RunOnMainWindow(argc, argv);
}
