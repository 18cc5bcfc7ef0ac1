#include "cli/CalcCommandLine.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "calc/AngleRatios.h"
#include "calc/EvaluateExpression.h"
#include "calc/Reasons.h"
#include "calc/SideLengths.h"
#include "contract/ProductInfo.h"
#include "values/Gbk.h"

#define _(text) calc_terminal::Translate(text)

namespace {

using calc_terminal::WriteErr;
using calc_terminal::WriteOut;

// printf's rules for the one argument a message takes.
std::string Formatted(const char* format, std::string_view arg)
{
    const std::string argument(arg);
    const int length = std::snprintf(nullptr, 0, format, argument.c_str());
    if (length <= 0)
        return {};
    std::string text(size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, argument.c_str());
    text.pop_back();
    return text;
}

// How much of a failing expression its message repeats.
constexpr size_t kSubjectCharacters = 40;

// At most the first kSubjectCharacters characters of UTF-8 text, then "…" when there are more.
std::string Abbreviated(std::string_view text)
{
    size_t end = 0;
    for (size_t count = 0; end < text.size() && count < kSubjectCharacters; ++count) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    if (end == text.size())
        return std::string(text);
    return std::string(text.substr(0, end)) + "\xE2\x80\xA6";
}

// "anglarix-calc: 1/0: division by 0 or by a number too small"; without a subject, just the
// reason. The wordings are the calculator's own, one per reason.
void ReportFailure(Reason reason, std::string_view subject = {})
{
    std::string line = std::string(kCalcProgram) + ": ";
    if (!subject.empty())
        line.append(Abbreviated(subject)).append(": ");
    line.append(_(WordingOf(reason).english)).push_back('\n');
    WriteErr(line);
}

void PrintUsage()
{
    WriteOut(_("Usage:\n"
               "  anglarix-calc [--] EXPR...     print the value of each expression, one per line\n"
               "  anglarix-calc                  read expressions from standard input, one per line\n"
               "  anglarix-calc --asin OPPOSITE HYPOTENUSE\n"
               "  anglarix-calc --atan OPPOSITE ADJACENT\n"
               "  anglarix-calc --acos ADJACENT HYPOTENUSE\n"
               "                                 the angle in degrees that the button writes\n"
               "  anglarix-calc --solve ANGLE OPPOSITE ADJACENT HYPOTENUSE\n"
               "                                 the result opposite side, hypotenuse and adjacent side\n"
               "                                 (give \"\" for an empty box)\n"
               "  --explain                      after each answer, how it came about, on lines\n"
               "                                 that begin with \"# \"\n"
               "  -h, --help                     this text\n"
               "  -V, --version                  the version and the licence\n"
               "\n"
               "Angles are in degrees; sin( cos( tg( ctg( are the functions, e.g. \"2*tg(30)+1\".\n"
               "An expression without a value prints an empty line and stderr says why; with\n"
               "arguments, the exit status is then 1. On a terminal, lines are edited with history\n"
               "and Ctrl+D or Ctrl+C ends. A failed read or write exits with status 3.\n"));
}

int InputOutputFailed(const char* what, const std::string& why)
{
    WriteErr(std::string(kCalcProgram) + ": " + what + ": " + why + "\n");
    return kCalcInputOutputFailed;
}

int ReadFailed(const std::string& why) { return InputOutputFailed(_("cannot read the input"), why); }

int WriteFailed(const std::string& why) { return InputOutputFailed(_("cannot write the output"), why); }

void PrintVersion()
{
    WriteOut(std::string(kCalcProgram) + " (" + product::kName + ") " + product::kVersion + "\n" +
             product::kCopyright + "\nLicense: " + product::kLicense + "\n");
}

int HelpHint()
{
    WriteErr(Formatted(_("Try '%s --help' for more information.\n"), kCalcProgram));
    return 2;
}

// One-line complaint and the hint, for everything that is not how the program is called.
int UsageError(const char* message, std::string_view detail)
{
    WriteErr(std::string(kCalcProgram) + ": " + Formatted(message, detail) + "\n");
    return HelpHint();
}

void PrintLine(const std::string& gbk) { WriteOut(GbkToUtf8(gbk) + "\n"); }

// --explain: after each answer, how it came about, each line marked with "# " so that a reader
// of the answers can pass over them.
bool g_explain = false;

void Explain(const std::string& utf8)
{
    if (!g_explain || utf8.empty())
        return;
    std::string marked = "# ";
    for (const char c : utf8)
        marked += c == '\n' ? std::string("\n# ") : std::string(1, c);
    WriteOut(marked + "\n");
}

// Prints the expression's value, or says why it has none; false when it has none.
bool Answer(ExpressionEngine& engine, std::string_view expression, bool print_empty)
{
    // ASCII is the same in GBK: a long line is not copied once more for the engine.
    const bool ascii = IsAscii(expression);
    const std::string gbk = ascii ? std::string() : Utf8ToGbk(expression);
    const Evaluation evaluation = engine.EvaluateWithReason(ascii ? expression : std::string_view(gbk));
    const std::string& value = evaluation.text;
    if (!value.empty() || print_empty)
        PrintLine(value);
    if (g_explain)
        Explain(ExpressionWorking(ascii ? expression : std::string_view(gbk), evaluation,
                                  WorkingWords::Translated(&calc_terminal::Translate)));
    if (value.empty())
        ReportFailure(evaluation.reason, expression);
    return !value.empty();
}

// One line in, one answer out and handed on at once, so the program can serve as a
// co-process. Typed lines skip the empty ones and print no empty answer, as a shell does.
// The status is not the lines' to set: a failed read or write is RunCalc's to report.
void EvaluateLines()
{
    const bool interactive = calc_terminal::IsInteractive();
    ExpressionEngine engine;
    std::string line;
    while (calc_terminal::ReadLine(line)) {
        std::string_view text(line);
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (interactive && text.empty())
            continue;
        Answer(engine, text, !interactive);
        calc_terminal::FlushOut();
        if (!calc_terminal::WriteFailure().empty())
            return;
    }
    if (interactive && calc_terminal::ReadFailure().empty())
        WriteOut("\n");
}

int EvaluateArguments(char** first, char** last)
{
    ExpressionEngine engine;
    int status = 0;
    for (char** arg = first; arg != last; ++arg)
        if (!Answer(engine, *arg, true))
            status = 1;
    return status;
}

enum class Mode { Expressions, ArcSine, ArcTangent, ArcCosine, Solve };

int Angle(Mode mode, std::string_view a, std::string_view b)
{
    const std::string first = Utf8ToGbk(a);
    const std::string second = Utf8ToGbk(b);
    const AngleText result = mode == Mode::ArcSine      ? ArcSineText(first, second)
                             : mode == Mode::ArcTangent ? ArcTangentText(first, second)
                                                        : ArcCosineText(first, second);
    const std::string& angle = result.text;
    PrintLine(angle);
    Explain(AngleWorking(mode == Mode::ArcSine      ? "arcsin"
                         : mode == Mode::ArcTangent ? "arctan"
                                                    : "arccos",
                         first, second, angle));
    if (!angle.empty())
        return 0;
    ReportFailure(result.reason);
    return 1;
}

int Solve(char** boxes)
{
    const SideLengths sides = SolveSides(Utf8ToGbk(boxes[0]), Utf8ToGbk(boxes[1]), Utf8ToGbk(boxes[2]),
                                         Utf8ToGbk(boxes[3]));
    if (sides.outcome == SolveOutcome::AngleMissing) {
        ReportFailure(sides.reason);
        return 1;
    }
    // Starting from empty result boxes, a click without a known side leaves them empty.
    PrintLine(sides.opposite);
    PrintLine(sides.hypotenuse);
    PrintLine(sides.adjacent);
    const WorkingWords words = WorkingWords::Translated(&calc_terminal::Translate);
    for (const SideStep* step : {&sides.opposite_step, &sides.hypotenuse_step, &sides.adjacent_step})
        Explain(SideWorking(*step, words));
    // Each reason for an empty side once: the sides are empty for one cause at a time.
    Reason reported = sides.reason;
    if (reported != Reason::None)
        ReportFailure(reported);
    for (const Reason reason : {sides.opposite_reason, sides.hypotenuse_reason, sides.adjacent_reason}) {
        if (reason != Reason::None && reason != reported) {
            ReportFailure(reason);
            reported = reason;
        }
    }
    const bool all = !sides.opposite.empty() && !sides.hypotenuse.empty() && !sides.adjacent.empty();
    return all ? 0 : 1;
}

// A leading "-" before a digit, a point or a bracket starts an expression such as "-5-3",
// not an option.
bool IsExpression(const char* arg)
{
    return arg[0] == '-' && arg[1] != '\0' && arg[1] != '-' &&
           !std::isalpha(static_cast<unsigned char>(arg[1]));
}

// What one option argument asks for. The long options may be shortened to any prefix that
// names one of them, and the complaints are worded as GNU getopt words them, so that the
// program says the same on every system.
enum class Choice { Computation, Explain, Help, Version, Wrong };
struct ParsedOption {
    Choice choice = Choice::Wrong;
    Mode mode = Mode::Expressions;
};

ParsedOption ParseOption(std::string_view arg)
{
    // clang-format off
    static const struct {
        const char* name;
        Choice choice;
        Mode mode;
    } kLong[] = {
        {"asin", Choice::Computation, Mode::ArcSine},     {"atan", Choice::Computation, Mode::ArcTangent},
        {"acos", Choice::Computation, Mode::ArcCosine},   {"solve", Choice::Computation, Mode::Solve},
        {"help", Choice::Help, Mode::Expressions},        {"version", Choice::Version, Mode::Expressions},
        {"explain", Choice::Explain, Mode::Expressions},
    };
    // clang-format on
    const std::string prog = std::string(kCalcProgram) + ": ";
    if (arg.substr(0, 2) != "--") {
        const char letter = arg[1];
        if (letter == 'h' || letter == 'V')
            return {letter == 'h' ? Choice::Help : Choice::Version};
        WriteErr(prog + Formatted(_("invalid option -- '%s'"), arg.substr(1, 1)) + "\n");
        return {};
    }
    const std::string_view body = arg.substr(2);
    const size_t equals = body.find('=');
    const std::string_view name = body.substr(0, equals);
    int found = -1;
    std::string candidates;
    for (int i = 0; i < int(std::size(kLong)); ++i) {
        const std::string_view option_name = kLong[i].name;
        if (option_name.substr(0, name.size()) != name)
            continue;
        if (option_name.size() == name.size()) {
            found = i;
            candidates.clear();
            break;
        }
        candidates += std::string(" '--") + kLong[i].name + "'";
        found = found == -1 ? i : -2;
    }
    if (found == -2) {
        WriteErr(prog + Formatted(_("option '%s' is ambiguous; possibilities:"), arg) + candidates + "\n");
        return {};
    }
    if (found == -1) {
        WriteErr(prog + Formatted(_("unrecognized option '%s'"), arg) + "\n");
        return {};
    }
    if (equals != std::string_view::npos) {
        WriteErr(prog +
                 Formatted(_("option '%s' doesn't allow an argument"), std::string("--") + kLong[found].name) +
                 "\n");
        return {};
    }
    return {kLong[found].choice, kLong[found].mode};
}

int Run(int argc, char** argv)
{
    Mode mode = Mode::Expressions;
    const char* mode_option = nullptr;
    int next = 1;
    // The first expression ends the options, so "1 -2" is two expressions; "--" ends them too.
    while (next < argc && argv[next][0] == '-' && argv[next][1] != '\0' && !IsExpression(argv[next])) {
        const char* arg = argv[next++];
        if (std::strcmp(arg, "--") == 0)
            break;
        const ParsedOption option = ParseOption(arg);
        switch (option.choice) {
        case Choice::Help: PrintUsage(); return 0;
        case Choice::Version: PrintVersion(); return 0;
        case Choice::Wrong: return HelpHint();
        case Choice::Explain: g_explain = true; continue;
        case Choice::Computation: break;
        }
        if (mode_option != nullptr)
            return UsageError(_("%s cannot be combined with another computation"), arg);
        mode = option.mode;
        mode_option = arg;
    }

    char** operands = argv + next;
    const int count = argc - next;
    switch (mode) {
    case Mode::Expressions:
        if (count > 0)
            return EvaluateArguments(operands, operands + count);
        EvaluateLines();
        return 0;
    case Mode::Solve:
        return count == 4 ? Solve(operands) : UsageError(_("%s takes four values"), mode_option);
    default:
        return count == 2 ? Angle(mode, operands[0], operands[1])
                          : UsageError(_("%s takes two values"), mode_option);
    }
}

}  // namespace

int RunCalc(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int status = Run(int(arguments.size()), argv.data());
    const std::string read_failure = calc_terminal::ReadFailure();
    if (!read_failure.empty())
        return ReadFailed(read_failure);
    calc_terminal::FinishOut();
    const std::string write_failure = calc_terminal::WriteFailure();
    return write_failure.empty() ? status : WriteFailed(write_failure);
}
