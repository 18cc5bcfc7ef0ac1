#pragma once
// A test environment holding the calculator's window for a whole test program: the toolkit
// prepared as the program prepares it, the runtime initialised and the main window loaded
// through the frame's own services. Cases then type and click on the live window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "faces/qt/app/ApplicationMain.h"
#include "program/data/MainWindowUnits.h"
#include "core/runtime/WindowList.h"
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
        // As a user first sees it: painted, and with the icon the program sets after that.
        EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }));
    }
    // The units go while the toolkit is still up: hiding a focused unit moves the focus,
    // which a toolkit already half gone at exit cannot do.
    void TearDown() override { ClearWindows(); }

private:
    QApplication* m_application = nullptr;
};
