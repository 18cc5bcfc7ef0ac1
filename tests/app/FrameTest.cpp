// The frame's plain parts: the program header, the service table in slot order, the system
// calls, start-up's runtime initialisation, and the product information the desktop files
// repeat.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "faces/qt/app/ApplicationObject.h"
#include "core/frame/Frame.h"
#include "core/frame/FrameServices.h"
#include "faces/qt/app/MessageLoop.h"
#include "program/data/MainWindowUnits.h"
#include "contract/ProductInfo.h"
#include "faces/qt/app/ProgramHeader.h"
#include "faces/qt/app/ProgramServices.h"
#include "faces/qt/app/StartRoutine.h"
#include "program/Procedures.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "core/runtime/WindowList.h"
#include "values/Blocks.h"
#include "values/Constants.h"
#include "contract/ServiceTable.h"

namespace {

TEST(Frame, SplitProgramPath)
{
    // clang-format off
    const struct { const char* path; const char* directory; const char* file_name; } cases[] = {
        {"/usr/bin/anglarix", "/usr/bin", "anglarix"},
        {"/anglarix", "", "anglarix"},
        {"anglarix", "", "anglarix"},
        {"/opt/a b/x.y/anglarix", "/opt/a b/x.y", "anglarix"},
        {"", "", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ProgramPath split = SplitProgramPath(c.path);
        EXPECT_EQ(split.directory, c.directory) << c.path;
        EXPECT_EQ(split.file_name, c.file_name) << c.path;
    }
}

TEST(Frame, ServiceTableInSlotOrder)
{
    const ServiceTable& table = ProgramServices();
    EXPECT_EQ(table.CallCommand, &CallCommand);
    EXPECT_EQ(table.CallCommandAlt, &CallCommand);
    EXPECT_EQ(table.GetUnitProperty, &GetUnitProperty);
    EXPECT_EQ(table.SetUnitProperty, &SetUnitProperty);
    EXPECT_EQ(table.AllocateBlock, &AllocateBlock);
    EXPECT_EQ(table.ResizeBlock, &ResizeBlock);
    EXPECT_EQ(table.FreeBlock, &FreeBlock);
    EXPECT_EQ(table.SystemCall, &SystemCall);
    EXPECT_EQ(table.ShowUnitNote, &ShowUnitNote);
    for (const void* slot : {reinterpret_cast<const void*>(table.RaiseRuntimeError),
                             reinterpret_cast<const void*>(table.CallLibraryCommand),
                             reinterpret_cast<const void*>(table.EndProgram),
                             reinterpret_cast<const void*>(table.RunMessageLoop),
                             reinterpret_cast<const void*>(table.LoadWindow)})
        EXPECT_NE(slot, nullptr);
}

TEST(Frame, InitializeRuntimeTakesTheHeaderIntoUse)
{
    const ProgramHeader& header = TheProgramHeader();
    EXPECT_EQ(header.build_kind, 3u);
    EXPECT_EQ(header.word2, 88348u);
    EXPECT_EQ(header.constants_size, 126u);
    EXPECT_EQ(header.library_count, 1u);
    EXPECT_EQ(header.external_command_count, 0u);

    ASSERT_EQ(::chdir("/"), 0);
    ProgramServices().SystemCall(kSystemCallInitializeRuntime, 0, 0);
    const ApplicationObject& app = App();
    EXPECT_NE(app.relay, nullptr);
    EXPECT_EQ(ConstantRangeEnd(EmptyText), ConstantsBlock.bytes + kConstantsBlockSize);
    const std::filesystem::path own = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(std::filesystem::current_path(), own.parent_path());
    EXPECT_EQ(app.program_file_name, own.filename().string());
    ASSERT_NE(FindWindow(main_window::kWindow), nullptr);
    EXPECT_EQ(FindWindow(main_window::kWindow)->records.size(), 53u);
}

TEST(Frame, SetExitProcedure)
{
    static int calls = 0;
    const auto procedure = [] { ++calls; };
    SystemCall(kSystemCallSetExitProcedure, reinterpret_cast<intptr_t>(+procedure), 0);
    EXPECT_EQ(RegisteredExitProcedure(), +procedure);
    SystemCall(kSystemCallSetExitProcedure, 0, 0);
    EXPECT_EQ(RegisteredExitProcedure(), nullptr);
    EXPECT_EQ(calls, 0);
}

// Arrays: dimension count, the dimensions, then the elements.
alignas(8) const int32_t kConstantArray[] = {2, 2, 3, 1, 2, 3, 4, 5, 6};

TEST(Frame, MakeArrayWritableCopiesOnlyConstantArrays)
{
    AddConstantRange(kConstantArray, kConstantArray + std::size(kConstantArray));
    void* array = const_cast<int32_t*>(kConstantArray);
    SystemCall(kSystemCallMakeArrayWritable, reinterpret_cast<intptr_t>(&array), sizeof(int32_t));
    ASSERT_NE(array, kConstantArray);
    EXPECT_EQ(std::memcmp(array, kConstantArray, sizeof kConstantArray), 0);

    void* heap_array = array;
    SystemCall(kSystemCallMakeArrayWritable, reinterpret_cast<intptr_t>(&heap_array), sizeof(int32_t));
    EXPECT_EQ(heap_array, array) << "an array on the heap stays where it is";
    FreeBlock(array);

    void* null_array = nullptr;
    SystemCall(kSystemCallMakeArrayWritable, reinterpret_cast<intptr_t>(&null_array), 4);
    EXPECT_EQ(null_array, nullptr);
}

// A constant array whose header claims more than any block can hold is refused with the
// allocation report, never copied from past its range.
TEST(FrameDeathTest, MakeArrayWritableRefusesAnImpossibleSize)
{
    alignas(8) static const uint32_t damaged[] = {3, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    EXPECT_EXIT(
        {
            AddConstantRange(damaged, damaged + std::size(damaged));
            void* array = const_cast<uint32_t*>(damaged);
            MakeArrayWritable(&array, 8);
        },
        ::testing::ExitedWithCode(255), "");
}

std::string ReadSourceFile(const std::string& name)
{
    std::ifstream file(std::string(ANGLARIX_SOURCE_DIR) + "/" + name);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(Frame, ProductInformationAgreesEverywhere)
{
    EXPECT_STREQ(product::kVersion, ANGLARIX_PROJECT_VERSION);
    const std::string desktop = ReadSourceFile("faces/qt/app/org.anglarix.Anglarix.desktop");
    EXPECT_NE(desktop.find("\nName=Anglarix\n"), std::string::npos);
    EXPECT_NE(desktop.find(std::string("\nComment[zh_CN]=") + product::kDescription + "\n"), std::string::npos);
    const std::string metainfo = ReadSourceFile("faces/qt/app/org.anglarix.Anglarix.metainfo.xml");
    EXPECT_NE(metainfo.find(std::string("<summary xml:lang=\"zh-CN\">") + product::kDescription + "</summary>"),
              std::string::npos);
    EXPECT_NE(metainfo.find(std::string("<project_license>") + product::kLicense + "</project_license>"),
              std::string::npos);
    EXPECT_NE(metainfo.find(std::string("<release version=\"") + product::kVersion + "\""), std::string::npos);
    // The licence and every version resource carry the line --version and About print.
    for (const char* file : {"LICENSE", "faces/win/window/anglarix.rc.in", "cli/anglarix-calc.rc.in",
                             "packaging/windows/installer.nsi"})
        EXPECT_NE(ReadSourceFile(file).find(product::kCopyright), std::string::npos) << file;
}

}  // namespace
