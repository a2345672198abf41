// Code page conversions through MultiByteToWideChar and WideCharToMultiByte.
#include "Text.h"

#include <windows.h>

#include <vector>

namespace {

constexpr UINT kShiftJis = 932;

std::string Convert(const std::string& text, UINT fromCodePage, UINT toCodePage) {
    if (text.empty())
        return text;
    const int cch = static_cast<int>(text.size());
    const int nWide = MultiByteToWideChar(fromCodePage, 0, text.data(), cch, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(nWide));
    MultiByteToWideChar(fromCodePage, 0, text.data(), cch, wide.data(), nWide);
    const int cb =
        WideCharToMultiByte(toCodePage, 0, wide.data(), nWide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(cb), '\0');
    WideCharToMultiByte(toCodePage, 0, wide.data(), nWide, &out[0], cb, nullptr, nullptr);
    return out;
}

} // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    return Convert(ansi, kShiftJis, CP_UTF8);
}

std::string Utf8ToAnsi(const std::string& utf8) {
    return Convert(utf8, CP_UTF8, kShiftJis);
}

bool IsLeadByte(unsigned char ch) {
    return IsDBCSLeadByteEx(kShiftJis, ch) != FALSE;
}
