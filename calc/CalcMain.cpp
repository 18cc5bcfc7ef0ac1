// anglarix-calc on Linux: its terminal (libedit for typed lines, stdio otherwise) and its
// messages (gettext). Everything else is calc/CalcCommandLine.cpp, shared with Windows.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <editline/readline.h>
#include <libintl.h>
#include <unistd.h>

#include "calc/CalcCommandLine.h"

namespace calc_terminal {

const char* Translate(const char* english) { return gettext(english); }

void WriteOut(std::string_view utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }

void WriteErr(std::string_view utf8)
{
    std::fflush(stdout);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
}

void FlushOut() { std::fflush(stdout); }

bool IsInteractive() { return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO); }

// On a terminal: a prompt, line editing and history.
bool ReadLine(std::string& line)
{
    if (!IsInteractive()) {
        static char* buffer = nullptr;
        static size_t capacity = 0;
        const ssize_t length = getline(&buffer, &capacity, stdin);
        if (length < 0)
            return false;
        line.assign(buffer, size_t(length));
        return true;
    }
    rl_readline_name = kCalcProgram;  // the name ~/.editrc settings are given under
    char* typed = readline("> ");
    if (typed == nullptr)
        return false;
    line = typed;
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
    std::setlocale(LC_ALL, "");
    BindTranslations();
    return RunCalc(argc, argv);
}
