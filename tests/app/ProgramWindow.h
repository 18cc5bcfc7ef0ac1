#pragma once
// A test environment holding the calculator's window for a whole test program: the toolkit
// prepared as the program prepares it, the runtime initialised and the main window loaded
// through the frame's own services. Cases then type and click on the live window.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/ApplicationMain.h"
#include "data/MainWindowUnits.h"
#include "contract/ServiceTable.h"

class ProgramWindow : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "anglarix";
        static char* argv[] = {name, nullptr};
        m_application = new QApplication(argc, argv);
        PrepareApplication(*m_application);
        Services().SystemCall(kSystemCallInitializeRuntime, 0, 0);
        Services().LoadWindow(main_window::kWindow);
    }

private:
    QApplication* m_application = nullptr;
};
