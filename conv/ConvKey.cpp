// CConv's key and code forms of a text: ConvIkey and ConvCodeString.
#include "CConv.h"

#include <algorithm>
#include <cstring>

#include "ShiftJis.h"

namespace {

// The string forms build their text in a buffer of the call's own of this size; a longer
// source gives an empty text, and an nSize above it is taken as this size (a code string's
// field is then 255 characters wide; a key is the same as with any larger size).
constexpr short kScratchSize = 256;
constexpr int kMaxText = kScratchSize - 1;

short ClampToScratch(short nSize) {
    return std::min(nSize, kScratchSize);
}

// Writes the first nExamine bytes of a text without their blanks (every byte 0x20) and with
// their letters in upper case; a double-byte character is copied unchanged, or left out when
// its trail byte lies beyond nExamine.
void CopyKeyForm(char* pOut, const char* lpszText, size_t nExamine) {
    const size_t nFitting = ShiftJis::FittingLength(lpszText, nExamine);
    size_t nOut = 0;
    for (size_t i = 0; i < nFitting; ++i) {
        const char ch = lpszText[i];
        if (ch == ' ')
            continue;
        if (ShiftJis::CharLength(lpszText + i) == 2 && lpszText[i + 1] != ' ') {
            pOut[nOut++] = ch;
            pOut[nOut++] = lpszText[++i];
            continue;
        }
        pOut[nOut++] = ShiftJis::UpperLetter(ch);
    }
}

// Codes are fields of comma-separated files, where a quote or a comma would end the field,
// and are single-byte text.
bool IsStorableCode(const char* lpszCode) {
    for (const char* p = lpszCode; *p != '\0'; ++p) {
        if (ShiftJis::IsLeadByte(*p) || *p == '"' || *p == ',')
            return false;
    }
    return true;
}

size_t CountNonBlanks(const char* p, size_t nLength) {
    size_t nCount = 0;
    for (size_t i = 0; i < nLength; ++i)
        nCount += p[i] != ' ';
    return nCount;
}

// The room of a target of nSize bytes; 0 or less is no room even for a terminator.
size_t TargetRoom(short nSize) {
    return static_cast<size_t>(std::max<int>(nSize, 0));
}

} // namespace

// A target without room is not touched.
void CConv::ConvIkey(char* lpszDst, const char* lpszKey, short nSize) {
    const size_t nTarget = TargetRoom(nSize);
    if (nTarget == 0)
        return;
    std::memset(lpszDst, 0, nTarget);
    if (strnlen(lpszKey, nTarget + 1) > nTarget)
        return;
    CopyKeyForm(lpszDst, lpszKey, nTarget - 1);
}

// The code is right-aligned in nSize - 1 characters, padded with blanks on the left.
int CConv::ConvCodeString(char* lpszDst, const char* lpszCode, short nSize) {
    const size_t nTarget = TargetRoom(nSize);
    if (nTarget == 0)
        return 0;
    std::memset(lpszDst, 0, nTarget);
    const size_t nCode = strnlen(lpszCode, nTarget + 1);
    if (nCode == 0 || nCode > nTarget || !IsStorableCode(lpszCode))
        return 0;
    const size_t nExamine = nCode < nTarget ? nCode : nTarget - 1;
    const size_t nKey = CountNonBlanks(lpszCode, nExamine);
    if (nKey == 0)
        return 0;
    const size_t nPadding = nTarget - 1 - nKey;
    std::memset(lpszDst, ' ', nPadding);
    CopyKeyForm(lpszDst + nPadding, lpszCode, nExamine);
    return 1;
}

void CConv::ConvIkey(CString& strDst, CString strKey, short nSize) {
    char szKey[kScratchSize] = "";
    if (strKey.GetLength() <= kMaxText)
        ConvIkey(szKey, strKey, ClampToScratch(nSize));
    strDst = szKey;
}

int CConv::ConvCodeString(CString& strDst, CString strCode, short nSize) {
    char szCode[kScratchSize] = "";
    int nResult = 0;
    if (strCode.GetLength() <= kMaxText)
        nResult = ConvCodeString(szCode, strCode, ClampToScratch(nSize));
    strDst = szCode;
    return nResult;
}
