// CString: storage, assignment and the buffer a caller writes into.
#include "afxstr.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char g_chNil = '\0';

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

void CString::Empty() {
    Assign("", 0);
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
