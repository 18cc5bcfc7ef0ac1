// anglarix-calc run as a process: arguments, standard input, the angle and solver options,
// exit statuses and the UTF-8 <-> GBK conversion at its edges.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the tool with args, feeding input (when given) to its standard input. The scratch
// files carry the test process's id: tests run side by side.
ToolRun RunTool(const std::vector<std::string>& args, const std::string* input = nullptr)
{
    const std::string scratch = ::testing::TempDir() + "/anglarix-calc." + std::to_string(getpid());
    const std::string err_path = scratch + ".err";
    const std::string in_path = scratch + ".in";
    std::string command = Quote(ANGLARIX_CALC_PATH);
    for (const std::string& arg : args)
        command += " " + Quote(arg);
    if (input != nullptr) {
        std::ofstream(in_path, std::ios::binary) << *input;
        command += " < " + Quote(in_path);
    }
    command += " 2> " + Quote(err_path);
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
    return run;
}

TEST(CalcTool, ExpressionsAsArguments)
{
    const ToolRun ok = RunTool({"sin(30)", "2*tg(45)+1", "３０+1", "007"});
    EXPECT_EQ(ok.out, "0.499999999987\n2.99999999991\n31\n007\n");
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.err, "");

    const ToolRun failed = RunTool({"1+1", "1/0", "-5-3"});
    EXPECT_EQ(failed.out, "2\n\n-8\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("1/0"), std::string::npos);

    EXPECT_EQ(RunTool({"--", "--5", "--help"}).out, "-5\n0\n");
}

TEST(CalcTool, LinesFromStandardInput)
{
    const std::string input = "sin(30)\n1/0\n\n007\r\nｓｉｎ（３０）";
    const ToolRun run = RunTool({}, &input);
    EXPECT_EQ(run.out, "0.499999999987\n\n\n007\n0.499999999987\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
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
    EXPECT_EQ(RunTool({"--asin", "2", "1"}).out, "\n");
    EXPECT_EQ(RunTool({"--asin", "1"}).status, 2);
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
    EXPECT_EQ(missing.err, "角度必须输入\n");
    EXPECT_EQ(missing.status, 1);
}

TEST(CalcTool, Help)
{
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--solve ANGLE OPPOSITE ADJACENT HYPOTENUSE"), std::string::npos);
    const ToolRun version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out,
              "anglarix-calc (Anglarix) 1.0.0.0\nCopyright (c) 2026 Anglarix developers\nLicense: MIT\n");
}

}  // namespace
