// CString: a byte string (code page 932 text), with MFC's interface.
#pragma once

#include <windows.h>

#include "afxver_.h"

class AFX_CORE_API CString {
public:
    CString();
    CString(const CString& strSrc);
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    const CString& operator=(const CString& strSrc);
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(char ch);
    const CString& operator+=(const CString& str);
    const CString& operator+=(LPCSTR lpsz);
    const CString& operator+=(char ch);

    int GetLength() const { return m_nLength; }
    BOOL IsEmpty() const { return m_nLength == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    // Room for nMinBufLength bytes and a terminator; ReleaseBuffer takes the new length, or
    // measures up to the terminator when given -1.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);

    void Format(LPCSTR lpszFormat, ...);

private:
    void Assign(LPCSTR lpch, int nLength);
    void Append(LPCSTR lpch, int nLength);
    void Reserve(int nCapacity);

    char* m_pchData;
    int m_nLength;
    int m_nCapacity;
};

AFX_CORE_API CString operator+(const CString& str1, const CString& str2);
AFX_CORE_API CString operator+(const CString& str, LPCSTR lpsz);
AFX_CORE_API CString operator+(LPCSTR lpsz, const CString& str);
AFX_CORE_API CString operator+(const CString& str, char ch);

inline bool operator==(const CString& s1, const CString& s2) {
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2) {
    return s1.Compare(s2) < 0;
}
