// CConv's Shift-JIS copy and blank trimming: KanjiCopy, DelAfterSpace, DelBeforeSpace.
#include "CConv.h"

#include <algorithm>
#include <cstring>

#include "ShiftJis.h"

namespace {

// The string forms' working buffer: a longer string is not trimmed but gets the message below.
constexpr int kTextBufferSize = 256;
// "変換できません" (cannot convert)
constexpr char kCannotConvert[] = "\x95\xCF\x8A\xB7\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

// The bytes of the blank at p: 1 for 0x20, 2 for the full-width blank 0x81 0x40, else 0.
size_t BlankLength(const char* p) {
    if (p[0] == ' ')
        return 1;
    if (static_cast<unsigned char>(p[0]) == 0x81 && p[1] == 0x40)
        return 2;
    return 0;
}

const char* SkipBlanks(const char* p) {
    for (size_t nBlank; (nBlank = BlankLength(p)) != 0;)
        p += nBlank;
    return p;
}

// The text is walked character by character, so a trail byte 0x81 followed by 0x40 is never
// taken for a full-width blank and the cut never splits a double-byte character.
size_t LengthWithoutTrailingBlanks(const char* lpszText) {
    size_t nLength = 0;
    for (const char* p = lpszText; *p != '\0';) {
        const size_t nBlank = BlankLength(p);
        if (nBlank != 0) {
            p += nBlank;
            continue;
        }
        p += ShiftJis::CharLength(p);
        nLength = static_cast<size_t>(p - lpszText);
    }
    return nLength;
}

// The string forms trim a copy of the text in a buffer of the call's own.
template <void (CConv::*Trim)(char*)>
void TrimString(CConv& conv, CString& strText) {
    if (strText.GetLength() >= kTextBufferSize) {
        strText = kCannotConvert;
        return;
    }
    char szText[kTextBufferSize];
    std::strcpy(szText, strText);
    (conv.*Trim)(szText);
    strText = szText;
}

} // namespace

void CConv::KanjiCopy(char* lpszDst, const char* lpszSource, short nLen) {
    const size_t nCopy =
        ShiftJis::FittingLength(lpszSource, static_cast<size_t>(std::max<int>(nLen, 0)));
    std::memcpy(lpszDst, lpszSource, nCopy);
    lpszDst[nCopy] = '\0';
}

void CConv::KanjiCopy(unsigned char* lpszDst, const unsigned char* lpszSource, short nLen) {
    KanjiCopy(reinterpret_cast<char*>(lpszDst), reinterpret_cast<const char*>(lpszSource), nLen);
}

void CConv::DelAfterSpace(char* lpszText) {
    lpszText[LengthWithoutTrailingBlanks(lpszText)] = '\0';
}

// A text of blanks only is left as it is, not emptied.
void CConv::DelBeforeSpace(char* lpszText) {
    const char* pRest = SkipBlanks(lpszText);
    if (pRest != lpszText && *pRest != '\0')
        std::memmove(lpszText, pRest, std::strlen(pRest) + 1);
}

void CConv::DelAfterSpace(CString& strText) {
    TrimString<&CConv::DelAfterSpace>(*this, strText);
}

void CConv::DelBeforeSpace(CString& strText) {
    TrimString<&CConv::DelBeforeSpace>(*this, strText);
}
