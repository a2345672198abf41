// CString: a byte string (code page 932 text), with MFC's interface.
#pragma once

#include <windows.h>

#include "afxver_.h"

class AFX_CORE_API CString {
public:
    CString();
    CString(const CString& strSrc);
    CString(LPCSTR lpsz);
    ~CString();

    const CString& operator=(const CString& strSrc);
    const CString& operator=(LPCSTR lpsz);

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    operator LPCSTR() const { return m_pchData; }

    // Room for nMinBufLength bytes and a terminator; ReleaseBuffer takes the new length, or
    // measures up to the terminator when given -1.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);

private:
    void Assign(LPCSTR lpch, int nLength);
    void Reserve(int nCapacity);

    char* m_pchData;
    int m_nLength;
    int m_nCapacity;
};
