#pragma once
// Texts between the runtime (GBK, through the project's own tables) and the W API (UTF-16).
//   WideFromGbk("\xBD\xC7\xB6\xC8") -> L"角度";  GbkFromWide(L"角度") -> "\xBD\xC7\xB6\xC8"
#include "faces/win/window/WinApi.h"

#include <string>
#include <string_view>

#include "values/Gbk.h"

inline std::wstring WideFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(n > 0 ? n : 0), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

inline std::string Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), n, nullptr, nullptr);
    return utf8;
}

inline std::wstring WideFromGbk(std::string_view gbk) { return WideFromUtf8(GbkToUtf8(gbk)); }
inline std::string GbkFromWide(std::wstring_view wide) { return Utf8ToGbk(Utf8FromWide(wide)); }

// A window's whole text.
inline std::wstring WindowText(HWND hwnd)
{
    std::wstring text(size_t(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}
