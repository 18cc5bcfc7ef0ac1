// anglarix-calc run as a process: arguments, standard input, the angle and solver options,
// exit statuses, usage errors, the reasons given for empty answers in English and Chinese, and
// the UTF-8 <-> GBK conversion at its edges.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <csignal>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "values/Gbk.h"

namespace {

struct ToolRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string Quote(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Repeat(const std::string& piece, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The locale the tool runs under; zh_CN comes from the locales compiled for the tests.
enum class Locale { English, Chinese, ChineseGbk };

// Runs the tool with args, feeding input (when given) to its standard input, its streams
// then redirected as redirect says. The scratch files carry the test process's id: tests run
// side by side.
ToolRun RunTool(const std::vector<std::string>& args, const std::string* input = nullptr,
                Locale locale = Locale::English, const std::string& redirect = {})
{
    const std::string scratch = ::testing::TempDir() + "/anglarix-calc." + std::to_string(getpid());
    const std::string err_path = scratch + ".err";
    const std::string in_path = scratch + ".in";
    std::string command = locale == Locale::English
                              ? std::string("LC_ALL=C.UTF-8 ")
                              : "LOCPATH=" + Quote(ANGLARIX_TEST_LOCPATH) +
                                    (locale == Locale::Chinese ? " LC_ALL=zh_CN.UTF-8 " : " LC_ALL=zh_CN.GBK ");
    command += Quote(ANGLARIX_CALC_PATH);
    for (const std::string& arg : args)
        command += " " + Quote(arg);
    if (input != nullptr) {
        std::ofstream(in_path, std::ios::binary) << *input;
        command += " < " + Quote(in_path);
    }
    command += " " + redirect + " 2> " + Quote(err_path);
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[65536];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadFile(err_path);
    std::remove(err_path.c_str());
    std::remove(in_path.c_str());
    return run;
}

TEST(CalcTool, ExpressionsAsArguments)
{
    const ToolRun ok = RunTool({"sin(30)", "2*tg(45)+1", "３０+1", "007"});
    EXPECT_EQ(ok.out, "0.499999999987\n2.99999999991\n31\n007\n");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.err, "");

    const ToolRun failed = RunTool({"1+1", "1/0", "-5-3", ""});
    EXPECT_EQ(failed.out, "2\n\n-8\n\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "anglarix-calc: 1/0: division by 0 or by a number too small\n"
                          "anglarix-calc: the expression is empty\n");

    EXPECT_EQ(RunTool({"--", "--5", "--help"}).out, "-5\n0\n");
    // A "-" before a digit starts an expression, not an option, here and in an option's values.
    EXPECT_EQ(RunTool({"-5-3", "1"}).out, "-8\n1\n");
    EXPECT_EQ(RunTool({"--asin", "-1", "2"}).out, "-30.00000000086\n");
}

TEST(CalcTool, LinesFromStandardInput)
{
    const std::string input = "sin(30)\n1/0\n\n007\r\nｓｉｎ（３０）";
    const ToolRun run = RunTool({}, &input);
    EXPECT_EQ(run.out, "0.499999999987\n\n\n007\n0.499999999987\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "anglarix-calc: 1/0: division by 0 or by a number too small\n"
                       "anglarix-calc: the expression is empty\n");
}

TEST(CalcTool, ManyLinesInOneProcess)
{
    std::string input;
    for (int i = 0; i < 200000; ++i)
        input += std::to_string(i) + "+1\n";
    const ToolRun run = RunTool({}, &input);
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    int count = 0;
    bool all_right = true;
    while (std::getline(lines, line))
        all_right = all_right && line == std::to_string(++count);
    EXPECT_EQ(count, 200000);
    EXPECT_TRUE(all_right);
}

TEST(CalcTool, AngleOptions)
{
    EXPECT_EQ(RunTool({"--asin", "1", "2"}).out, "30.00000000086\n");
    EXPECT_EQ(RunTool({"--acos", "1", "2"}).out, "59.99999999914\n");
    EXPECT_EQ(RunTool({"--atan", "1", ""}).out, "90.00000000257\n");
    const ToolRun no_angle = RunTool({"--asin", "2", "1"});
    EXPECT_EQ(no_angle.out, "\n");
    EXPECT_EQ(no_angle.err, "anglarix-calc: the ratio of the two sides is outside -1..1\n");
    EXPECT_EQ(no_angle.status, 1);
}

// The engine's decisions reach the command line unchanged, in every mode.
TEST(CalcTool, DecisionsInEveryMode)
{
    const std::vector<std::string> expressions = {"1+(0-2)^2", "2*-(0-2)^2", "-(0-2)",        "6÷2",
                                                  "0。5+1",    "2區3",       "sin(30)sin(30)"};
    const std::string expected = "5\n-8\n2\n3\n1.5\n23\n\n";
    EXPECT_EQ(RunTool(expressions).out, expected);
    std::string lines;
    for (const std::string& e : expressions)
        lines += e + "\n";
    EXPECT_EQ(RunTool({}, &lines).out, expected);
    EXPECT_EQ(RunTool({"--atan", "0", "0"}).out, "\n");
    EXPECT_EQ(RunTool({"--asin", "0。5", "1"}).out, "30.00000000086\n");
    EXPECT_EQ(RunTool({"--solve", "5-5", "1", "", ""}).out, "1\n\n\n");
    EXPECT_EQ(RunTool({"--solve", "3０。5", "1", "", ""}).out, "1\n1.970294411229\n1.697663119385\n");
}

TEST(CalcTool, SolveOption)
{
    const ToolRun solved = RunTool({"--solve", "30", "1", "", ""});
    EXPECT_EQ(solved.out, "1\n2.000000000052\n1.732050807629\n");
    EXPECT_EQ(solved.status, 0);

    EXPECT_EQ(RunTool({"--solve", "0.5/0", "", "", "2"}).out, "\n2\n\n");
    EXPECT_EQ(RunTool({"--solve", "30", "", "", ""}).out, "\n\n\n");

    const ToolRun missing = RunTool({"--solve", "", "1", "", ""});
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "anglarix-calc: an angle is required\n");
    EXPECT_EQ(missing.status, 1);
}

TEST(CalcTool, UsageErrorsSayWhatAndHowToGetHelp)
{
    // clang-format off
    const struct {
        std::vector<std::string> args;
        const char* first_line;
    } cases[] = {
        {{"--frobnicate"}, "anglarix-calc: unrecognized option '--frobnicate'"},
        {{"-x", "1"}, "anglarix-calc: invalid option -- 'x'"},
        {{"--a", "1", "2"}, "anglarix-calc: option '--a' is ambiguous; possibilities: '--asin' '--atan' '--acos'"},
        {{"--help=1"}, "anglarix-calc: option '--help' doesn't allow an argument"},
        {{"--as", "1"}, "anglarix-calc: --as takes two values"},
        {{"--asin", "1"}, "anglarix-calc: --asin takes two values"},
        {{"--acos", "1", "2", "3"}, "anglarix-calc: --acos takes two values"},
        {{"--solve", "30", "1", ""}, "anglarix-calc: --solve takes four values"},
        {{"--atan", "--solve", "1", "2"}, "anglarix-calc: --solve cannot be combined with another computation"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ToolRun run = RunTool(c.args);
        EXPECT_EQ(run.status, 2) << c.first_line;
        EXPECT_EQ(run.out, "") << c.first_line;
        EXPECT_EQ(run.err, std::string(c.first_line) + "\nTry 'anglarix-calc --help' for more information.\n");
    }
}

TEST(CalcTool, ReasonsInChineseUnderAChineseLocale)
{
    const std::string lines = "1/0\n";
    const struct {
        std::vector<std::string> args;
        const std::string* input;
        const char* err;
    } cases[] = {
        {{"1/0"}, nullptr, "anglarix-calc: 1/0: 除以 0 或过小的数\n"},
        {{}, &lines, "anglarix-calc: 1/0: 除以 0 或过小的数\n"},
        {{"--asin", "2", "1"}, nullptr, "anglarix-calc: 两边之比超出 -1 到 1 的范围\n"},
        {{"--solve", "", "1", "", ""}, nullptr, "anglarix-calc: 角度必须输入\n"},
        {{"--asin"}, nullptr, "anglarix-calc: --asin 需要两个值\n请用“anglarix-calc --help”查看用法。\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunTool(c.args, c.input, Locale::Chinese).err, c.err);
    EXPECT_NE(RunTool({"--help"}, nullptr, Locale::Chinese).out.find("用法"), std::string::npos);
}

// What the command line owes its caller beyond the answers: a status that tells, one short
// line on standard error, and the locale's character set both ways.
TEST(CalcTool, StatusesAndMessagesAtTheEdges)
{
    const std::string line = "sin(30)\n";
    const std::string long_line = "1/0+" + std::string(60, '1') + "\n";
    const std::string gbk_times = "1\xA1\xC1"
                                  "2";  // 1×2 in GBK
    // clang-format off
    const struct {
        std::vector<std::string> args;
        const std::string* input;
        std::string redirect;
        Locale locale;
        int status;
        std::string out;
        std::string err;
    } cases[] = {
        {{"sin(30)"}, nullptr, ">&-", Locale::English, 3, "",
         "anglarix-calc: cannot write the output: Bad file descriptor\n"},
        {{"sin(30)"}, nullptr, "> /dev/full", Locale::English, 3, "",
         "anglarix-calc: cannot write the output: No space left on device\n"},
        {{}, &line, "> /dev/full", Locale::English, 3, "",
         "anglarix-calc: cannot write the output: No space left on device\n"},
        {{}, nullptr, "< /", Locale::English, 3, "", "anglarix-calc: cannot read the input: Is a directory\n"},
        {{}, nullptr, "<&-", Locale::English, 3, "", "anglarix-calc: cannot read the input: Bad file descriptor\n"},
        {{"--solve", "30", "", "", ""}, nullptr, "", Locale::English, 1, "\n\n\n",
         "anglarix-calc: no side above 0 is given\n"},
        {{}, &long_line, "", Locale::English, 0, "\n",
         "anglarix-calc: 1/0+" + Repeat("1", 36) + "…: division by 0 or by a number too small\n"},
        {{"1/0" + Repeat("中", 50)}, nullptr, "", Locale::English, 1, "\n",
         "anglarix-calc: 1/0" + Repeat("中", 37) + "…: division by 0 or by a number too small\n"},
        {{gbk_times, "1/0"}, nullptr, "", Locale::ChineseGbk, 1, "2\n\n",
         Utf8ToGbk("anglarix-calc: 1/0: 除以 0 或过小的数\n")},
    };
    // clang-format on
    for (const auto& c : cases) {
#ifdef ANGLARIX_CALC_WINDOWS
        // Windows has no GBK locale: its console is UTF-16 and its pipes UTF-8.
        if (c.locale == Locale::ChineseGbk)
            continue;
#endif
        const ToolRun run = RunTool(c.args, c.input, c.locale, c.redirect);
        const std::string what = (c.args.empty() ? std::string("lines") : c.args[0].substr(0, 20)) + " " +
                                 c.redirect;
        EXPECT_EQ(run.status, c.status) << what;
        EXPECT_EQ(run.out, c.out) << what;
#ifdef ANGLARIX_CALC_WINDOWS
        // A failed read or write ends with the system's own words, which are Windows' there.
        if (c.status == 3) {
            const std::string before_words = c.err.substr(0, c.err.rfind(": ") + 2);
            EXPECT_EQ(run.err.substr(0, before_words.size()), before_words) << what;
            EXPECT_GT(run.err.size(), before_words.size() + 1) << what;
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << what;
            continue;
        }
#endif
        EXPECT_EQ(run.err, c.err) << what;
    }
}

#ifndef ANGLARIX_CALC_WINDOWS
// A reader that has gone (`anglarix-calc sin(30) | true`) is an output that cannot be written:
// status 3 and its one line, not death by the signal a shell gives its children by default.
TEST(CalcTool, AClosedPipeIsAFailedWrite)
{
    int out[2], err[2];
    ASSERT_EQ(pipe(out), 0);
    ASSERT_EQ(pipe(err), 0);
    close(out[0]);  // the reader goes before the writer exists, so no write can beat it
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGPIPE, SIG_DFL);
        close(err[0]);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        setenv("LC_ALL", "C.UTF-8", 1);
        execl(ANGLARIX_CALC_PATH, ANGLARIX_CALC_PATH, "sin(30)", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    std::string message;
    char buffer[256];
    for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, size_t(n));
    close(err[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(message, "anglarix-calc: cannot write the output: Broken pipe\n");
}
#endif

// --explain: the same answers, each followed by how it came about on lines a reader can skip.
TEST(CalcTool, ExplainShowsTheWorkingAfterEachAnswer)
{
    // clang-format off
    const struct { std::vector<std::string> args; Locale locale; std::string out; } cases[] = {
        {{"--explain", "--asin", "3", "5"}, Locale::English,
         "36.8698976469\n# arcsin(3 ÷ 5) = 36.8698976469°\n# = 36°52′11.63″\n"},
        {{"--acos", "--explain", "1", "2"}, Locale::English,
         "59.99999999914\n# arccos(1 ÷ 2) = 59.99999999914°\n# = 60°00′00.00″\n"},
        {{"--explain", "--asin", "2", "1"}, Locale::English, "\n"},
        {{"--explain", "--solve", "30", "", "", "2"}, Locale::English,
         "0.999999999974\n2\n1.732050807584\n"
         "# opposite = hypotenuse × sin(30) = 2 × 0.499999999987 = 0.999999999974\n"
         "# pi is taken as 3.1415926535, so sin(30) is 0.499999999987, not 0.5\n"
         "# the known side, copied as typed\n"
         "# adjacent = hypotenuse × cos(30) = 2 × 0.8660254037919 = 1.732050807584\n"
         "# pi is taken as 3.1415926535, so sin(30) is 0.499999999987, not 0.5\n"},
        {{"--explain", "--solve", "30", "1", "", ""}, Locale::Chinese,
         "1\n2.000000000052\n1.732050807629\n# 已知边，照输入抄写\n"
         "# 斜边 = 对边 ÷ sin(30) = 1 ÷ 0.499999999987 = 2.000000000052\n"
         "# π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5\n"
         "# 邻边 = 对边 ÷ tg(30) = 1 ÷ 0.5773502691697 = 1.732050807629\n"
         "# π 取 3.1415926535，所以 sin(30) 是 0.499999999987 而非 0.5\n"},
        {{"--explain", "Sin(30)+1", "1+1"}, Locale::English,
         "31\n# evaluated as (30)+1\n# ignored: Sin (the engine reads sin cos tg ctg in degrees and ^ * / + -)\n2\n"},
        {{"--ex", "Sin(30)", "３×２"}, Locale::Chinese,
         "30\n# 按 (30) 计算\n# 已忽略：Sin（只认 sin cos tg ctg，角度以度为单位，运算符 ^ * / + -）\n"
         "6\n# 按 3*2 计算\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
#ifdef ANGLARIX_CALC_WINDOWS
        if (c.locale != Locale::English)
            continue;
#endif
        EXPECT_EQ(RunTool(c.args, nullptr, c.locale).out, c.out) << c.args[1];
    }
}

TEST(CalcTool, Help)
{
    for (const char* option : {"--help", "-h"}) {
        const ToolRun help = RunTool({option});
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("--solve ANGLE OPPOSITE ADJACENT HYPOTENUSE"), std::string::npos);
    }
    for (const char* option : {"--version", "-V"}) {
        const ToolRun version = RunTool({option});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out,
                  "anglarix-calc (Anglarix) 1.0.0.0\nCopyright (c) 2024-2026 Anglarix developers\nLicense: MIT\n");
    }
}

}  // namespace
