// The double-byte rule of code page 932 (Shift-JIS), the ANSI and OEM code page here.
#pragma once

#include <windows.h>

#include <string>

namespace headless {

constexpr UINT kAnsiCodePage = 932;

// 0x81-0x9F and 0xE0-0xFC start a double-byte character; the half-width katakana 0xA1-0xDF
// between them are single bytes.
constexpr bool IsLeadByte932(BYTE ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

// Bytes in the character that starts at p, of the n bytes left: a lead byte takes the byte
// after it, unless the text ends there.
inline size_t CharLength932(const char* p, size_t n) {
    return IsLeadByte932(static_cast<BYTE>(*p)) && n >= 2 ? 2 : 1;
}

// The character that starts at p, of the n bytes left, as the IME messages carry it: a
// double-byte character with its lead byte in the high byte.
inline WPARAM ImeCharacter(const char* p, size_t n) {
    const BYTE ch = static_cast<BYTE>(*p);
    return CharLength932(p, n) == 2 ? MAKEWORD(p[1], ch) : ch;
}

// UTF-16 text in the ANSI code page, as WideCharToMultiByte makes it; for callers inside
// GrowStorage, as it throws std::bad_alloc without memory.
std::string AnsiFromUtf16(const char16_t* p, size_t n);

} // namespace headless
