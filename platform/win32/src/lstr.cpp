// Byte strings of the ANSI code page: KERNEL32's lstr functions and USER32's double-byte
// aware character stepping and upper-casing.
#include "dbcs.h"

#include <cstring>

namespace headless {
namespace {

// Collation weight of a byte, as Windows' word sort orders single characters: punctuation and
// symbols before digits, digits before letters, letters without regard to case; the other
// bytes (kana, double-byte characters) after them in byte order. Windows' own sort also sets
// aside hyphens and apostrophes and knows every Unicode character; this is enough for the
// codes, names and keys that the programs here compare.
int PrimaryWeight(BYTE ch) {
    if (ch >= 'a' && ch <= 'z')
        ch = static_cast<BYTE>(ch - 'a' + 'A');
    if (ch >= 'A' && ch <= 'Z')
        return 0x300 + ch;
    if (ch >= '0' && ch <= '9')
        return 0x200 + ch;
    if (ch < 0x80)
        return 0x100 + ch;
    return 0x400 + ch;
}

int Sign(int n) {
    return (n > 0) - (n < 0);
}

// -1, 0 or 1, as CompareString less 2. Unless bIgnoreCase, two texts that differ only in case
// are told apart by the first letter that differs, lower case first.
int Collate(const char* psz1, const char* psz2, bool bIgnoreCase) {
    const BYTE* p1 = reinterpret_cast<const BYTE*>(psz1);
    const BYTE* p2 = reinterpret_cast<const BYTE*>(psz2);
    int nCaseOrder = 0;
    for (; *p1 != 0 && *p2 != 0; ++p1, ++p2) {
        const int nOrder = PrimaryWeight(*p1) - PrimaryWeight(*p2);
        if (nOrder != 0)
            return Sign(nOrder);
        if (nCaseOrder == 0 && *p1 != *p2)
            nCaseOrder = *p1 > *p2 ? -1 : 1;
    }
    if (*p1 != *p2)
        return *p1 != 0 ? 1 : -1;
    return bIgnoreCase ? 0 : nCaseOrder;
}

int CompareStrings(LPCSTR lpString1, LPCSTR lpString2, bool bIgnoreCase) {
    // A NULL string sorts before every other.
    if (lpString1 == nullptr || lpString2 == nullptr)
        return (lpString1 != nullptr) - (lpString2 != nullptr);
    return Collate(lpString1, lpString2, bIgnoreCase);
}

} // namespace
} // namespace headless

int WINAPI lstrlenA(LPCSTR lpString) {
    return lpString != nullptr ? static_cast<int>(std::strlen(lpString)) : 0;
}

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr)
        return nullptr;
    return std::strcpy(lpString1, lpString2);
}

// Copies at most iMaxLength - 1 bytes and always terminates, even in the middle of a
// double-byte character, as Windows does.
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
    if (lpString1 == nullptr || lpString2 == nullptr)
        return nullptr;
    if (iMaxLength <= 0)
        return lpString1;
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2[i] != '\0'; ++i)
        lpString1[i] = lpString2[i];
    lpString1[i] = '\0';
    return lpString1;
}

int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
    return headless::CompareStrings(lpString1, lpString2, false);
}

int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
    return headless::CompareStrings(lpString1, lpString2, true);
}

LPSTR WINAPI CharNextA(LPCSTR lpsz) {
    if (*lpsz == '\0')
        return const_cast<LPSTR>(lpsz);
    return const_cast<LPSTR>(
        lpsz + (headless::IsLeadByte932(static_cast<BYTE>(*lpsz)) && lpsz[1] != '\0' ? 2 : 1));
}

LPSTR WINAPI CharPrevA(LPCSTR lpszStart, LPCSTR lpszCurrent) {
    // Only a walk from the start tells lead bytes from trail bytes.
    while (*lpszStart != '\0' && lpszStart < lpszCurrent) {
        LPCSTR pNext = CharNextA(lpszStart);
        if (pNext >= lpszCurrent)
            break;
        lpszStart = pNext;
    }
    return const_cast<LPSTR>(lpszStart);
}

// Upper-cases a-z only: the trail byte of a double-byte character may be a lower-case letter
// and is left alone, and so is every double-byte character.
LPSTR WINAPI CharUpperA(LPSTR lpsz) {
    // A pointer value below 0x10000 is a single character, upper-cased in place of the pointer.
    if (IS_INTRESOURCE(lpsz)) {
        const BYTE ch = static_cast<BYTE>(reinterpret_cast<ULONG_PTR>(lpsz));
        return reinterpret_cast<LPSTR>(
            static_cast<ULONG_PTR>(ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch));
    }
    for (char* p = lpsz; *p != '\0'; p = CharNextA(p)) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
    return lpsz;
}
