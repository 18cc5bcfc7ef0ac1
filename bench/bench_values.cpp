// The conversions against the C library on the same inputs: ToText of doubles against
// snprintf("%.13g"), ToNumber of short number texts against strtod.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "values/Blocks.h"
#include "values/Commands.h"
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

}  // namespace

BENCHMARK_MAIN();
