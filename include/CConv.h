// CConv: conversions of entry-field text: numbers, thousands commas, Shift-JIS text, postal codes.
#pragma once

#include <afx.h>

// Every member is stateless apart from its arguments: construct one anywhere, call, destroy.
// Results of type int are 1 for success and 0 for a rejected input; a rejected conversion
// leaves its target as it was.
class AFX_EXT_CLASS CConv {
public:
    // Entry text to number. Convert reads an empty text as 0 and ignores every comma before
    // the point; Convert2 rejects an empty text and accepts commas at grouping positions only.
    // The real overloads take nDecimals places of the fraction, cut, never rounded.
    int Convert(const char* lpszText, char* pValue);
    int Convert(const char* lpszText, short* pValue);
    int Convert(const char* lpszText, LONG* pValue);
    int Convert(const char* lpszText, float* pValue, short nDecimals);
    int Convert(const char* lpszText, double* pValue, short nDecimals);
    int Convert(CString strText, char* pValue);
    int Convert(CString strText, short* pValue);
    int Convert(CString strText, LONG* pValue);
    int Convert(CString strText, float* pValue, short nDecimals);
    int Convert(CString strText, double* pValue, short nDecimals);

    int Convert2(const char* lpszText, char* pValue);
    int Convert2(const char* lpszText, short* pValue);
    int Convert2(const char* lpszText, LONG* pValue);
    int Convert2(const char* lpszText, float* pValue, short nDecimals);
    int Convert2(const char* lpszText, double* pValue, short nDecimals);
    int Convert2(CString strText, char* pValue);
    int Convert2(CString strText, short* pValue);
    int Convert2(CString strText, LONG* pValue);
    int Convert2(CString strText, float* pValue, short nDecimals);
    int Convert2(CString strText, double* pValue, short nDecimals);

    // Number to text with thousands commas (CommaStr) or without (NotCommaStr). Reals show
    // nDecimals places, cut at the last one, and only within +-999,000,000,000,000 ("0"
    // outside). A char* target needs 15 bytes for integers, 22 + nDecimals for reals (21 when
    // nDecimals is 0 or less).
    void CommaStr(char* lpszBuf, char nValue);
    void CommaStr(char* lpszBuf, short nValue);
    void CommaStr(char* lpszBuf, LONG nValue);
    void CommaStr(char* lpszBuf, ULONG nValue);
    void CommaStr(char* lpszBuf, float fValue, short nDecimals);
    void CommaStr(char* lpszBuf, double dValue, short nDecimals);
    void CommaStr(CString& strBuf, char nValue);
    void CommaStr(CString& strBuf, short nValue);
    void CommaStr(CString& strBuf, LONG nValue);
    void CommaStr(CString& strBuf, ULONG nValue);
    void CommaStr(CString& strBuf, float fValue, short nDecimals);
    void CommaStr(CString& strBuf, double dValue, short nDecimals);

    void NotCommaStr(char* lpszBuf, char nValue);
    void NotCommaStr(char* lpszBuf, short nValue);
    void NotCommaStr(char* lpszBuf, LONG nValue);
    void NotCommaStr(char* lpszBuf, ULONG nValue);
    void NotCommaStr(char* lpszBuf, float fValue, short nDecimals);
    void NotCommaStr(char* lpszBuf, double dValue, short nDecimals);
    void NotCommaStr(CString& strBuf, char nValue);
    void NotCommaStr(CString& strBuf, short nValue);
    void NotCommaStr(CString& strBuf, LONG nValue);
    void NotCommaStr(CString& strBuf, ULONG nValue);
    void NotCommaStr(CString& strBuf, float fValue, short nDecimals);
    void NotCommaStr(CString& strBuf, double dValue, short nDecimals);

    // Copies at most nLen bytes (the target needs nLen + 1), never half a double-byte character.
    void KanjiCopy(unsigned char* lpszDst, const unsigned char* lpszSource, short nLen);
    void KanjiCopy(char* lpszDst, const char* lpszSource, short nLen);

    // Remove the trailing, or the leading, blanks (0x20 and the full-width blank).
    void DelAfterSpace(char* lpszText);
    void DelAfterSpace(CString& strText);
    void DelBeforeSpace(char* lpszText);
    void DelBeforeSpace(CString& strText);

    // The key form of a text: blanks removed, letters in upper case; nSize is the target's size.
    void ConvIkey(char* lpszDst, const char* lpszKey, short nSize);
    void ConvIkey(CString& strDst, CString strKey, short nSize);

    // The stored form of a code: blanks removed, upper case, right-aligned in nSize - 1
    // characters. Rejects empty codes, double-byte characters, quotes and commas.
    int ConvCodeString(char* lpszDst, const char* lpszCode, short nSize);
    int ConvCodeString(CString& strDst, CString strCode, short nSize);

    // Shortens a path to fit nSize bytes, marking the cut with "...".
    void ConvDirName(char* lpszDst, const char* lpszPath, short nSize);

    // Joins a postal code's parts: nMode 0 is three digits and two, nMode 1 three and four;
    // bMark puts the postal mark in front. The char* target needs 11 bytes.
    void ConvPostCode(char* lpszDst, const char* lpszCode1, const char* lpszCode2, short nMode,
                      short bMark);
    void ConvPostCode(CString& strDst, CString strCode1, CString strCode2, short nMode,
                      short bMark);
    // Ends a place name at its first "(".
    void ConvShortPostName(char* lpszName);

private:
    // Normalise an entry text into lpszOut (256 bytes): sign, integer digits without commas,
    // and at most nDecimals places; 0 for a text that is no number. DelComma drops every comma
    // before the point; MakeNumStr accepts commas at grouping positions only.
    int DelComma(const char* lpszText, char* lpszOut, short nDecimals);
    int MakeNumStr(const char* lpszText, char* lpszOut, short nDecimals);
};
