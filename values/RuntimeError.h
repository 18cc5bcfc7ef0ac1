#pragma once
// The one way a fault ends the program: build the box text, let the installed presenter show
// it (stderr when none is installed), then end the process with exit status 255 without
// running the program's exit procedure.
#include <cstdint>
#include <string>

extern const char* const RuntimeErrorMessages[12];  // GBK; entry 0 is unused
extern const char* const RuntimeErrorTitle;         // GBK "错误", the box title

// The box text, GBK with CR LF line breaks.
//   (null, 0)       -> "运行时出错!\r\n\r\n"
//   (message, 1)    -> "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：<message>\r\n"
std::string BuildRuntimeErrorText(const char* message, int32_t code);

struct RuntimeErrorHooks {
    void (*before_report)() = nullptr;                       // e.g. raise the event-suppression counter
    void (*present)(const std::string& gbk_text) = nullptr;  // the modal box; null writes to stderr
    void (*end_program)(int code) = nullptr;                 // the termination sequence; must not return
};
void SetRuntimeErrorHooks(const RuntimeErrorHooks& hooks);

[[noreturn]] void RaiseRuntimeError(int32_t code);
[[noreturn]] void ReportRuntimeError(const char* message, int32_t code);
[[noreturn]] void ReportAllocationFailure(uint32_t size);
