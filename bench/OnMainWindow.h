#pragma once
// The benchmarks registered so far, run on the calculator's real window: the toolkit prepared
// as the program prepares it (offscreen unless QT_QPA_PLATFORM names another platform), the
// runtime initialised and the main window loaded. Used as main's whole body:
//   int main(int argc, char** argv) { return RunOnMainWindow(argc, argv); }
#include <benchmark/benchmark.h>

#include <QApplication>

#include "contract/ServiceTable.h"
#include "faces/qt/app/ApplicationMain.h"
#include "program/data/MainWindowUnits.h"

inline int RunOnMainWindow(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    char name[] = "anglarix";
    char* qt_argv[] = {name, nullptr};
    QApplication application(qt_argc, qt_argv);
    PrepareApplication(application);
    Services().SystemCall(kSystemCallInitializeRuntime, 0, 0);
    Services().LoadWindow(main_window::kWindow);
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
