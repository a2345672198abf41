// CConv's formatting families CommaStr and NotCommaStr: numbers to text, with or without commas.
#include "CConv.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

enum class Grouping { Commas, Plain };

// Every group after the first has three digits with leading zeros; a table of all of them
// turns each group into one copy, and holds the first group's digits too.
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

template <typename T>
int CountDigits(T nValue) {
    for (int nDigits = 1;; nDigits += 4) {
        if (nValue < 10)
            return nDigits;
        if (nValue < 100)
            return nDigits + 1;
        if (nValue < 1000)
            return nDigits + 2;
        if (nValue < 10000)
            return nDigits + 3;
        nValue /= 10000;
    }
}

// Writes the sign and the digits without a terminator and returns the end: the first group
// without leading zeros, every later one as three digits. The length is known first, so the
// groups go straight to their place, from the last one back.
template <Grouping kGrouping, typename T>
char* WriteInteger(char* p, T nMagnitude, bool bNegative) {
    if (bNegative)
        *p++ = '-';
    const int nDigits = CountDigits(nMagnitude);
    const int nSeparators = kGrouping == Grouping::Commas ? (nDigits - 1) / 3 : 0;
    char* const pEnd = p + nDigits + nSeparators;
    char* q = pEnd;
    while (nMagnitude >= 1000) {
        const T nGroup = nMagnitude % 1000;
        nMagnitude /= 1000;
        q -= 3;
        std::memcpy(q, kDigitTriples.text[nGroup], 3);
        if constexpr (kGrouping == Grouping::Commas)
            *--q = ',';
    }
    const char* pLeading = kDigitTriples.text[nMagnitude];
    if (nMagnitude >= 100)
        *p++ = pLeading[0];
    if (nMagnitude >= 10)
        *p++ = pLeading[1];
    *p = pLeading[2];
    return pEnd;
}

// The most negative LONG has no positive counterpart; its magnitude is taken unsigned, so it
// shows as -2,147,483,648 like every other value.
template <Grouping kGrouping>
void Write(char* lpszBuf, LONG nValue) {
    const ULONG nMagnitude = static_cast<ULONG>(std::llabs(nValue));
    *WriteInteger<kGrouping>(lpszBuf, nMagnitude, nValue < 0) = '\0';
}

template <Grouping kGrouping>
void Write(char* lpszBuf, ULONG nValue) {
    *WriteInteger<kGrouping>(lpszBuf, nValue, false) = '\0';
}

constexpr double kRealLimit = 999000000000000.0;
// Added twice per place so that 1.15 shows as 1.15 although the double lies just below it.
constexpr double kPlaceGuard = 0.000005;

// A place that has fallen below 0 through the guards is written as 0: a digit is 0 to 9.
int DigitOf(double dPlace) {
    return static_cast<int>(std::clamp(dPlace, 0.0, 9.0));
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
void Write(char* lpszBuf, double dValue, short nDecimals) {
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

// The formatters take each family's widest type: a char (-128 to 127 whether or not the
// compiler's char is signed) and a short widen to LONG without loss, and a float to double once
// it is biased. Single precision is settled at the third place: 1.2399f shows as 1.24 with 2
// places. The bias shows from the fourth place on (1.23f with 4 places is 1.2305).
LONG Widen(char nValue) {
    return static_cast<signed char>(nValue);
}
LONG Widen(short nValue) {
    return nValue;
}
LONG Widen(LONG nValue) {
    return nValue;
}
ULONG Widen(ULONG nValue) {
    return nValue;
}
double Widen(float fValue) {
    double dValue = fValue;
    // No float is exactly 0.0001, so the bias begins at the same value with > and >=.
    if (std::fabs(fValue) > 0.0001) // mutants: skip
        dValue += std::copysign(0.0005, fValue);
    return dValue;
}
double Widen(double dValue) {
    return dValue;
}

// The room the text of an integer, or of a real with its places, takes at the most.
int TextRoom() {
    return static_cast<int>(kIntegerTextSize);
}
int TextRoom(short nDecimals) {
    return static_cast<int>(kIntegerTextSize) + 1 + std::max<int>(nDecimals, 0);
}

// Behind every CommaStr and NotCommaStr overload: the value, widened, is written into the
// caller's buffer.
template <Grouping kGrouping, typename TValue, typename... TDecimals>
void FormatNumber(char* lpszBuf, TValue value, TDecimals... nDecimals) {
    Write<kGrouping>(lpszBuf, Widen(value), nDecimals...);
}

// A string has no fixed size: it receives the whole text, however many places it has, where a
// fixed 24-byte scratch buffer would have limited it to 23 characters. The text is written
// straight into the string's own buffer, made large enough for it.
template <Grouping kGrouping, typename TValue, typename... TDecimals>
void FormatNumber(CString& strBuf, TValue value, TDecimals... nDecimals) {
    FormatNumber<kGrouping>(strBuf.GetBuffer(TextRoom(nDecimals...)), value, nDecimals...);
    strBuf.ReleaseBuffer();
}

} // namespace

// The exported overloads are fixed: for each grouping and each kind of target, one per value
// type, all of them the same call of FormatNumber.
// clang-format off
#define TKP_NUMBER_FORMATS(Name, Target, kGrouping)                                              \
    void CConv::Name(Target target, char nValue) { FormatNumber<kGrouping>(target, nValue); }    \
    void CConv::Name(Target target, short nValue) { FormatNumber<kGrouping>(target, nValue); }   \
    void CConv::Name(Target target, LONG nValue) { FormatNumber<kGrouping>(target, nValue); }    \
    void CConv::Name(Target target, ULONG nValue) { FormatNumber<kGrouping>(target, nValue); }   \
    void CConv::Name(Target target, float fValue, short nDecimals) {                             \
        FormatNumber<kGrouping>(target, fValue, nDecimals);                                      \
    }                                                                                            \
    void CConv::Name(Target target, double dValue, short nDecimals) {                            \
        FormatNumber<kGrouping>(target, dValue, nDecimals);                                      \
    }
// clang-format on

TKP_NUMBER_FORMATS(CommaStr, char*, Grouping::Commas)
TKP_NUMBER_FORMATS(CommaStr, CString&, Grouping::Commas)
TKP_NUMBER_FORMATS(NotCommaStr, char*, Grouping::Plain)
TKP_NUMBER_FORMATS(NotCommaStr, CString&, Grouping::Plain)

#undef TKP_NUMBER_FORMATS
