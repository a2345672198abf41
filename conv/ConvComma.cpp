// CConv's formatting families CommaStr and NotCommaStr: numbers to text, with or without commas.
#include "CConv.h"

#include <cmath>
#include <cstring>

namespace {

enum class Grouping { Commas, Plain };

// Every group after the first has three digits with leading zeros; a table of all of them
// turns each group into one copy.
struct DigitTriples {
    char text[1000][3];
};

constexpr DigitTriples MakeDigitTriples() {
    DigitTriples triples{};
    for (int n = 0; n < 1000; ++n) {
        triples.text[n][0] = static_cast<char>('0' + n / 100);
        triples.text[n][1] = static_cast<char>('0' + n / 10 % 10);
        triples.text[n][2] = static_cast<char>('0' + n % 10);
    }
    return triples;
}

constexpr DigitTriples kDigitTriples = MakeDigitTriples();

// The longest integer part: "-999,000,000,000,000" (20), "-2,147,483,648" (14).
constexpr size_t kIntegerTextSize = 24;

// Writes the digits of nMagnitude so that they end just before pEnd and returns where they
// begin: the first group without leading zeros, every later one as three digits.
template <Grouping kGrouping, typename T>
char* WriteGroupsBefore(char* pEnd, T nMagnitude) {
    char* p = pEnd;
    while (nMagnitude >= 1000) {
        const T nGroup = nMagnitude % 1000;
        nMagnitude /= 1000;
        p -= 3;
        std::memcpy(p, kDigitTriples.text[nGroup], 3);
        if constexpr (kGrouping == Grouping::Commas)
            *--p = ',';
    }
    const int nLeading = nMagnitude >= 100 ? 3 : nMagnitude >= 10 ? 2 : 1;
    p -= nLeading;
    std::memcpy(p, kDigitTriples.text[nMagnitude] + 3 - nLeading, nLeading);
    return p;
}

// Writes the sign and the grouped integer without a terminator; returns the end.
template <Grouping kGrouping, typename T>
char* WriteInteger(char* lpszBuf, T nMagnitude, bool bNegative) {
    char szDigits[kIntegerTextSize];
    char* const pEnd = szDigits + sizeof szDigits;
    char* p = WriteGroupsBefore<kGrouping>(pEnd, nMagnitude);
    if (bNegative)
        *--p = '-';
    const size_t nLength = static_cast<size_t>(pEnd - p);
    std::memcpy(lpszBuf, p, nLength);
    return lpszBuf + nLength;
}

// The most negative LONG has no positive counterpart; its magnitude is taken unsigned, so it
// shows as -2,147,483,648 like every other value.
template <Grouping kGrouping>
void FormatLong(char* lpszBuf, LONG nValue) {
    const ULONG nMagnitude =
        nValue < 0 ? 0u - static_cast<ULONG>(nValue) : static_cast<ULONG>(nValue);
    *WriteInteger<kGrouping>(lpszBuf, nMagnitude, nValue < 0) = '\0';
}

template <Grouping kGrouping>
void FormatULong(char* lpszBuf, ULONG nValue) {
    *WriteInteger<kGrouping>(lpszBuf, nValue, false) = '\0';
}

// A char counts -128 to 127 whether or not the compiler's char is signed.
LONG WidenChar(char nValue) {
    return static_cast<signed char>(nValue);
}

constexpr double kRealLimit = 999000000000000.0;
// Added twice per place so that 1.15 shows as 1.15 although the double lies just below it.
constexpr double kPlaceGuard = 0.000005;

int DigitOf(double dPlace) {
    if (dPlace >= 9.0)
        return 9;
    // A place that has fallen below 0 through the guards is written as 0: a digit is 0 to 9.
    if (dPlace < 1.0)
        return 0;
    return static_cast<int>(dPlace);
}

// The places are cut, not rounded: each is what the guarded remainder holds, capped at 9, so
// nothing ever carries into the integer part (0.9999999 shows as 0.99).
char* WriteFraction(char* p, double dFraction, short nDecimals) {
    for (short n = 0; n < nDecimals; ++n) {
        // Two statements, so that no compiler contracts them into one fused rounding.
        dFraction *= 10.0;
        dFraction += kPlaceGuard;
        const int nDigit = DigitOf(dFraction + kPlaceGuard);
        *p++ = static_cast<char>('0' + nDigit);
        dFraction -= nDigit;
    }
    return p;
}

// The integer part is split exactly: below 1e15 every double's integer part is a whole
// number that fits 64 bits and the subtraction leaving the fraction is exact, which gives the
// same groups and remainder as dividing by 1e12, 1e9, 1e6, 1e3 and 1 in doubles and
// subtracting each group.
template <Grouping kGrouping>
void FormatReal(char* lpszBuf, double dValue, short nDecimals) {
    // NaN fails the first test: it shows as "0" like every value out of range.
    if (!(dValue <= kRealLimit) || dValue < -kRealLimit) {
        std::strcpy(lpszBuf, "0");
        return;
    }
    const bool bNegative = dValue < 0.0;
    const double dMagnitude = bNegative ? -dValue : dValue;
    const double dInteger = std::trunc(dMagnitude);
    char* p = WriteInteger<kGrouping>(lpszBuf, static_cast<ULONGLONG>(dInteger), bNegative);
    if (nDecimals > 0) {
        *p++ = '.';
        p = WriteFraction(p, dMagnitude - dInteger, nDecimals);
    }
    *p = '\0';
}

// Single precision is settled at the third place: 1.2399f shows as 1.24 with 2 places. The
// bias shows from the fourth place on (1.23f with 4 places is 1.2305).
double BiasFloat(float fValue) {
    double dValue = fValue;
    if (fValue > 0.0001)
        dValue += 0.0005;
    else if (fValue < -0.0001)
        dValue -= 0.0005;
    return dValue;
}

template <Grouping kGrouping>
void AssignLong(CString& strBuf, LONG nValue) {
    char szText[kIntegerTextSize];
    FormatLong<kGrouping>(szText, nValue);
    strBuf = szText;
}

template <Grouping kGrouping>
void AssignULong(CString& strBuf, ULONG nValue) {
    char szText[kIntegerTextSize];
    FormatULong<kGrouping>(szText, nValue);
    strBuf = szText;
}

// A string has no fixed size: it receives the whole text, however many places it has, where a
// fixed 24-byte scratch buffer would have limited it to 23 characters.
template <Grouping kGrouping>
void AssignReal(CString& strBuf, double dValue, short nDecimals) {
    const int nPlaces = nDecimals > 0 ? 1 + nDecimals : 0;
    char* lpszBuf = strBuf.GetBuffer(static_cast<int>(kIntegerTextSize) + nPlaces);
    FormatReal<kGrouping>(lpszBuf, dValue, nDecimals);
    strBuf.ReleaseBuffer();
}

} // namespace

void CConv::CommaStr(char* lpszBuf, char nValue) {
    FormatLong<Grouping::Commas>(lpszBuf, WidenChar(nValue));
}

void CConv::CommaStr(char* lpszBuf, short nValue) {
    FormatLong<Grouping::Commas>(lpszBuf, nValue);
}

void CConv::CommaStr(char* lpszBuf, LONG nValue) {
    FormatLong<Grouping::Commas>(lpszBuf, nValue);
}

void CConv::CommaStr(char* lpszBuf, ULONG nValue) {
    FormatULong<Grouping::Commas>(lpszBuf, nValue);
}

void CConv::CommaStr(char* lpszBuf, float fValue, short nDecimals) {
    FormatReal<Grouping::Commas>(lpszBuf, BiasFloat(fValue), nDecimals);
}

void CConv::CommaStr(char* lpszBuf, double dValue, short nDecimals) {
    FormatReal<Grouping::Commas>(lpszBuf, dValue, nDecimals);
}

void CConv::CommaStr(CString& strBuf, char nValue) {
    AssignLong<Grouping::Commas>(strBuf, WidenChar(nValue));
}

void CConv::CommaStr(CString& strBuf, short nValue) {
    AssignLong<Grouping::Commas>(strBuf, nValue);
}

void CConv::CommaStr(CString& strBuf, LONG nValue) {
    AssignLong<Grouping::Commas>(strBuf, nValue);
}

void CConv::CommaStr(CString& strBuf, ULONG nValue) {
    AssignULong<Grouping::Commas>(strBuf, nValue);
}

void CConv::CommaStr(CString& strBuf, float fValue, short nDecimals) {
    AssignReal<Grouping::Commas>(strBuf, BiasFloat(fValue), nDecimals);
}

void CConv::CommaStr(CString& strBuf, double dValue, short nDecimals) {
    AssignReal<Grouping::Commas>(strBuf, dValue, nDecimals);
}

void CConv::NotCommaStr(char* lpszBuf, char nValue) {
    FormatLong<Grouping::Plain>(lpszBuf, WidenChar(nValue));
}

void CConv::NotCommaStr(char* lpszBuf, short nValue) {
    FormatLong<Grouping::Plain>(lpszBuf, nValue);
}

void CConv::NotCommaStr(char* lpszBuf, LONG nValue) {
    FormatLong<Grouping::Plain>(lpszBuf, nValue);
}

void CConv::NotCommaStr(char* lpszBuf, ULONG nValue) {
    FormatULong<Grouping::Plain>(lpszBuf, nValue);
}

void CConv::NotCommaStr(char* lpszBuf, float fValue, short nDecimals) {
    FormatReal<Grouping::Plain>(lpszBuf, BiasFloat(fValue), nDecimals);
}

void CConv::NotCommaStr(char* lpszBuf, double dValue, short nDecimals) {
    FormatReal<Grouping::Plain>(lpszBuf, dValue, nDecimals);
}

void CConv::NotCommaStr(CString& strBuf, char nValue) {
    AssignLong<Grouping::Plain>(strBuf, WidenChar(nValue));
}

void CConv::NotCommaStr(CString& strBuf, short nValue) {
    AssignLong<Grouping::Plain>(strBuf, nValue);
}

void CConv::NotCommaStr(CString& strBuf, LONG nValue) {
    AssignLong<Grouping::Plain>(strBuf, nValue);
}

void CConv::NotCommaStr(CString& strBuf, ULONG nValue) {
    AssignULong<Grouping::Plain>(strBuf, nValue);
}

void CConv::NotCommaStr(CString& strBuf, float fValue, short nDecimals) {
    AssignReal<Grouping::Plain>(strBuf, BiasFloat(fValue), nDecimals);
}

void CConv::NotCommaStr(CString& strBuf, double dValue, short nDecimals) {
    AssignReal<Grouping::Plain>(strBuf, dValue, nDecimals);
}
