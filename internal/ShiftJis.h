// Shift-JIS (code page 932) character rules shared by CConv's text routines.
#pragma once

#include <cstddef>

namespace ShiftJis {

inline bool IsLeadByte(char ch) {
    const unsigned char b = static_cast<unsigned char>(ch);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The bytes of the character at p: a lead byte and its trail byte, or one byte. A lead byte
// just before the terminator stands alone, so a walk never steps over the terminator.
inline size_t CharLength(const char* p) {
    return (IsLeadByte(*p) && p[1] != '\0') ? 2 : 1;
}

// How many bytes of the text's first nLimit bytes hold whole characters: the text up to its
// terminator or the limit, less a lead byte whose trail byte lies beyond the limit. Bytes at or
// beyond the limit are never read, so fixed-width fields need no terminator.
inline size_t FittingLength(const char* p, size_t nLimit) {
    size_t i = 0;
    while (i < nLimit && p[i] != '\0') {
        if (!IsLeadByte(p[i])) {
            ++i;
            continue;
        }
        if (i + 2 > nLimit)
            break;
        i += p[i + 1] != '\0' ? 2 : 1;
    }
    return i;
}

// Only the single-byte letters a to z; callers step over both bytes of double-byte
// characters, whose trail bytes may look like letters.
inline char UpperLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

} // namespace ShiftJis
