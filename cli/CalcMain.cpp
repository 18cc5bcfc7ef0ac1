// anglarix-calc on Linux: its terminal (libedit for typed lines, stdio otherwise) and its
// messages (gettext). Arguments, lines and messages are in the locale's character set (UTF-8
// or GBK). Everything else is cli/CalcCommandLine.cpp, shared with Windows.
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <editline/readline.h>
#include <fcntl.h>
#include <langinfo.h>
#include <libintl.h>
#include <unistd.h>

#include "cli/CalcCommandLine.h"
#include "values/Gbk.h"

namespace {

// GBK under a Chinese GBK locale (GB2312 and GB18030 read as GBK), UTF-8 otherwise.
bool g_gbk_locale = false;

void ChooseCharacterSet()
{
    const std::string_view codeset = nl_langinfo(CODESET);
    g_gbk_locale = codeset == "GBK" || codeset == "GB2312" || codeset == "GB18030" || codeset == "CP936";
}

// The locale's character set as the UTF-8 the shared part reads.
std::string FromLocale(std::string_view text) { return g_gbk_locale ? GbkToUtf8(text) : std::string(text); }

// Writes UTF-8 text in the locale's character set, without a copy under a UTF-8 locale.
void WriteInLocale(std::string_view utf8, std::FILE* stream)
{
    const std::string gbk = g_gbk_locale ? Utf8ToGbk(utf8) : std::string();
    const std::string_view text = g_gbk_locale ? std::string_view(gbk) : utf8;
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Why the first write to standard output that failed did, and why the last read failed.
int g_write_error = 0;
int g_read_error = 0;

void NoteWriteError()
{
    if (g_write_error == 0 && std::ferror(stdout))
        g_write_error = errno != 0 ? errno : EIO;
}

std::string Described(int error) { return error == 0 ? std::string() : FromLocale(std::strerror(error)); }

// Standard input or output closed when the program started: /dev/null holds its number, so
// that no file the program opens takes it, opened the wrong way round so that reading or
// writing it still fails as on the closed stream.
void HoldClosedStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF &&
            open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY) != fd)
            std::exit(kCalcInputOutputFailed);
    }
}

// Esc-x (and Meta-x as one byte) and ":" in vi's command mode read an editor command, whose
// parser Debian's libedit crashes on a lone quote: no key runs it.
void UnbindEditorCommands()
{
    for (const char* binding : {"bind ^[x ed-unassigned", "bind ^[X ed-unassigned", "bind \\\\370 ed-insert",
                                "bind \\\\330 ed-insert", "bind -a : ed-unassigned"})
        rl_parse_and_bind(binding);
}

constexpr size_t kKeptReadBuffer = 1 << 20;

volatile sig_atomic_t g_interrupted = 0;

void NoteInterrupt(int) { g_interrupted = 1; }

// Ctrl+C ends the session as Ctrl+D does: the line editor puts the terminal back and hands the
// signal on, and the read it interrupted ends.
void StartLineEditor()
{
    struct sigaction interrupt = {};
    interrupt.sa_handler = &NoteInterrupt;
    sigaction(SIGINT, &interrupt, nullptr);
    rl_readline_name = kCalcProgram;  // the name ~/.editrc settings are given under
    rl_initialize();
    UnbindEditorCommands();
}

}  // namespace

namespace calc_terminal {

// The catalogue is bound as UTF-8, as everything the shared part writes.
const char* Translate(const char* english) { return gettext(english); }

void WriteOut(std::string_view utf8)
{
    errno = 0;
    WriteInLocale(utf8, stdout);
    NoteWriteError();
}

void WriteErr(std::string_view utf8)
{
    FlushOut();
    WriteInLocale(utf8, stderr);
}

void FlushOut()
{
    errno = 0;
    std::fflush(stdout);
    NoteWriteError();
}

void FinishOut() { FlushOut(); }

std::string WriteFailure() { return Described(g_write_error); }

std::string ReadFailure() { return Described(g_read_error); }

bool IsInteractive()
{
    static const bool interactive = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    return interactive;
}

// On a terminal: a prompt, line editing and history.
bool ReadLine(std::string& line)
{
    if (!IsInteractive()) {
        static char* buffer = nullptr;
        static size_t capacity = 0;
        errno = 0;
        const ssize_t length = getline(&buffer, &capacity, stdin);
        if (length < 0) {
            if (std::ferror(stdin))
                g_read_error = errno != 0 ? errno : EIO;
            return false;
        }
        line = FromLocale(std::string_view(buffer, size_t(length)));
        // A long line's buffer goes as soon as it is copied, so it does not stand beside the
        // engine's working texts.
        if (capacity > kKeptReadBuffer) {
            std::free(buffer);
            buffer = nullptr;
            capacity = 0;
        }
        return true;
    }
    static const bool started = (StartLineEditor(), true);
    (void)started;
    char* typed = g_interrupted ? nullptr : readline("> ");
    if (typed == nullptr)
        return false;
    line = FromLocale(typed);
    if (!line.empty())
        add_history(typed);
    std::free(typed);
    return true;
}

}  // namespace calc_terminal

namespace {

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
    bindtextdomain(kCalcProgram, dir.c_str());
    bind_textdomain_codeset(kCalcProgram, "UTF-8");
    textdomain(kCalcProgram);
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that has gone makes a write fail, reported with status 3 as any failed write,
    // rather than ending the process by the signal.
    std::signal(SIGPIPE, SIG_IGN);
    HoldClosedStreams();
    std::setlocale(LC_ALL, "");
    ChooseCharacterSet();
    BindTranslations();
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(FromLocale(argv[i]));
    return RunCalc(std::move(arguments));
}
