// Comparing byte strings of the ANSI code page as KERNEL32's lstrcmpi does, for the sorted
// lists and the exact look-ups of list boxes.
#include <windows.h>

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

} // namespace
} // namespace headless

// -1, 0 or 1, as CompareString less 2. A NULL string sorts before every other.
int WINAPI lstrcmpiA(LPCSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr)
        return (lpString1 != nullptr) - (lpString2 != nullptr);
    const BYTE* p1 = reinterpret_cast<const BYTE*>(lpString1);
    const BYTE* p2 = reinterpret_cast<const BYTE*>(lpString2);
    for (; *p1 != 0 && *p2 != 0; ++p1, ++p2) {
        const int nOrder = headless::PrimaryWeight(*p1) - headless::PrimaryWeight(*p2);
        if (nOrder != 0)
            return headless::Sign(nOrder);
    }
    if (*p1 != *p2)
        return *p1 != 0 ? 1 : -1;
    return 0;
}
