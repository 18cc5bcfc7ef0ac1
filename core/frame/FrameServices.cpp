#include "core/frame/FrameServices.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "contract/ServiceTable.h"
#include "core/frame/Frame.h"
#include "core/frame/FrameState.h"
#include "core/runtime/UnitPropertyAccess.h"
#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/RuntimeError.h"

namespace {

FaceServices g_face;
ExitProcedureFn g_exit_procedure = nullptr;
bool g_exit_procedure_ran = false;

// 无法找到指定DLL库文件中的输出命令“%s”
constexpr char kExternalCommandMissing[] = "\xCE\xDE\xB7\xA8\xD5\xD2\xB5\xBD\xD6\xB8\xB6\xA8"
                                           "DLL"
                                           "\xBF\xE2\xCE\xC4\xBC\xFE\xD6\xD0\xB5\xC4"
                                           "\xCA\xE4\xB3\xF6\xC3\xFC\xC1\xEE\xA1\xB0%s\xA1\xB1";

void RaiseRuntimeErrorService(int32_t code) { RaiseRuntimeError(code); }

// The program declares no external commands, so every index names a missing one; it is
// reported by its ordinal form.
TypedValue CallLibraryCommand(int32_t index, int32_t /*count*/, const TypedValue* /*args*/)
{
    const std::string name = "#" + std::to_string(index);
    char text[160];
    std::snprintf(text, sizeof text, kExternalCommandMissing, name.c_str());
    ReportRuntimeError(text, 0);
}

void RunMessageLoopService()
{
    if (g_face.run_message_loop != nullptr)
        g_face.run_message_loop();
}

void LoadWindowService(uint32_t window_id)
{
    if (g_face.load_window != nullptr)
        g_face.load_window(window_id);
}

constexpr ServiceTable kServiceTable = {
    &RaiseRuntimeErrorService,  // 0
    &CallLibraryCommand,        // 1
    &CallCommand,               // 2, the same calls as slot 3
    &CallCommand,               // 3
    &GetUnitProperty,           // 4
    &SetUnitProperty,           // 5
    &AllocateBlock,             // 6
    &ResizeBlock,               // 7
    &FreeBlock,                 // 8
    &EndProgram,                // 9
    &RunMessageLoopService,     // 10
    &LoadWindowService,         // 11
    &SystemCall,                // 12
    &ShowUnitNote,              // 13
};

}  // namespace

const ServiceTable& FrameServices(const FaceServices& face)
{
    g_face = face;
    InstallRuntimeErrorReport();
    return kServiceTable;
}

const FaceServices& FaceOfServices() { return g_face; }

void MakeArrayWritable(void** array_reference, uint32_t element_size)
{
    if (array_reference == nullptr || *array_reference == nullptr)
        return;
    const auto* array = static_cast<const uint8_t*>(*array_reference);
    const auto* range_end = static_cast<const uint8_t*>(ConstantRangeEnd(array));
    if (range_end == nullptr)
        return;
    // The header is read only as far as the constant range holds it; a damaged header makes
    // a size the allocation refuses, never a read past the range.
    const size_t available = size_t(range_end - array);
    const auto word = [&](size_t index) -> uint64_t {
        uint32_t value = 0;
        if ((index + 1) * 4 <= available)
            std::memcpy(&value, array + index * 4, 4);
        return value;
    };
    const uint64_t dimensions = word(0);
    uint64_t bytes = 4 + 4 * dimensions;
    uint64_t elements = 1;
    for (uint64_t d = 0; d < dimensions && bytes <= UINT32_MAX; ++d) {
        elements *= word(size_t(1 + d));
        if (elements > UINT32_MAX)
            elements = uint64_t(UINT32_MAX) + 1;
    }
    bytes += elements * element_size;
    if (bytes > UINT32_MAX)
        ReportAllocationFailure(UINT32_MAX);
    auto* copy = static_cast<uint8_t*>(AllocateBlock(uint32_t(bytes)));
    const size_t kept = std::min<size_t>(size_t(bytes), available);
    std::memcpy(copy, array, kept);
    std::memset(copy + kept, 0, size_t(bytes) - kept);
    *array_reference = copy;
}

intptr_t SystemCall(int32_t number, intptr_t a, intptr_t b)
{
    switch (number) {
    case kSystemCallMakeArrayWritable: MakeArrayWritable(reinterpret_cast<void**>(a), uint32_t(b)); return 0;
    case kSystemCallSetExitProcedure: g_exit_procedure = reinterpret_cast<ExitProcedureFn>(a); return 0;
    case kSystemCallInitializeRuntime: InitializeRuntime(); return 0;
    default: return 0;
    }
}

ExitProcedureFn RegisteredExitProcedure() { return g_exit_procedure; }

void RunExitProcedureOnce()
{
    const ExitProcedureFn procedure = std::exchange(g_exit_procedure, nullptr);
    if (procedure != nullptr && !g_exit_procedure_ran) {
        g_exit_procedure_ran = true;
        procedure();
    }
}

void ForgetExitProcedure() { g_exit_procedure = nullptr; }
