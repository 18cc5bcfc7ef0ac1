// anglarix-calc in a conversation: as a co-process whose every answer must arrive before the
// next line is written, and on a terminal with a prompt, line editing, history, Ctrl+D and
// Ctrl+C.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>

namespace {

// A running anglarix-calc that the test talks to; its standard error joins its output.
class CalcSession {
public:
    enum class Through { Pipes, Terminal };

    explicit CalcSession(Through through)
    {
        if (through == Through::Terminal) {
            m_pid = forkpty(&m_output, nullptr, nullptr, nullptr);
            if (m_pid == 0)
                Exec();
            m_input = m_output;
            return;
        }
        int to_child[2];
        int from_child[2];
        if (pipe(to_child) != 0 || pipe(from_child) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(to_child[0], STDIN_FILENO);
            dup2(from_child[1], STDOUT_FILENO);
            dup2(from_child[1], STDERR_FILENO);
            // The child must not hold the write end of its own input, or it never sees the end.
            for (const int fd : {to_child[0], to_child[1], from_child[0], from_child[1]})
                close(fd);
            Exec();
        }
        close(to_child[0]);
        close(from_child[1]);
        m_input = to_child[1];
        m_output = from_child[0];
    }

    ~CalcSession()
    {
        if (m_pid > 0 && !m_waited) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_input != m_output && m_input >= 0)
            close(m_input);
        if (m_output >= 0)
            close(m_output);
    }

    bool Started() const { return m_pid > 0; }

    void Write(std::string_view text)
    {
        ASSERT_EQ(write(m_input, text.data(), text.size()), ssize_t(text.size()));
    }

    // What arrives until `expected` has, or until five seconds have passed.
    std::string ReadUntil(std::string_view expected)
    {
        std::string read;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (read.find(expected) == std::string::npos) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd fd = {m_output, POLLIN, 0};
            if (left.count() <= 0 || poll(&fd, 1, int(left.count())) <= 0)
                break;
            char buffer[4096];
            const ssize_t n = ::read(m_output, buffer, sizeof buffer);
            if (n <= 0)
                break;
            read.append(buffer, size_t(n));
        }
        return read;
    }

    void CloseInput()
    {
        close(m_input);
        m_input = -1;
    }

    // The exit status, or -1 when the program has not ended by itself within the time.
    int Wait(int hundredths = 500)
    {
        for (int i = 0; i < hundredths; ++i) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_waited = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            usleep(10000);
        }
        return -1;
    }

private:
    [[noreturn]] static void Exec()
    {
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("TERM", "xterm", 1);
        execl(ANGLARIX_CALC_PATH, "anglarix-calc", static_cast<char*>(nullptr));
        _exit(127);
    }

    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    bool m_waited = false;
};

// What the test sends, and what must then be shown.
struct Exchange {
    const char* sent;
    const char* answer;
};

TEST(CalcSession, EachAnswerArrivesBeforeTheNextLineIsWritten)
{
    CalcSession calc(CalcSession::Through::Pipes);
    ASSERT_TRUE(calc.Started());
    const Exchange exchanges[] = {
        {"sin(30)\n", "0.499999999987\n"},
        {"2^10\n", "1024\n"},
        {"1/0\n", "\nanglarix-calc: 1/0: division by 0 or by a number too small\n"},
        {"007\n", "007\n"},
    };
    for (const auto& e : exchanges) {
        calc.Write(e.sent);
        EXPECT_EQ(calc.ReadUntil(e.answer), e.answer) << e.sent;
    }
    calc.CloseInput();
    EXPECT_EQ(calc.Wait(), 0);
}

TEST(CalcSession, TerminalHasPromptEditingHistoryAndCtrlDEnds)
{
    CalcSession calc(CalcSession::Through::Terminal);
    ASSERT_TRUE(calc.Started());
    EXPECT_NE(calc.ReadUntil("> ").find("> "), std::string::npos);

    // clang-format off
    const Exchange exchanges[] = {
        {"sin(30)\r", "0.499999999987"},
        {"1/0\r", "division by 0 or by a number too small"},
        {"\x1b[A\x1b[A\r", "0.499999999987"},  // up twice: sin(30) again
        {"0+1\x01" "9\r", "91"},                  // Ctrl+A, then 9 at the start: 90+1
        {"2+33\x7f\r", "5"},                      // backspace: 2+3
        // Esc x reads no editor command (whose parser crashed on a lone quote), nor does Meta-x.
        {"\x1bx\"\r", "nothing in the expression can be calculated"},
        {"\xc3\xb8\"\r", "nothing in the expression can be calculated"},
    };
    // clang-format on
    for (const auto& e : exchanges) {
        calc.Write(e.sent);
        const std::string answer_and_prompt = std::string(e.answer) + "\r\n> ";
        const std::string shown = calc.ReadUntil(answer_and_prompt);
        EXPECT_NE(shown.find(answer_and_prompt), std::string::npos) << e.sent << " showed: " << shown;
    }
    // A key that arrives while the line editor sets the terminal up may be lost, or taken as a
    // literal character (the line then shows "^D"), as it would be for a user pressing it that
    // early: Ctrl+D again, first emptying the line (Ctrl+A, Ctrl+K), until it has been seen.
    int status = -1;
    for (int attempt = 0; attempt < 5 && status == -1; ++attempt) {
        calc.Write(attempt == 0 ? "\x04" : "\x01\x0b\x04");
        status = calc.Wait(100);
    }
    EXPECT_EQ(status, 0);
}

TEST(CalcSession, CtrlCEndsTheSession)
{
    CalcSession calc(CalcSession::Through::Terminal);
    ASSERT_TRUE(calc.Started());
    EXPECT_NE(calc.ReadUntil("> ").find("> "), std::string::npos);
    // As with Ctrl+D, a Ctrl+C that arrives while the line editor sets the terminal up may be
    // taken before the editor listens for it: press it again until it has been seen.
    calc.Write("1+");
    int status = -1;
    for (int attempt = 0; attempt < 5 && status == -1; ++attempt) {
        calc.Write("\x03");
        status = calc.Wait(100);
    }
    EXPECT_EQ(status, 0);
}

}  // namespace
