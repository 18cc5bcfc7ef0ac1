// The conversions against the C library on the same inputs: ToText of doubles against
// snprintf("%.13g"), ToNumber of short number texts against strtod; and what a paste into a
// box costs on its way to GBK: 64 KB of an expression, and of binary text in which most
// characters have no GBK form.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "values/Blocks.h"
#include "values/Commands.h"
#include "values/Gbk.h"
#include "values/Number.h"

namespace {

// Values such as the calculator shows: angles, ratios, side lengths, a few integers and
// numbers in exponential form.
const std::vector<double>& Doubles()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<double> angle(0.0, 90.0), ratio(0.0, 1.0), side(0.0, 1e4);
        std::uniform_int_distribution<int> integer(-1000, 1000), exponent(-30, 30);
        std::vector<double> v;
        for (int i = 0; i < 256; ++i) {
            v.push_back(angle(random));
            v.push_back(ratio(random));
            v.push_back(side(random));
            v.push_back(integer(random));
            v.push_back(ratio(random) * std::pow(10.0, exponent(random)));
        }
        return v;
    }();
    return values;
}

// The texts ToText makes of those values, plus hand-typed ones.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t = {"30", "0.5", "2", "45", "1e-005", "-2.5", "3.14", "100"};
        for (const double x : Doubles()) {
            char buffer[kNumberTextSize];
            FormatDouble(x, buffer);
            t.emplace_back(buffer);
        }
        return t;
    }();
    return texts;
}

void ToTextOfDoubles(benchmark::State& state)
{
    const std::vector<double>& values = Doubles();
    size_t i = 0;
    for (auto _ : state) {
        TypedValue result;
        const TypedValue argument = TypedValue::Double(values[i++ % values.size()]);
        ToText(&result, 1, &argument);
        benchmark::DoNotOptimize(result.payload);
        FreeBlock(result.AsAddress());
    }
}
BENCHMARK(ToTextOfDoubles);

void FormatDoubleIntoBuffer(benchmark::State& state)
{
    const std::vector<double>& values = Doubles();
    size_t i = 0;
    char buffer[kNumberTextSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDouble(values[i++ % values.size()], buffer));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FormatDoubleIntoBuffer);

void SnprintfPercent13g(benchmark::State& state)
{
    const std::vector<double>& values = Doubles();
    size_t i = 0;
    char buffer[kNumberTextSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.13g", values[i++ % values.size()]));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SnprintfPercent13g);

void ToNumberOfShortTexts(benchmark::State& state)
{
    const std::vector<std::string>& texts = Texts();
    size_t i = 0;
    for (auto _ : state) {
        TypedValue result;
        const TypedValue argument = TypedValue::Text(texts[i++ % texts.size()].c_str());
        ToNumber(&result, 1, &argument);
        benchmark::DoNotOptimize(result.payload);
    }
}
BENCHMARK(ToNumberOfShortTexts);

void Strtod(benchmark::State& state)
{
    const std::vector<std::string>& texts = Texts();
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::strtod(texts[i++ % texts.size()].c_str(), nullptr));
}
BENCHMARK(Strtod);

// Control characters and the code points up to U+07FF, as UTF-8, repeated to about 64 KB.
std::string BinaryUtf8(size_t size)
{
    std::string text;
    for (uint32_t c = 1; text.size() < size; c = c % 0x7FF + 1) {
        if (c < 0x80) {
            text.push_back(char(c));
        } else {
            text.push_back(char(0xC0 | (c >> 6)));
            text.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return text;
}

void Utf8ToGbkOfPastes(benchmark::State& state)
{
    std::string expression;
    while (expression.size() < 65536)
        expression += "1+";
    const std::string text = state.range(0) == 0 ? expression : BinaryUtf8(65536);
    for (auto _ : state)
        benchmark::DoNotOptimize(Utf8ToGbk(text));
    state.SetLabel(state.range(0) == 0 ? "64 KB expression" : "64 KB binary text");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(Utf8ToGbkOfPastes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
