// anglarix-calc: the calculator's expression engine and its angle and side computations on the
// command line. Arguments, lines and messages are in the locale's character set (UTF-8 or
// GBK); the engine sees GBK, as in the window.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <string>
#include <string_view>

#include <editline/readline.h>
#include <fcntl.h>
#include <getopt.h>
#include <langinfo.h>
#include <libintl.h>
#include <unistd.h>

#include "calc/AngleRatios.h"
#include "calc/EvaluateExpression.h"
#include "calc/Reasons.h"
#include "calc/SideLengths.h"
#include "data/ProductInfo.h"
#include "values/Gbk.h"

#define _(text) gettext(text)

namespace {

constexpr char kProgram[] = "anglarix-calc";
// A read or a write that failed: the answers are not all where they should be.
constexpr int kInputOutputFailed = 3;
// How much of a failing expression its message repeats.
constexpr size_t kSubjectCharacters = 40;

// The locale's character set, which arguments, lines and messages are in: GBK under a
// Chinese GBK locale (GB2312 and GB18030 read as GBK), UTF-8 otherwise.
bool g_gbk_locale = false;

void ChooseCharacterSet()
{
    const std::string_view codeset = nl_langinfo(CODESET);
    g_gbk_locale = codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030" || codeset == "CP936";
}

bool IsAscii(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// A text in the locale's character set as the engine reads it; ASCII needs no conversion.
std::string_view ToEngine(std::string_view text, std::string& converted)
{
    if (g_gbk_locale || IsAscii(text))
        return text;
    converted = Utf8ToGbk(text);
    return converted;
}

std::string ToEngine(std::string_view text)
{
    std::string converted;
    return std::string(ToEngine(text, converted));
}

// At most the first kSubjectCharacters characters of text, then "…" when there are more.
std::string Abbreviated(std::string_view text)
{
    size_t end = 0;
    for (size_t count = 0; end < text.size() && count < kSubjectCharacters; ++count) {
        const auto byte = static_cast<unsigned char>(text[end]);
        size_t length = 1;
        if (g_gbk_locale && byte >= 0x81)
            length = 2;
        else if (!g_gbk_locale)
            while (end + length < text.size() && (static_cast<unsigned char>(text[end + length]) & 0xC0) == 0x80)
                ++length;
        end = std::min(text.size(), end + length);
    }
    if (end == text.size())
        return std::string(text);
    return std::string(text.substr(0, end)) + (g_gbk_locale ? "\xA1\xAD" : "\xE2\x80\xA6");
}

// "anglarix-calc: 1/0: division by 0 or by a number too small"; without a subject, just the
// reason. The wordings are the calculator's own, one per reason.
void ReportFailure(Reason reason, std::string_view subject = {})
{
    const char* text = _(WordingOf(reason).english);
    if (subject.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, text);
        return;
    }
    const std::string shown = Abbreviated(subject);
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, shown.c_str(), text);
}

// Standard input or output closed when the program started: /dev/null holds its number, so
// that no file the program opens takes it, opened the wrong way round so that reading or
// writing it still fails as on the closed stream.
void HoldClosedStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF &&
            open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY) != fd)
            std::exit(kInputOutputFailed);
    }
}

int InputOutputFailed(const char* what, int error)
{
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, what, std::strerror(error));
    return kInputOutputFailed;
}

int ReadFailed(int error) { return InputOutputFailed(_("cannot read the input"), error); }

int WriteFailed(int error) { return InputOutputFailed(_("cannot write the output"), error); }

// Why the first write to standard output that failed did.
int g_write_error = 0;

void NoteWriteError()
{
    if (g_write_error == 0 && std::ferror(stdout))
        g_write_error = errno != 0 ? errno : EIO;
}

// Whether everything written so far has reached standard output.
bool OutputFailed(int& error)
{
    errno = 0;
    std::fflush(stdout);
    NoteWriteError();
    error = g_write_error;
    return error != 0;
}

// The status to exit with once the answers are written: 3 when they could not all be.
int Finish(int status)
{
    int error = 0;
    return OutputFailed(error) ? WriteFailed(error) : status;
}

void PrintUsage()
{
    std::fputs(_("Usage:\n"
                 "  anglarix-calc [--] EXPR...     print the value of each expression, one per line\n"
                 "  anglarix-calc                  read expressions from standard input, one per line\n"
                 "  anglarix-calc --asin OPPOSITE HYPOTENUSE\n"
                 "  anglarix-calc --atan OPPOSITE ADJACENT\n"
                 "  anglarix-calc --acos ADJACENT HYPOTENUSE\n"
                 "                                 the angle in degrees that the button writes\n"
                 "  anglarix-calc --solve ANGLE OPPOSITE ADJACENT HYPOTENUSE\n"
                 "                                 the result opposite side, hypotenuse and adjacent side\n"
                 "                                 (give \"\" for an empty box)\n"
                 "  -h, --help                     this text\n"
                 "  -V, --version                  the version and the licence\n"
                 "\n"
                 "Angles are in degrees; sin( cos( tg( ctg( are the functions, e.g. \"2*tg(30)+1\".\n"
                 "An expression without a value prints an empty line and stderr says why; with\n"
                 "arguments, the exit status is then 1. On a terminal, lines are edited with history\n"
                 "and Ctrl+D or Ctrl+C ends. A failed read or write exits with status 3.\n"),
               stdout);
}

void PrintHelpHint() { std::fprintf(stderr, _("Try '%s --help' for more information.\n"), kProgram); }

// One-line complaint and the hint, for everything that is not how the program is called.
int UsageError(const char* message, const char* detail)
{
    std::fprintf(stderr, "%s: ", kProgram);
    std::fprintf(stderr, message, detail);
    std::fprintf(stderr, "\n");
    PrintHelpHint();
    return 2;
}

void PrintLine(const std::string& gbk)
{
    const std::string text = g_gbk_locale || IsAscii(gbk) ? gbk : GbkToUtf8(gbk);
    errno = 0;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    NoteWriteError();
}

// Prints the expression's value, or says why it has none; false when it has none.
bool Answer(ExpressionEngine& engine, std::string_view expression, bool print_empty)
{
    std::string converted;
    const Evaluation evaluation = engine.EvaluateWithReason(ToEngine(expression, converted));
    const std::string& value = evaluation.text;
    if (!value.empty() || print_empty)
        PrintLine(value);
    if (value.empty())
        ReportFailure(evaluation.reason, expression);
    return !value.empty();
}

// One line in, one answer out and flushed at once, so the program can serve as a co-process.
int EvaluateLines()
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
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
        Answer(engine, text, true);
        int error = 0;
        if (OutputFailed(error)) {
            std::free(line);
            return WriteFailed(error);
        }
    }
    const int error = errno;
    std::free(line);
    if (std::ferror(stdin))
        return ReadFailed(error);
    return 0;
}

// Esc-x (and Meta-x as one byte) and ":" in vi's command mode read an editor command, whose
// parser Debian's libedit crashes on a lone quote: no key runs it.
void UnbindEditorCommands()
{
    for (const char* binding : {"bind ^[x ed-unassigned", "bind ^[X ed-unassigned", "bind \\\\370 ed-insert",
                                "bind \\\\330 ed-insert", "bind -a : ed-unassigned"})
        rl_parse_and_bind(binding);
}

volatile sig_atomic_t g_interrupted = 0;

void NoteInterrupt(int) { g_interrupted = 1; }

// On a terminal: a prompt, line editing and history. Empty lines are skipped, as in a shell.
// Ctrl+C ends the session as Ctrl+D does: the line editor puts the terminal back and hands the
// signal on, and the read it interrupted ends.
int Interact()
{
    struct sigaction interrupt = {};
    interrupt.sa_handler = &NoteInterrupt;
    sigaction(SIGINT, &interrupt, nullptr);
    rl_readline_name = kProgram;  // the name ~/.editrc settings are given under
    rl_initialize();
    UnbindEditorCommands();
    ExpressionEngine engine;
    while (char* line = g_interrupted ? nullptr : readline("> ")) {
        const std::string_view text(line);
        if (!text.empty()) {
            add_history(line);
            Answer(engine, text, false);
            std::fflush(stdout);
        }
        std::free(line);
    }
    std::fputc('\n', stdout);
    return 0;
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
    const std::string first = ToEngine(a);
    const std::string second = ToEngine(b);
    Reason reason = Reason::None;
    const std::string angle = mode == Mode::ArcSine      ? ArcSineText(first, second, &reason)
                              : mode == Mode::ArcTangent ? ArcTangentText(first, second, &reason)
                                                         : ArcCosineText(first, second, &reason);
    PrintLine(angle);
    if (!angle.empty())
        return 0;
    ReportFailure(reason);
    return 1;
}

int Solve(char** boxes)
{
    const SideLengths sides =
        SolveSides(ToEngine(boxes[0]), ToEngine(boxes[1]), ToEngine(boxes[2]), ToEngine(boxes[3]));
    if (sides.outcome == SolveOutcome::AngleMissing) {
        ReportFailure(sides.reason);
        return 1;
    }
    // Starting from empty result boxes, a click without a known side leaves them empty.
    PrintLine(sides.opposite);
    PrintLine(sides.hypotenuse);
    PrintLine(sides.adjacent);
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
    return arg[0] == '-' && arg[1] != '\0' && arg[1] != '-' && !std::isalpha(static_cast<unsigned char>(arg[1]));
}

// The translations sit at the same place relative to the program in the build tree, under
// the install prefix and in an unpacked package.
void BindTranslations()
{
    std::string dir = ANGLARIX_LOCALEDIR;
    char exe[4096];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (length > 0) {
        const std::string_view path(exe, size_t(length));
        dir = std::string(path.substr(0, path.rfind('/') + 1)) + ANGLARIX_LOCALEDIR_FROM_BINDIR;
    }
    bindtextdomain(kProgram, dir.c_str());
    bind_textdomain_codeset(kProgram, g_gbk_locale ? nl_langinfo(CODESET) : "UTF-8");
    textdomain(kProgram);
}

int Run(int argc, char** argv)
{
    HoldClosedStreams();
    std::setlocale(LC_ALL, "");
    ChooseCharacterSet();
    BindTranslations();
    argv[0] = const_cast<char*>(kProgram);  // getopt's own messages name the program as ours do

    static const option kOptions[] = {
        {"asin", no_argument, nullptr, 'S'},  {"atan", no_argument, nullptr, 'T'},
        {"acos", no_argument, nullptr, 'C'},  {"solve", no_argument, nullptr, 'L'},
        {"help", no_argument, nullptr, 'h'},  {"version", no_argument, nullptr, 'V'},
        {nullptr, 0, nullptr, 0},
    };
    Mode mode = Mode::Expressions;
    const char* mode_option = nullptr;
    // "+": the first expression ends the options, so "1 -2" is two expressions.
    while (optind < argc && !IsExpression(argv[optind])) {
        const int c = getopt_long(argc, argv, "+hV", kOptions, nullptr);
        if (c == -1)
            break;
        Mode chosen = Mode::Expressions;
        switch (c) {
        case 'h':
            PrintUsage();
            return 0;
        case 'V':
            std::printf("%s (%s) %s\n%s\nLicense: %s\n", kProgram, product::kName, product::kVersion,
                        product::kCopyright, product::kLicense);
            return 0;
        case 'S': chosen = Mode::ArcSine; break;
        case 'T': chosen = Mode::ArcTangent; break;
        case 'C': chosen = Mode::ArcCosine; break;
        case 'L': chosen = Mode::Solve; break;
        default:  // getopt has said what was wrong
            PrintHelpHint();
            return 2;
        }
        if (mode_option != nullptr)
            return UsageError(_("%s cannot be combined with another computation"), argv[optind - 1]);
        mode = chosen;
        mode_option = argv[optind - 1];
    }

    char** operands = argv + optind;
    const int count = argc - optind;
    switch (mode) {
    case Mode::Expressions:
        if (count > 0)
            return EvaluateArguments(operands, operands + count);
        return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO) ? Interact() : EvaluateLines();
    case Mode::Solve:
        return count == 4 ? Solve(operands) : UsageError(_("%s takes four values"), mode_option);
    default:
        return count == 2 ? Angle(mode, operands[0], operands[1]) : UsageError(_("%s takes two values"), mode_option);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int status = Run(argc, argv);
    return status == kInputOutputFailed ? status : Finish(status);
}
