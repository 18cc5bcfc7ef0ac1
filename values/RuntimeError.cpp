#include "values/RuntimeError.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "values/Gbk.h"

// The texts are GBK bytes, written as escapes because the sources are UTF-8.
const char* const RuntimeErrorMessages[12] = {
    nullptr,
    // 数组成员引用下标超出定义范围
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5"
    "\xB7\xB6\xCE\xA7",
    // 未得到所需要的数值型数据
    "\xCE\xB4\xB5\xC3\xB5\xBD\xCB\xF9\xD0\xE8\xD2\xAA\xB5\xC4\xCA\xFD\xD6\xB5\xD0\xCD\xCA\xFD\xBE\xDD",
    // 引用数组成员时维数不为1且不等于该数组目前所具有的维数
    "\xD2\xFD\xD3\xC3\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xCA\xB1\xCE\xAC\xCA\xFD\xB2\xBB\xCE\xAA"
    "1\xC7\xD2\xB2\xBB\xB5\xC8\xD3\xDA\xB8\xC3\xCA\xFD\xD7\xE9\xC4\xBF\xC7\xB0\xCB\xF9\xBE\xDF\xD3\xD0"
    "\xB5\xC4\xCE\xAC\xCA\xFD",
    // 数组成员引用下标必须大于等于1
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA"
    "\xB5\xC8\xD3\xDA"
    "1",
    // 数据或数组类型不匹配
    "\xCA\xFD\xBE\xDD\xBB\xF2\xCA\xFD\xD7\xE9\xC0\xE0\xD0\xCD\xB2\xBB\xC6\xA5\xC5\xE4",
    // 调用DLL命令后发现堆栈错误
    "\xB5\xF7\xD3\xC3"
    "DLL\xC3\xFC\xC1\xEE\xBA\xF3\xB7\xA2\xCF\xD6\xB6\xD1\xD5\xBB\xB4\xED\xCE\xF3",
    // 子语句参数未返回数据或者返回了非系统基本类型或数组型数据
    "\xD7\xD3\xD3\xEF\xBE\xE4\xB2\xCE\xCA\xFD\xCE\xB4\xB7\xB5\xBB\xD8\xCA\xFD\xBE\xDD\xBB\xF2\xD5\xDF"
    "\xB7\xB5\xBB\xD8\xC1\xCB\xB7\xC7\xCF\xB5\xCD\xB3\xBB\xF9\xB1\xBE\xC0\xE0\xD0\xCD\xBB\xF2\xCA\xFD"
    "\xD7\xE9\xD0\xCD\xCA\xFD\xBE\xDD",
    // 被比较数据只能使用等于或不等于命令比较
    "\xB1\xBB\xB1\xC8\xBD\xCF\xCA\xFD\xBE\xDD\xD6\xBB\xC4\xDC\xCA\xB9\xD3\xC3\xB5\xC8\xD3\xDA\xBB\xF2"
    "\xB2\xBB\xB5\xC8\xD3\xDA\xC3\xFC\xC1\xEE\xB1\xC8\xBD\xCF",
    // “多项选择”命令的索引值参数小于零或超出了所提供参数表范围
    "\xA1\xB0\xB6\xE0\xCF\xEE\xD1\xA1\xD4\xF1\xA1\xB1\xC3\xFC\xC1\xEE\xB5\xC4\xCB\xF7\xD2\xFD\xD6\xB5"
    "\xB2\xCE\xCA\xFD\xD0\xA1\xD3\xDA\xC1\xE3\xBB\xF2\xB3\xAC\xB3\xF6\xC1\xCB\xCB\xF9\xCC\xE1\xB9\xA9"
    "\xB2\xCE\xCA\xFD\xB1\xED\xB7\xB6\xCE\xA7",
    // “重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零
    "\xA1\xB0\xD6\xD8\xB6\xA8\xD2\xE5\xCA\xFD\xD7\xE9\xA1\xB1\xC3\xFC\xC1\xEE\xB5\xC4\xCA\xFD\xD7\xE9"
    "\xCE\xAC\xB6\xA8\xD2\xE5\xB2\xCE\xCA\xFD\xD6\xB5\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xC1\xE3\xBB\xF2"
    "\xB5\xA5\xCE\xAC\xCA\xB1\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA\xC1\xE3",
    // 所提供参数的数据类型不符合要求
    "\xCB\xF9\xCC\xE1\xB9\xA9\xB2\xCE\xCA\xFD\xB5\xC4\xCA\xFD\xBE\xDD\xC0\xE0\xD0\xCD\xB2\xBB\xB7\xFB"
    "\xBA\xCF\xD2\xAA\xC7\xF3",
};

const char* const RuntimeErrorTitle = "\xB4\xED\xCE\xF3";  // 错误

namespace {

const char kFrame[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
const char kCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";       // 错误代码：
const char kMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";    // 错误信息：
// 分配 %u 字节内存失败!
const char kAllocationFormat[] = "\xB7\xD6\xC5\xE4 %u \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

constexpr int kExitCode = -1;  // seen by the parent as status 255
constexpr int kExitStatus = 255;

RuntimeErrorHooks g_hooks;
bool g_reporting = false;

void WriteToStderr(const std::string& gbk_text)
{
    const std::string text = GbkToUtf8(gbk_text);
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + written, text.size() - written);
        if (n <= 0)
            break;
        written += size_t(n);
    }
}

[[noreturn]] void EndProgram()
{
    if (g_hooks.end_program != nullptr)
        g_hooks.end_program(kExitCode);
    std::_Exit(kExitStatus);  // the hook must not return; if it does, end here all the same
}

}  // namespace

std::string BuildRuntimeErrorText(const char* message, int32_t code)
{
    std::string text = kFrame;
    if (code != 0) {
        text += kCodeLabel;
        text += std::to_string(code);
        text += "\r\n\r\n";
    }
    if (message != nullptr && message[0] != '\0') {
        text += kMessageLabel;
        text += message;
        text += "\r\n";
    }
    return text;
}

void SetRuntimeErrorHooks(const RuntimeErrorHooks& hooks) { g_hooks = hooks; }

void RaiseRuntimeError(int32_t code)
{
    // A code outside the table keeps its code line but has no message to show.
    const bool known = code >= 1 && code < int32_t(std::size(RuntimeErrorMessages));
    ReportRuntimeError(known ? RuntimeErrorMessages[code] : nullptr, code);
}

void ReportRuntimeError(const char* message, int32_t code)
{
    // A fault raised while the report itself runs (in a hook, or out of memory building the
    // text) must not loop back into another report.
    if (g_reporting)
        std::_Exit(kExitStatus);
    g_reporting = true;
    try {
        if (g_hooks.before_report != nullptr)
            g_hooks.before_report();
        const std::string text = BuildRuntimeErrorText(message, code);
        if (g_hooks.present != nullptr)
            g_hooks.present(text);
        else
            WriteToStderr(text);
    } catch (...) {
        // Nothing may keep the process alive once a fault is reported.
    }
    EndProgram();
}

void ReportAllocationFailure(uint32_t size)
{
    // Unsigned: a request of 2 GiB or more is reported as the size asked for, not a negative one.
    char text[100];
    std::snprintf(text, sizeof text, kAllocationFormat, unsigned(size));
    ReportRuntimeError(text, 0);
}
