#pragma once
// What the runtime tests share: the offscreen application and golden pictures of the unit
// tests, the program's unit library, and a procedure area of six procedures that only note
// that they ran, so a test sees which binding fired and in what order.
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UnitTestSupport.h"
#include "program/data/MainWindowTemplate.h"
#include "contract/ProcedureArea.h"
#include "core/runtime/EventDispatch.h"
#include "faces/qt/live/LiveUnits.h"
#include "faces/qt/live/LoadWindow.h"
#include "faces/qt/live/QtKinds.h"
#include "core/runtime/UnitTypeTable.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/Gbk.h"

namespace runtime_test {

// Which procedures ran, by their offset in the procedure area.
inline std::vector<int>& Ran()
{
    static std::vector<int> ran;
    return ran;
}

template <int Offset>
ProcedureResult Note(const uint32_t*, int32_t)
{
    Ran().push_back(Offset);
    return {};
}

inline const Procedure kProcedures[kProcedureAreaSize] = {
    &Note<0>, &Note<1>, &Note<2>, &Note<3>, &Note<4>, &Note<5>,
};

inline void DeleteDeferred() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline void StartRuntime()
{
    ClearWindows();
    DeleteDeferred();
    Ran().clear();
    while (EventSuppressionCount() > 0)
        ResumeEvents();
    static const LibraryDescriptor* const libraries[] = {&QtLibrary()};
    InitializeUnitLibraries(libraries);
    LoadProgramWindows({MainWindowTemplate, MainWindowTemplateSize}, kProcedures);
}

inline void StopRuntime()
{
    ClearWindows();
    DeleteDeferred();
}

inline std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8); }

// The record of the main window with this unit id; the test fails on a missing one.
inline RuntimeRecord& Record(uint32_t unit_id)
{
    RuntimeWindow* window = FindWindow(main_window::kWindow);
    RuntimeRecord* record = window != nullptr ? FindRecord(*window, unit_id) : nullptr;
    if (record == nullptr)
        ADD_FAILURE() << "no record " << std::hex << unit_id;
    static RuntimeRecord none;
    return record != nullptr ? *record : none;
}

inline QWidget* Widget(uint32_t unit_id) { return LiveWidget(Record(unit_id)); }

// The main window's frame (its client area as a widget).
inline QWidget* Frame() { return Widget(0); }

// A text read through GetUnitProperty, freed here; "<null>" for the empty text's 0.
inline std::string TakeText(uint64_t value)
{
    TextBlock block(reinterpret_cast<char*>(uintptr_t(value)));
    return block ? std::string(block.get()) : std::string("<null>");
}

// The main window loaded from the embedded template and active.
class LoadedMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartRuntime();
        ASSERT_TRUE(LoadWindow(main_window::kWindow));
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    }
    void TearDown() override { StopRuntime(); }
};

}  // namespace runtime_test
