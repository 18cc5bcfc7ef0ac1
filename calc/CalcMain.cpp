// anglarix-calc: the calculator's expression engine and its angle and side computations on the
// command line. Arguments and lines are UTF-8; the engine sees GBK, as in the window.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/AngleRatios.h"
#include "calc/EvaluateExpression.h"
#include "calc/SideLengths.h"
#include "data/ProductInfo.h"
#include "values/Gbk.h"

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  anglarix-calc EXPR...        print the value of each expression, one per line\n"
    "  anglarix-calc                read expressions from standard input, one per line\n"
    "  anglarix-calc --asin OPPOSITE HYPOTENUSE\n"
    "  anglarix-calc --atan OPPOSITE ADJACENT\n"
    "  anglarix-calc --acos ADJACENT HYPOTENUSE\n"
    "                               the angle in degrees that the button writes\n"
    "  anglarix-calc --solve ANGLE OPPOSITE ADJACENT HYPOTENUSE\n"
    "                               the result opposite side, hypotenuse and adjacent side\n"
    "                               (give \"\" for an empty box)\n"
    "  anglarix-calc -- EXPR...     expressions that would read as an option\n"
    "  anglarix-calc --version\n"
    "\n"
    "Angles are in degrees; sin( cos( tg( ctg( are the functions, e.g. \"2*tg(30)+1\".\n"
    "An expression without a value prints an empty line; with arguments, the exit status is\n"
    "then 1 and stderr names it. Reading standard input, every line gets its answer line and\n"
    "the exit status is 0.\n";

void PrintLine(const std::string& gbk)
{
    const std::string utf8 = GbkToUtf8(gbk);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

int UsageError()
{
    std::fputs(kUsage, stderr);
    return 2;
}

// One line in, one line out, until the input ends.
int EvaluateLines()
{
    ExpressionEngine engine;
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t length = 0;
    while ((length = getline(&line, &capacity, stdin)) >= 0) {
        std::string_view text(line, size_t(length));
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        PrintLine(engine.Evaluate(Utf8ToGbk(text)));
    }
    std::free(line);
    return 0;
}

int EvaluateArguments(const std::vector<std::string_view>& expressions)
{
    ExpressionEngine engine;
    int status = 0;
    for (const std::string_view expression : expressions) {
        const std::string value = engine.Evaluate(Utf8ToGbk(expression));
        PrintLine(value);
        if (value.empty()) {
            std::fprintf(stderr, "anglarix-calc: no value for \"%.*s\"\n", int(expression.size()),
                         expression.data());
            status = 1;
        }
    }
    return status;
}

int Angle(std::string_view option, std::string_view a, std::string_view b)
{
    const std::string first = Utf8ToGbk(a);
    const std::string second = Utf8ToGbk(b);
    if (option == "--asin")
        PrintLine(ArcSineText(first, second));
    else if (option == "--atan")
        PrintLine(ArcTangentText(first, second));
    else
        PrintLine(ArcCosineText(first, second));
    return 0;
}

int Solve(const std::vector<std::string_view>& boxes)
{
    const SideLengths sides =
        SolveSides(Utf8ToGbk(boxes[0]), Utf8ToGbk(boxes[1]), Utf8ToGbk(boxes[2]), Utf8ToGbk(boxes[3]));
    if (sides.outcome == SolveOutcome::AngleMissing) {
        std::fputs("角度必须输入\n", stderr);
        return 1;
    }
    // Starting from empty result boxes, a click without a known side leaves them empty.
    PrintLine(sides.opposite);
    PrintLine(sides.hypotenuse);
    PrintLine(sides.adjacent);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.empty())
        return EvaluateLines();
    const std::string_view option = args[0];
    const std::vector<std::string_view> rest(args.begin() + 1, args.end());
    if (option == "--help" || option == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (option == "--version") {
        std::printf("anglarix-calc (%s) %s\n%s\nLicense: %s\n", product::kName, product::kVersion,
                    product::kCopyright, product::kLicense);
        return 0;
    }
    if (option == "--asin" || option == "--atan" || option == "--acos")
        return rest.size() == 2 ? Angle(option, rest[0], rest[1]) : UsageError();
    if (option == "--solve")
        return rest.size() == 4 ? Solve(rest) : UsageError();
    if (option == "--")
        return EvaluateArguments(rest);
    return EvaluateArguments(args);
}
