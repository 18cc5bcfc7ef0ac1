// The expression engine against muParser on the same expressions, and the engine's growth and
// memory on long texts. muParser parses and evaluates every expression afresh (SetExpr then Eval, as the
// engine also starts from the text each time), with degrees converted explicitly; the
// "constructed" variant also builds a new parser object each time.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "calc/EvaluateExpression.h"

namespace {

struct Pair {
    const char* engine;
    const char* muparser;
};

// The same values written for each: tg and ctg become tan and 1/tan, degrees become radians.
const std::vector<Pair> kExpressions = {
    {"sin(30)", "sin(30*_pi/180)"},
    {"2*tg(30)+1", "2*tan(30*_pi/180)+1"},
    {"1+2*3^2-4/2", "1+2*3^2-4/2"},
    {"((1+2)*(3+4))^2", "((1+2)*(3+4))^2"},
    {"sin(30)+cos(60)*2-ctg(45)", "sin(30*_pi/180)+cos(60*_pi/180)*2-1/tan(45*_pi/180)"},
    {"(1.5+2.25)/(0.5-0.125)*3", "(1.5+2.25)/(0.5-0.125)*3"},
};

void BM_Engine(benchmark::State& state)
{
    const char* text = kExpressions[size_t(state.range(0))].engine;
    state.SetLabel(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateExpression(text));
}
BENCHMARK(BM_Engine)->DenseRange(0, int(kExpressions.size()) - 1);

void BM_MuParser(benchmark::State& state)
{
    const char* text = kExpressions[size_t(state.range(0))].muparser;
    state.SetLabel(text);
    mu::Parser parser;
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuParser)->DenseRange(0, int(kExpressions.size()) - 1);

void BM_MuParserConstructed(benchmark::State& state)
{
    const char* text = kExpressions[size_t(state.range(0))].muparser;
    state.SetLabel(text);
    for (auto _ : state) {
        mu::Parser parser;
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
}
BENCHMARK(BM_MuParserConstructed)->DenseRange(0, int(kExpressions.size()) - 1);

std::string Repeat(const std::string& piece, size_t count)
{
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

// "1+1+…+1" and "((((…1…))))" of about range(0) bytes.
std::string SumChain(size_t bytes)
{
    std::string text = "1";
    while (text.size() + 2 <= bytes)
        text += "+1";
    return text;
}

std::string Nested(size_t bytes)
{
    const size_t depth = (bytes - 1) / 2;
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

// Groups that each hold an operation: "(1+(1+(…(1)…)))".
std::string NestedSums(size_t bytes)
{
    std::string text;
    const size_t depth = (bytes - 1) / 4;
    for (size_t i = 0; i < depth; ++i)
        text += "(1+";
    return text + "1" + std::string(depth, ')');
}

// Crafted shapes whose tails no operation consumes: N nested "(1+" around a tail of backslashes
// (half the text), the same tail inside nested calls, and groups that each leave a tail behind.
std::string NestedAroundTail(size_t bytes)
{
    const size_t depth = bytes / 8;
    return Repeat("(1+", depth) + std::string(bytes - 4 * depth, '\\') + std::string(depth, ')');
}

std::string CallsAroundTail(size_t bytes)
{
    const size_t depth = bytes / 16;
    return Repeat("sin(1+", depth) + std::string(bytes - 7 * depth, '\\') + std::string(depth, ')');
}

std::string AlternatingTails(size_t bytes)
{
    const size_t depth = bytes / 12;
    return Repeat("(1+\\\\\\\\\\\\\\\\", depth) + std::string(depth, ')');
}

template <std::string (*Make)(size_t)>
void BM_EngineGrowth(benchmark::State& state)
{
    const std::string text = Make(size_t(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateExpression(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    state.SetComplexityN(state.range(0));
}
// Each growth shape from 1 KiB to 64 KiB, with the order of its growth.
void GrowthRange(benchmark::internal::Benchmark* b)
{
    b->RangeMultiplier(4)->Range(1024, 65536)->Unit(benchmark::kMillisecond)->Complexity();
}
BENCHMARK(BM_EngineGrowth<SumChain>)->Name("BM_EngineSumChain")->Apply(GrowthRange);
BENCHMARK(BM_EngineGrowth<Nested>)->Name("BM_EngineNested")->Apply(GrowthRange);
BENCHMARK(BM_EngineGrowth<NestedSums>)->Name("BM_EngineNestedSums")->Apply(GrowthRange);

// Memory on long lines: each shape at 1, 4 and 16 MB, timed, with the peak of the process's
// resident memory while one evaluation runs, text included, against the ceiling of 6 times
// the text. The peak is taken in a child process of its own, on a fresh engine: the memory a
// previous evaluation left behind must not hide it.
// Built in place: a copy made on the way would stay in the heap and count as the engine's.
std::string Repeated(const char* piece, size_t bytes)
{
    const std::string_view text_piece(piece);
    std::string text;
    text.reserve(bytes + 1);
    for (size_t i = 0; i < bytes / text_piece.size(); ++i)
        text += text_piece;
    text += '1';
    return text;
}

const struct {
    const char* name;
    std::string (*make)(size_t bytes);
} kShapes[] = {
    {"tg(1)+", [](size_t bytes) { return Repeated("tg(1)+", bytes); }},
    {"-tg(1)", [](size_t bytes) { return Repeated("-tg(1)", bytes); }},
    {"sin(1)+", [](size_t bytes) { return Repeated("sin(1)+", bytes); }},
    {"(1)+", [](size_t bytes) { return Repeated("(1)+", bytes); }},
    {"-(1)", [](size_t bytes) { return Repeated("-(1)", bytes); }},
    {"-(1)^1", [](size_t bytes) { return Repeated("-(1)^1", bytes); }},
    {"1+1+…", SumChain},
    {"((…1…))", Nested},
    {"(1+(1+…", NestedSums},
    {"(1+ around \\", NestedAroundTail},
    {"sin(1+ around \\", CallsAroundTail},
    {"(1+\\\\…", AlternatingTails},
};
constexpr double kMemoryCeiling = 6.0;

size_t StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(field))
            return size_t(std::strtoull(line.c_str() + std::strlen(field), nullptr, 10));
    return 0;
}

// The peak resident bytes of building the text and evaluating it once, in a child process.
double PeakBytes(size_t shape, size_t bytes)
{
    int channel[2];
    if (pipe(channel) != 0)
        return 0;
    const pid_t child = fork();
    if (child == 0) {
        malloc_trim(0);
        const size_t before = StatusKilobytes("VmRSS:");
        {
            const std::string text = kShapes[shape].make(bytes);
            ExpressionEngine engine;
            benchmark::DoNotOptimize(engine.Evaluate(text));
        }
        const double peak = double(StatusKilobytes("VmHWM:") - before) * 1024;
        _exit(write(channel[1], &peak, sizeof peak) == sizeof peak ? 0 : 1);
    }
    close(channel[1]);
    double peak = 0;
    if (read(channel[0], &peak, sizeof peak) != sizeof peak)
        peak = 0;
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return peak;
}

void BM_EngineShape(benchmark::State& state)
{
    const size_t shape = size_t(state.range(0));
    const std::string text = kShapes[shape].make(size_t(state.range(1)));
    state.SetLabel(kShapes[shape].name);
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluateExpression(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    const double peak = PeakBytes(shape, size_t(state.range(1)));
    state.counters["peak_MB"] = peak / double(1 << 20);
    state.counters["peak_ratio"] = peak / double(text.size());
    state.counters["ceiling"] = kMemoryCeiling;
}
BENCHMARK(BM_EngineShape)
    ->ArgsProduct({benchmark::CreateDenseRange(0, int(std::size(kShapes)) - 1, 1), {1 << 20, 4 << 20, 16 << 20}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

#ifdef ANGLARIX_CALC_EXE
// The same shapes through anglarix-calc, a line on its standard input: the peak the process
// adds to what it takes for a one-character line, against the same ceiling. What the command
// line keeps beside the engine (the read buffer, the character-set copy) counts here.
size_t ProgramPeakKilobytes(const std::string& input_path)
{
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(input_path.c_str(), "r", stdin) || !freopen("/dev/null", "w", stdout))
            _exit(127);
        execl(ANGLARIX_CALC_EXE, ANGLARIX_CALC_EXE, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status))
        return 0;
    return size_t(usage.ru_maxrss);
}

// The line is written by a child process, so that this process never holds it: a forked child
// counts its parent's pages as its own until it runs the program.
void WriteLine(size_t shape, size_t bytes, const std::string& path)
{
    const pid_t child = fork();
    if (child == 0) {
        std::ofstream(path, std::ios::binary)
            << (bytes == 0 ? std::string("1") : kShapes[shape].make(bytes)) << '\n';
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

void BM_CommandLineShape(benchmark::State& state)
{
    const size_t shape = size_t(state.range(0));
    const size_t bytes = size_t(state.range(1));
    const std::string path = "/tmp/anglarix-bench-line." + std::to_string(getpid());
    malloc_trim(0);
    WriteLine(shape, 0, path);
    const size_t baseline = ProgramPeakKilobytes(path);
    WriteLine(shape, bytes, path);
    state.SetLabel(kShapes[shape].name);
    size_t peak = 0;
    for (auto _ : state)
        peak = std::max(peak, ProgramPeakKilobytes(path));
    std::remove(path.c_str());
    const double added = double(peak > baseline ? peak - baseline : 0) * 1024;
    state.counters["peak_MB"] = added / double(1 << 20);
    state.counters["peak_ratio"] = added / double(bytes);
    state.counters["ceiling"] = kMemoryCeiling;
}
BENCHMARK(BM_CommandLineShape)
    ->ArgsProduct({benchmark::CreateDenseRange(0, int(std::size(kShapes)) - 1, 1), {4 << 20, 16 << 20}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
#endif

template <std::string (*Make)(size_t)>
void BM_MuParserGrowth(benchmark::State& state)
{
    const std::string text = Make(size_t(state.range(0)));
    mu::Parser parser;
    try {
        parser.SetExpr(text);
        parser.Eval();
    } catch (const mu::ParserError& error) {
        // muParser refuses long expressions (a fixed limit on the expression's length).
        state.SkipWithError(error.GetMsg().c_str());
        return;
    }
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MuParserGrowth<SumChain>)->Name("BM_MuParserSumChain")->Apply(GrowthRange);

}  // namespace

BENCHMARK_MAIN();
