#pragma once
// anglarix-calc apart from its terminal: the options, the answers, the line handling, the
// reasons and the exit statuses, the same on every system. Arguments, lines and everything
// written are UTF-8 here (each system's terminal converts); the engine sees GBK, as in the window.
//   anglarix-calc sin(30)          out "0.499999999987\n", status 0
//   anglarix-calc 1/0              out "\n", err "anglarix-calc: 1/0: division by 0 ...\n", 1
//   anglarix-calc --asin 1         err "anglarix-calc: --asin takes two values\n" + hint, 2
//   anglarix-calc 1 > /dev/full    err "anglarix-calc: cannot write the output: No space ...\n", 3
// A failing expression is repeated up to its first 40 characters, then "…".
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kCalcProgram[] = "anglarix-calc";
// A read or a write that failed: the answers are not all where they should be.
inline constexpr int kCalcInputOutputFailed = 3;

// arguments[0] is ignored: messages name the program as kCalcProgram.
int RunCalc(std::vector<std::string> arguments);

// What each system's main supplies: its terminal, its message catalogue.
namespace calc_terminal {

// The message in the user's language; the English text itself when there is no translation.
const char* Translate(const char* english);
// Standard output and standard error, given UTF-8. Writing to standard error hands on what
// standard output holds first, so that the two keep their order where they meet.
void WriteOut(std::string_view utf8);
void WriteErr(std::string_view utf8);
// Called after each answer to a line, which must leave before the program waits for the next
// line; a terminal may hold it until it is about to wait.
void FlushOut();
// Hands on everything standard output holds, now: the program is about to end.
void FinishOut();
// The system's words for why the first write to standard output that failed did ("No space
// left on device"); empty while none has failed.
std::string WriteFailure();
// The system's words for why ReadLine last returned false; empty when the input just ended.
std::string ReadFailure();
// True when a person types the lines: a prompt, line editing and history, and empty lines
// skipped, as in a shell.
bool IsInteractive();
// The next line, its line ending may be left on; false at the end of the input.
bool ReadLine(std::string& line);

}  // namespace calc_terminal
