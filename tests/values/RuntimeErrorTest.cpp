#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/values/ChildProcess.h"
#include "values/Gbk.h"
#include "values/RuntimeError.h"

namespace {

void WriteStderr(const std::string& text) { (void)!write(STDERR_FILENO, text.data(), text.size()); }

TEST(RuntimeErrorMessages, AreTheGbkFormsOfTheTable)
{
    const char* const expected[12] = {
        nullptr,
        "数组成员引用下标超出定义范围",
        "未得到所需要的数值型数据",
        "引用数组成员时维数不为1且不等于该数组目前所具有的维数",
        "数组成员引用下标必须大于等于1",
        "数据或数组类型不匹配",
        "调用DLL命令后发现堆栈错误",
        "子语句参数未返回数据或者返回了非系统基本类型或数组型数据",
        "被比较数据只能使用等于或不等于命令比较",
        "“多项选择”命令的索引值参数小于零或超出了所提供参数表范围",
        "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零",
        "所提供参数的数据类型不符合要求",
    };
    EXPECT_EQ(RuntimeErrorMessages[0], nullptr);
    for (int code = 1; code < 12; ++code)
        EXPECT_EQ(GbkToUtf8(RuntimeErrorMessages[code]), expected[code]) << code;
    EXPECT_EQ(GbkToUtf8(RuntimeErrorTitle), "错误");
}

TEST(BuildRuntimeErrorText, LeavesOutTheCodeLineForZeroAndTheMessageLineWhenEmpty)
{
    const std::string message = Utf8ToGbk("数组成员引用下标超出定义范围");
    // clang-format off
    const struct { const char* message; int32_t code; const char* expected; } cases[] = {
        {nullptr, 0, "运行时出错!\r\n\r\n"},
        {"", 0, "运行时出错!\r\n\r\n"},
        {message.c_str(), 1, "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {message.c_str(), 0, "运行时出错!\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
        {"", 7, "运行时出错!\r\n\r\n错误代码：7\r\n\r\n"},
        {nullptr, -3, "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(GbkToUtf8(BuildRuntimeErrorText(c.message, c.code)), c.expected) << c.code;
}

// Without a presenter the box text goes to stderr; the process ends with 255 and the
// program's exit procedure (an atexit handler here) never runs.
TEST(ReportRuntimeError, WritesTheBoxTextAndEndsWith255)
{
    // clang-format off
    const struct { const char* name; void (*report)(); const char* expected; } cases[] = {
        {"raise 4", [] { RaiseRuntimeError(4); },
         "运行时出错!\r\n\r\n错误代码：4\r\n\r\n错误信息：数组成员引用下标必须大于等于1\r\n"},
        {"code 0", [] { ReportRuntimeError("abc", 0); }, "运行时出错!\r\n\r\n错误信息：abc\r\n"},
        {"empty message", [] { ReportRuntimeError("", 9); }, "运行时出错!\r\n\r\n错误代码：9\r\n\r\n"},
        {"allocation", [] { ReportAllocationFailure(1000); },
         "运行时出错!\r\n\r\n错误信息：分配 1000 字节内存失败!\r\n"},
        {"unknown code", [] { RaiseRuntimeError(99); }, "运行时出错!\r\n\r\n错误代码：99\r\n\r\n"},
        {"negative code", [] { RaiseRuntimeError(-1); }, "运行时出错!\r\n\r\n错误代码：-1\r\n\r\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChildOutcome outcome = RunInChild([&c] {
            std::atexit([] { WriteStderr("exit procedure ran"); });
            c.report();
        });
        EXPECT_TRUE(outcome.exited) << c.name;
        EXPECT_EQ(outcome.status, 255) << c.name;
        EXPECT_EQ(outcome.stderr_text, c.expected) << c.name;
    }
}

TEST(ReportRuntimeError, RunsTheInstalledHooksInOrder)
{
    const ChildOutcome outcome = RunInChild([] {
        RuntimeErrorHooks hooks;
        hooks.before_report = [] { WriteStderr("before|"); };
        hooks.present = [](const std::string& gbk) { WriteStderr("present:" + GbkToUtf8(gbk) + "|"); };
        hooks.end_program = [](int code) {
            WriteStderr("end:" + std::to_string(code));
            std::_Exit(7);
        };
        SetRuntimeErrorHooks(hooks);
        RaiseRuntimeError(1);
    });
    EXPECT_EQ(outcome.status, 7);
    EXPECT_EQ(
        outcome.stderr_text,
        "before|present:运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n|end:-1");
}

TEST(ReportRuntimeError, EndsWith255WhenAHookMisbehaves)
{
    // clang-format off
    const struct { const char* name; RuntimeErrorHooks hooks; const char* expected; } cases[] = {
        // The termination hook must not return; when it does the process ends anyway.
        {"end returns", {nullptr, nullptr, [](int) { WriteStderr("end|"); }}, "运行时出错!\r\n\r\nend|"},
        // A fault while the report runs ends the process without a second report.
        {"nested fault", {nullptr, [](const std::string&) { RaiseRuntimeError(2); }, nullptr}, ""},
        {"throwing presenter", {nullptr, [](const std::string&) { throw 1; }, nullptr}, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChildOutcome outcome = RunInChild([&c] {
            SetRuntimeErrorHooks(c.hooks);
            ReportRuntimeError(nullptr, 0);
        });
        EXPECT_EQ(outcome.status, 255) << c.name;
        EXPECT_EQ(outcome.stderr_text, c.expected) << c.name;
    }
}

}  // namespace
