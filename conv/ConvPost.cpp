// CConv's postal code routines: ConvPostCode and ConvShortPostName.
#include "CConv.h"

#include <algorithm>
#include <cstring>

#include "ShiftJis.h"

namespace {

// "〒" (postal mark)
constexpr char kPostalMark[] = "\x81\xA7";
constexpr size_t kPostalMarkLength = sizeof kPostalMark - 1;
constexpr size_t kFirstPartWidth = 3;
constexpr size_t kLongestSecondPart = 4;

// Second parts of the three-and-two layout that are not shown.
constexpr char kHiddenSecondParts[][3] = {"00", "08", "09", "80", "81",
                                          "82", "83", "84", "88", "89"};

// Modes other than 0 (three digits and two) and 1 (three and four) write nothing; negative
// modes are refused like those above 1.
bool IsPostCodeMode(short nMode) {
    return nMode == 0 || nMode == 1;
}

bool IsHiddenSecondPart(const char* pPart, size_t nLength) {
    if (nLength != 2)
        return false;
    for (const char* pHidden : kHiddenSecondParts) {
        if (std::memcmp(pPart, pHidden, 2) == 0)
            return true;
    }
    return false;
}

} // namespace

// The first part stands left-aligned in at least three characters; of the second part, 2 or
// 4 bytes are taken, never half a double-byte character.
void CConv::ConvPostCode(char* lpszDst, const char* lpszCode1, const char* lpszCode2, short nMode,
                         short bMark) {
    if (!IsPostCodeMode(nMode))
        return;
    char* p = lpszDst;
    if (bMark) {
        std::memcpy(p, kPostalMark, kPostalMarkLength);
        p += kPostalMarkLength;
    }
    const size_t nCode1 = std::strlen(lpszCode1);
    std::memcpy(p, lpszCode1, nCode1);
    p += nCode1;
    for (size_t n = nCode1; n < kFirstPartWidth; ++n)
        *p++ = ' ';
    const size_t nTaken = ShiftJis::FittingLength(lpszCode2, static_cast<size_t>(nMode) * 2 + 2);
    if (nTaken > 0 && !(nMode == 0 && IsHiddenSecondPart(lpszCode2, nTaken))) {
        *p++ = '-';
        std::memcpy(p, lpszCode2, nTaken);
        p += nTaken;
    }
    *p = '\0';
}

// A string has no fixed size: a first part longer than three characters is kept whole.
void CConv::ConvPostCode(CString& strDst, CString strCode1, CString strCode2, short nMode,
                         short bMark) {
    if (!IsPostCodeMode(nMode))
        return;
    const size_t nCode1 = static_cast<size_t>(strCode1.GetLength());
    const size_t nLongest =
        kPostalMarkLength + std::max(nCode1, kFirstPartWidth) + 1 + kLongestSecondPart;
    ConvPostCode(strDst.GetBuffer(static_cast<int>(nLongest)), strCode1, strCode2, nMode, bMark);
    strDst.ReleaseBuffer();
}

// The parenthesis is a single byte that no trail byte can be, but the walk still goes by
// characters; the full-width parenthesis is not a cut point.
void CConv::ConvShortPostName(char* lpszName) {
    for (char* p = lpszName; *p != '\0'; p += ShiftJis::CharLength(p)) {
        if (*p == '(') {
            *p = '\0';
            return;
        }
    }
}
