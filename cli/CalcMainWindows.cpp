// anglarix-calc on Windows: its terminal and its messages. Arguments arrive as UTF-16. A
// console is read and written through its wide-character interface, so Chinese shows in any
// console code page, and its own line editing and history serve the typed lines; pipes and
// files carry UTF-8 bytes. The messages are Chinese when the user's interface language is, from
// the catalogue msgfmt writes from po/, built into the program. Everything else is
// cli/CalcCommandLine.cpp, shared with Linux.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/CalcCommandLine.h"
#include "cli/MessageCatalogue.h"

namespace {

bool IsConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

std::wstring Widened(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

// A lone surrogate becomes U+FFFD, which has no GBK form: the engine then sees "?".
std::string Narrowed(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr,
                                           nullptr);
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

// The system's words for an error, as strerror gives them on Linux: one line, no full stop.
std::string Described(DWORD error)
{
    if (error == 0)
        return {};
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string described = length == 0 ? std::string() : Narrowed(std::wstring_view(text, length));
    LocalFree(text);
    while (!described.empty() &&
           (std::isspace(static_cast<unsigned char>(described.back())) || described.back() == '.'))
        described.pop_back();
    return described.empty() ? "error " + std::to_string(error) : described;
}

// Why the last read of standard input failed; 0 when the input just ended.
DWORD g_read_error = 0;

// Ctrl+C at a console ends the typed lines as Ctrl+D does, instead of ending the program
// between an answer and its message.
volatile LONG g_interrupted = 0;

BOOL WINAPI NoteInterrupt(DWORD event)
{
    if (event != CTRL_C_EVENT)
        return FALSE;
    InterlockedExchange(&g_interrupted, 1);
    return TRUE;
}

// One standard handle: a console is written as UTF-16 at once, anything else as UTF-8 bytes,
// gathered until handed on. The first write that fails is remembered, and nothing more is
// written.
class Output {
public:
    explicit Output(DWORD which) : m_handle(GetStdHandle(which)), m_console(IsConsole(m_handle)) {}

    void Write(std::string_view utf8)
    {
        if (m_error != 0)
            return;
        if (m_console) {
            const std::wstring wide = Widened(utf8);
            DWORD written = 0;
            if (!wide.empty() && !WriteConsoleW(m_handle, wide.data(), DWORD(wide.size()), &written, nullptr))
                m_error = ErrorOf(GetLastError());
            return;
        }
        m_pending.append(utf8);
        if (m_pending.size() >= 64 * 1024)
            Flush();
    }

    void Flush()
    {
        size_t done = 0;
        while (done < m_pending.size()) {
            DWORD written = 0;
            const DWORD chunk = DWORD(std::min<size_t>(m_pending.size() - done, 1 << 20));
            if (!WriteFile(m_handle, m_pending.data() + done, chunk, &written, nullptr)) {
                m_error = ErrorOf(GetLastError());
                break;
            }
            if (written == 0) {
                m_error = ERROR_WRITE_FAULT;
                break;
            }
            done += written;
        }
        m_pending.clear();
    }

    DWORD Error() const { return m_error; }

private:
    static DWORD ErrorOf(DWORD error) { return error != 0 ? error : ERROR_WRITE_FAULT; }

    HANDLE m_handle;
    bool m_console;
    std::string m_pending;
    DWORD m_error = 0;
};

Output& StandardOutput()
{
    static Output output(STD_OUTPUT_HANDLE);
    return output;
}

Output& StandardError()
{
    static Output error(STD_ERROR_HANDLE);
    return error;
}

// Lines typed at a console, with the console's own editing and history. Ctrl+D, as on Linux,
// and Ctrl+Z then Enter, as on Windows, end the input.
bool ReadConsoleLine(HANDLE input, std::string& line)
{
    constexpr wchar_t kCtrlD = 0x04;
    constexpr wchar_t kCtrlZ = 0x1A;
    if (g_interrupted != 0)
        return false;
    std::wstring typed;
    wchar_t buffer[512];
    for (;;) {
        CONSOLE_READCONSOLE_CONTROL control = {};
        control.nLength = sizeof control;
        control.dwCtrlWakeupMask = 1u << kCtrlD;
        DWORD read = 0;
        const BOOL done = ReadConsoleW(input, buffer, DWORD(std::size(buffer)), &read, &control);
        if (g_interrupted != 0)
            return false;
        if (!done) {
            g_read_error = GetLastError();
            return false;
        }
        if (read == 0)
            return false;
        typed.append(buffer, read);
        if (typed.find(kCtrlD) != std::wstring::npos || typed.front() == kCtrlZ)
            return false;
        if (typed.back() == L'\n')
            break;
    }
    line = Narrowed(typed);
    return true;
}

// Bytes from a pipe or a file, cut at each line feed. What the answers so far wrote is handed
// on before each read that may wait: the writer of the lines may be waiting for it. Lines
// already read are answered without a write each, which under Wine costs a round trip.
class ByteLines {
public:
    bool Next(HANDLE input, std::string& line, Output& answers)
    {
        for (;;) {
            const size_t end = m_pending.find('\n', m_scanned);
            if (end != std::string::npos) {
                line.assign(m_pending, 0, end + 1);
                m_pending.erase(0, end + 1);
                m_scanned = 0;
                return true;
            }
            m_scanned = m_pending.size();
            answers.Flush();
            char buffer[64 * 1024];
            DWORD read = 0;
            // A closed pipe's writer ends the input as an end of file does.
            if (!ReadFile(input, buffer, sizeof buffer, &read, nullptr)) {
                const DWORD error = GetLastError();
                if (error != ERROR_BROKEN_PIPE && error != ERROR_HANDLE_EOF)
                    g_read_error = error;
                read = 0;
            }
            if (read == 0) {
                if (m_pending.empty())
                    return false;
                line.swap(m_pending);
                m_pending.clear();
                m_scanned = 0;
                return true;
            }
            m_pending.append(buffer, read);
        }
    }

private:
    std::string m_pending;
    size_t m_scanned = 0;
};

std::string_view ResourceBytes(const wchar_t* name)
{
    HRSRC resource = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (resource == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* bytes = loaded == nullptr ? nullptr : LockResource(loaded);
    return bytes == nullptr
               ? std::string_view()
               : std::string_view(static_cast<const char*>(bytes), SizeofResource(nullptr, resource));
}

const MessageCatalogue& Catalogue()
{
    static const MessageCatalogue catalogue = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE
                                                  ? MessageCatalogue(ResourceBytes(L"CATALOGUE_ZH"))
                                                  : MessageCatalogue();
    return catalogue;
}

}  // namespace

namespace calc_terminal {

const char* Translate(const char* english)
{
    const char* translation = Catalogue().Translate(english);
    return translation != nullptr ? translation : english;
}

void WriteOut(std::string_view utf8) { StandardOutput().Write(utf8); }

void WriteErr(std::string_view utf8)
{
    StandardOutput().Flush();
    StandardError().Write(utf8);
    StandardError().Flush();
}

// A console is written at once; anything else before the next read (ReadLine).
void FlushOut() {}

void FinishOut() { StandardOutput().Flush(); }

std::string WriteFailure() { return Described(StandardOutput().Error()); }

std::string ReadFailure() { return Described(g_read_error); }

bool IsInteractive()
{
    static const bool interactive = IsConsole(GetStdHandle(STD_INPUT_HANDLE)) &&
                                    IsConsole(GetStdHandle(STD_OUTPUT_HANDLE));
    return interactive;
}

// Whether standard input is a console is asked once: under Wine each question is a round trip.
bool ReadLine(std::string& line)
{
    static const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    static const bool console = IsConsole(input);
    if (console) {
        static const BOOL handled = SetConsoleCtrlHandler(&NoteInterrupt, TRUE);
        (void)handled;
        if (IsInteractive())
            WriteOut("> ");
        return ReadConsoleLine(input, line);
    }
    static ByteLines lines;
    return lines.Next(input, line, StandardOutput());
}

}  // namespace calc_terminal

int wmain(int argc, wchar_t** wargv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(Narrowed(wargv[i]));
    return RunCalc(std::move(arguments));
}
