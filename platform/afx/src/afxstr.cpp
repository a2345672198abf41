// CString: storage, assignment, comparison, extraction and searching.
#include "afxstr.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char g_chNil = '\0';

// CString holds code page 932 text: searches never match the trail byte of a double-byte
// character, as MFC's multibyte build does.
bool IsLeadByte(char ch) {
    const unsigned char b = static_cast<unsigned char>(ch);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int CharLength(const char* p) {
    return (IsLeadByte(*p) && p[1] != '\0') ? 2 : 1;
}

int FoldLetter(unsigned char ch) {
    return (ch >= 'A' && ch <= 'Z') ? ch + ('a' - 'A') : ch;
}

int SafeLength(LPCSTR lpsz) {
    return lpsz != nullptr ? static_cast<int>(std::strlen(lpsz)) : 0;
}

} // namespace

CString::CString() : m_pchData(&g_chNil), m_nLength(0), m_nCapacity(0) {}

CString::CString(const CString& strSrc) : CString() {
    Assign(strSrc.m_pchData, strSrc.m_nLength);
}

CString::CString(LPCSTR lpsz) : CString() {
    Assign(lpsz, SafeLength(lpsz));
}

CString::CString(LPCSTR lpch, int nLength) : CString() {
    Assign(lpch, (lpch != nullptr && nLength > 0) ? nLength : 0);
}

CString::CString(char ch, int nRepeat) : CString() {
    if (nRepeat > 0) {
        Reserve(nRepeat);
        std::memset(m_pchData, ch, nRepeat);
        m_nLength = nRepeat;
        m_pchData[m_nLength] = '\0';
    }
}

CString::~CString() {
    if (m_nCapacity > 0)
        std::free(m_pchData);
}

const CString& CString::operator=(const CString& strSrc) {
    if (this != &strSrc)
        Assign(strSrc.m_pchData, strSrc.m_nLength);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz) {
    Assign(lpsz, SafeLength(lpsz));
    return *this;
}

const CString& CString::operator=(char ch) {
    Assign(&ch, 1);
    return *this;
}

const CString& CString::operator+=(const CString& str) {
    Append(str.m_pchData, str.m_nLength);
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz) {
    Append(lpsz, SafeLength(lpsz));
    return *this;
}

const CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

void CString::Empty() {
    Assign("", 0);
}

char CString::GetAt(int nIndex) const {
    return (nIndex >= 0 && nIndex < m_nLength) ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
    if (nIndex >= 0 && nIndex < m_nLength)
        m_pchData[nIndex] = ch;
}

int CString::Compare(LPCSTR lpsz) const {
    return std::strcmp(m_pchData, lpsz ? lpsz : "");
}

int CString::CompareNoCase(LPCSTR lpsz) const {
    const unsigned char* p1 = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* p2 = reinterpret_cast<const unsigned char*>(lpsz ? lpsz : "");
    for (;;) {
        // Only single-byte letters fold; both bytes of a double-byte character compare as is.
        const bool bLead = IsLeadByte(static_cast<char>(*p1)) && p1[1] != '\0';
        const int c1 = bLead ? *p1 : FoldLetter(*p1);
        const int c2 = bLead ? *p2 : FoldLetter(*p2);
        if (c1 != c2)
            return c1 < c2 ? -1 : 1;
        if (c1 == 0)
            return 0;
        if (bLead) {
            if (p1[1] != p2[1])
                return p1[1] < p2[1] ? -1 : 1;
            ++p1;
            ++p2;
        }
        ++p1;
        ++p2;
    }
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, m_nLength - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const {
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > m_nLength)
        nFirst = m_nLength;
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength - nFirst)
        nCount = m_nLength - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    if (nCount < 0)
        nCount = 0;
    if (nCount > m_nLength)
        nCount = m_nLength;
    return CString(m_pchData + m_nLength - nCount, nCount);
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart >= m_nLength)
        return -1;
    for (int i = nStart; i < m_nLength; i += CharLength(m_pchData + i)) {
        if (m_pchData[i] == ch)
            return i;
    }
    return -1;
}

int CString::Find(LPCSTR lpszSub, int nStart) const {
    const int nSub = SafeLength(lpszSub);
    if (nStart < 0 || nStart > m_nLength || nSub == 0)
        return -1;
    for (int i = nStart; i + nSub <= m_nLength; i += CharLength(m_pchData + i)) {
        if (std::memcmp(m_pchData + i, lpszSub, nSub) == 0)
            return i;
    }
    return -1;
}

int CString::ReverseFind(char ch) const {
    int nFound = -1;
    for (int i = 0; i < m_nLength; i += CharLength(m_pchData + i)) {
        if (m_pchData[i] == ch)
            nFound = i;
    }
    return nFound;
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    Reserve(nMinBufLength > m_nLength ? nMinBufLength : m_nLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (m_nCapacity == 0)
        return;
    if (nNewLength < 0 || nNewLength > m_nCapacity)
        nNewLength = static_cast<int>(strnlen(m_pchData, m_nCapacity));
    m_nLength = nNewLength;
    m_pchData[m_nLength] = '\0';
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (m_nCapacity > 0) {
        m_nLength = nNewLength;
        m_pchData[m_nLength] = '\0';
    }
    return m_pchData;
}

void CString::Format(LPCSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    va_list argsCopy;
    va_copy(argsCopy, args);
    const int nLength = std::vsnprintf(nullptr, 0, lpszFormat, args);
    va_end(args);
    if (nLength < 0) {
        va_end(argsCopy);
        Empty();
        return;
    }
    Reserve(nLength);
    std::vsnprintf(m_pchData, static_cast<size_t>(nLength) + 1, lpszFormat, argsCopy);
    va_end(argsCopy);
    m_nLength = nLength;
}

void CString::Assign(LPCSTR lpch, int nLength) {
    if (nLength == 0) {
        if (m_nCapacity > 0)
            m_pchData[0] = '\0';
        m_nLength = 0;
        return;
    }
    Reserve(nLength);
    std::memmove(m_pchData, lpch, nLength);
    m_nLength = nLength;
    m_pchData[m_nLength] = '\0';
}

void CString::Append(LPCSTR lpch, int nLength) {
    if (nLength <= 0)
        return;
    // The source may lie inside this string's own buffer, which Reserve may move.
    const ptrdiff_t nOffset = lpch - m_pchData;
    const bool bSelf = nOffset >= 0 && nOffset <= m_nLength;
    Reserve(m_nLength + nLength);
    std::memmove(m_pchData + m_nLength, bSelf ? m_pchData + nOffset : lpch, nLength);
    m_nLength += nLength;
    m_pchData[m_nLength] = '\0';
}

void CString::Reserve(int nCapacity) {
    if (nCapacity <= m_nCapacity && m_nCapacity > 0)
        return;
    if (nCapacity < m_nCapacity)
        nCapacity = m_nCapacity;
    char* pNew = static_cast<char*>(std::malloc(static_cast<size_t>(nCapacity) + 1));
    if (pNew == nullptr) {
        // Out of memory for text: MFC throws here; the framework throws nothing, so it stops.
        std::fputs("CString: out of memory\n", stderr);
        std::abort();
    }
    std::memcpy(pNew, m_pchData, static_cast<size_t>(m_nLength) + 1);
    if (m_nCapacity > 0)
        std::free(m_pchData);
    m_pchData = pNew;
    m_nCapacity = nCapacity;
}

CString operator+(const CString& str1, const CString& str2) {
    CString s(str1);
    s += str2;
    return s;
}

CString operator+(const CString& str, LPCSTR lpsz) {
    CString s(str);
    s += lpsz;
    return s;
}

CString operator+(LPCSTR lpsz, const CString& str) {
    CString s(lpsz);
    s += str;
    return s;
}

CString operator+(const CString& str, char ch) {
    CString s(str);
    s += ch;
    return s;
}
