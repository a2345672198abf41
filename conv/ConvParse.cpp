// CConv's parsing families Convert and Convert2: entry text to char, short, LONG, float, double.
#include "CConv.h"

#include <charconv>
#include <climits>
#include <cstddef>
#include <cstring>
#include <limits>

namespace {

// A text is read only as far as its conversion needs: up to its terminator, or up to its
// point for the integer targets, or up to the last place taken for the real targets; what
// follows is never looked at. When that stretch is longer than 255 bytes the text is
// rejected, so the normalised text always fits its 256-byte buffer. Every buffer is the
// call's own, so calls may run on any thread.
constexpr size_t kNumberTextSize = 256;
constexpr ptrdiff_t kMaxText = kNumberTextSize - 1;

// Convert forgets every comma before the point; Convert2 keeps them and lets a comma stand
// only where a thousands separator would.
enum class CommaRule { DropAll, GroupingOnly };

bool IsReadWithinLimit(const char* lpszText, const char* pUnread) {
    return pUnread - lpszText <= kMaxText;
}

template <CommaRule kRule>
void SkipDroppedCommas(const char*& p) {
    if constexpr (kRule == CommaRule::DropAll) {
        while (*p == ',')
            ++p;
    }
}

// The digit a byte stands for, or a value above 9 for any other byte.
unsigned DigitValue(char ch) {
    return static_cast<unsigned>(static_cast<unsigned char>(ch)) - unsigned{'0'};
}

// Steps over what may stand before the integer part: blanks, a minus sign, and in Convert's
// reading every comma. Returns where the integer part begins, or nullptr when the text ends
// first. Convert's comma removal and the normalisation run as one pass: dropping the commas
// first and skipping the blanks afterwards reads the same as skipping both together.
template <CommaRule kRule>
const char* SkipLeader(const char* p, bool& bMinus) {
    SkipDroppedCommas<kRule>(p);
    if (*p == '\0' || *p == ',')
        return nullptr;
    // Only 0x20 is a blank here; the full-width blank is not a number's padding.
    while (*p == ' ') {
        ++p;
        SkipDroppedCommas<kRule>(p);
    }
    if (*p == '-') {
        ++p;
        SkipDroppedCommas<kRule>(p);
        bMinus = true;
    }
    return *p != '\0' ? p : nullptr;
}

// Convert2 keeps a comma that stands first in the integer part when it is at a separator's
// place, and takes a minus sign right after it as the number's sign: " ,-12" reads as -12.
template <CommaRule kRule>
bool IsSignAfterLeadingSeparator(const char* pIntegerPart, const char* p, bool bMinus) {
    if constexpr (kRule == CommaRule::GroupingOnly)
        return *p == '-' && !bMinus && p == pIntegerPart + 1 && *pIntegerPart == ',';
    return false;
}

// Reads the sign and the integer part of an entry text, handing the minus sign and the digits
// to the sink. Returns where the integer part ends (at the first point or the terminator), or
// nullptr for a rejected text. The character test runs with the normalisation: the normalised
// text may hold only digits after its minus sign (and the point when places are taken), so any
// other byte rejects the text as soon as it is met.
template <CommaRule kRule, class Sink>
const char* ScanInteger(const char* lpszText, Sink& sink) {
    bool bMinus = false;
    const char* p = SkipLeader<kRule>(lpszText, bMinus);
    if (p == nullptr)
        return nullptr;
    if (bMinus)
        sink.Minus();

    // A comma at position i of an integer part of L bytes is a separator when L - i is a
    // multiple of 4; all of them must therefore share the position L mod 4.
    const char* const pIntegerPart = p;
    unsigned nCommaPositions = 0;
    for (;; ++p) {
        const unsigned nDigit = DigitValue(*p);
        if (nDigit <= 9) {
            if (!sink.Digit(nDigit))
                return nullptr;
        } else if (*p == ',') {
            if constexpr (kRule == CommaRule::GroupingOnly)
                nCommaPositions |= 1u << ((p - pIntegerPart) & 3);
        } else if (IsSignAfterLeadingSeparator<kRule>(pIntegerPart, p, bMinus)) {
            sink.Minus();
        } else {
            break;
        }
    }
    if (*p != '\0' && *p != '.')
        return nullptr;
    if constexpr (kRule == CommaRule::GroupingOnly) {
        const unsigned nSeparatorPosition = 1u << ((p - pIntegerPart) & 3);
        if ((nCommaPositions & ~nSeparatorPosition) != 0)
            return nullptr;
    }
    return p;
}

// Writes the normalised text into a buffer of kNumberTextSize bytes. Its text is never longer
// than the part of the entry text read, so a full buffer means a text beyond kMaxText.
class NumberTextWriter {
public:
    explicit NumberTextWriter(char* lpszOut) : m_p(lpszOut), m_pLast(lpszOut + kMaxText) {}
    void Minus() { *m_p++ = '-'; }
    bool Digit(unsigned nDigit) { return Put(static_cast<char>('0' + nDigit)); }
    bool Point() { return Put('.'); }
    void End() { *m_p = '\0'; }

private:
    bool Put(char ch) {
        if (m_p == m_pLast)
            return false;
        *m_p++ = ch;
        return true;
    }

    char* m_p;
    char* const m_pLast;
};

// Takes the integer part straight into a value: the decimal conversion of the integer
// overloads in the same pass. The magnitude stops growing once it is beyond every LONG, so that
// any number of digits is read without wrapping.
class LongAccumulator {
public:
    void Minus() { m_bNegative = true; }
    bool Digit(unsigned nDigit) {
        m_nMagnitude = m_nMagnitude * 10 + nDigit;
        return m_nMagnitude <= kLargestMagnitude + 1;
    }
    // A value beyond 32 bits is rejected rather than wrapped or clamped.
    int Store(LONG* pValue) const {
        if (m_nMagnitude > kLargestMagnitude + m_bNegative)
            return 0;
        const LONGLONG nValue = static_cast<LONGLONG>(m_nMagnitude);
        *pValue = static_cast<LONG>(m_bNegative ? -nValue : nValue);
        return 1;
    }

private:
    static constexpr ULONGLONG kLargestMagnitude = std::numeric_limits<LONG>::max();

    ULONGLONG m_nMagnitude = 0;
    bool m_bNegative = false;
};

template <CommaRule kRule>
int ParseLong(const char* lpszText, LONG* pValue) {
    LongAccumulator accumulator;
    const char* pEnd = ScanInteger<kRule>(lpszText, accumulator);
    if (pEnd == nullptr || !IsReadWithinLimit(lpszText, pEnd))
        return 0;
    return accumulator.Store(pValue);
}

// The places are cut after nDecimals bytes, never rounded.
template <CommaRule kRule>
int Normalise(const char* lpszText, char* lpszOut, short nDecimals) {
    NumberTextWriter writer(lpszOut);
    const char* p = ScanInteger<kRule>(lpszText, writer);
    if (p == nullptr)
        return 0;
    // The point is written with the first place, so a text without places taken has none.
    if (*p == '.') {
        ++p;
        for (short n = 0; n < nDecimals && *p != '\0'; ++n, ++p) {
            const unsigned nDigit = DigitValue(*p);
            if (nDigit > 9 || (n == 0 && !writer.Point()) || !writer.Digit(nDigit))
                return 0;
        }
    }
    if (!IsReadWithinLimit(lpszText, p))
        return 0;
    writer.End();
    return 1;
}

// A normalised text is at most 255 bytes of digits, so its value is always a finite double;
// from_chars rounds to nearest as the C library's strtod does. An empty text and a lone minus
// sign leave the value at 0.
int StoreReal(const char* lpszNumber, double* pValue) {
    double dValue = 0.0;
    std::from_chars(lpszNumber, lpszNumber + std::strlen(lpszNumber), dValue);
    *pValue = dValue;
    return 1;
}

// A char holds -128 to 127 here, whether or not the compiler's char is signed.
template <typename T, LONG kMin, LONG kMax>
int StoreInRange(LONG nValue, T* pValue) {
    if (nValue < kMin || nValue > kMax)
        return 0;
    *pValue = static_cast<T>(nValue);
    return 1;
}

// Rounds to the nearest float.
int StoreFloat(double dValue, float* pValue) {
    *pValue = static_cast<float>(dValue);
    return 1;
}

} // namespace

int CConv::DelComma(const char* lpszText, char* lpszOut, short nDecimals) {
    return Normalise<CommaRule::DropAll>(lpszText, lpszOut, nDecimals);
}

int CConv::MakeNumStr(const char* lpszText, char* lpszOut, short nDecimals) {
    return Normalise<CommaRule::GroupingOnly>(lpszText, lpszOut, nDecimals);
}

int CConv::Convert(const char* lpszText, LONG* pValue) {
    if (*lpszText == '\0') {
        *pValue = 0;
        return 1;
    }
    return ParseLong<CommaRule::DropAll>(lpszText, pValue);
}

int CConv::Convert(const char* lpszText, double* pValue, short nDecimals) {
    if (*lpszText == '\0') {
        *pValue = 0.0;
        return 1;
    }
    char szNumber[kNumberTextSize];
    return DelComma(lpszText, szNumber, nDecimals) && StoreReal(szNumber, pValue);
}

int CConv::Convert2(const char* lpszText, LONG* pValue) {
    return ParseLong<CommaRule::GroupingOnly>(lpszText, pValue);
}

int CConv::Convert2(const char* lpszText, double* pValue, short nDecimals) {
    char szNumber[kNumberTextSize];
    return MakeNumStr(lpszText, szNumber, nDecimals) && StoreReal(szNumber, pValue);
}

// The narrower targets take the method's LONG or double result where it fits.
#define TKP_NARROW_FORMS(Name)                                                                     \
    int CConv::Name(const char* lpszText, char* pValue) {                                          \
        LONG nValue = 0;                                                                           \
        return Name(lpszText, &nValue) &&                                                          \
               StoreInRange<char, SCHAR_MIN, SCHAR_MAX>(nValue, pValue);                           \
    }                                                                                              \
    int CConv::Name(const char* lpszText, short* pValue) {                                         \
        LONG nValue = 0;                                                                           \
        return Name(lpszText, &nValue) && StoreInRange<short, SHRT_MIN, SHRT_MAX>(nValue, pValue); \
    }                                                                                              \
    int CConv::Name(const char* lpszText, float* pValue, short nDecimals) {                        \
        double dValue = 0.0;                                                                       \
        return Name(lpszText, &dValue, nDecimals) && StoreFloat(dValue, pValue);                   \
    }

TKP_NARROW_FORMS(Convert)
TKP_NARROW_FORMS(Convert2)

#undef TKP_NARROW_FORMS

// A string is read as its text: each exported CString overload forwards to its char* form.
#define TKP_TEXT_FORMS(Name)                                                                       \
    int CConv::Name(CString strText, char* pValue) {                                               \
        return Name(static_cast<LPCSTR>(strText), pValue);                                         \
    }                                                                                              \
    int CConv::Name(CString strText, short* pValue) {                                              \
        return Name(static_cast<LPCSTR>(strText), pValue);                                         \
    }                                                                                              \
    int CConv::Name(CString strText, LONG* pValue) {                                               \
        return Name(static_cast<LPCSTR>(strText), pValue);                                         \
    }                                                                                              \
    int CConv::Name(CString strText, float* pValue, short nDecimals) {                             \
        return Name(static_cast<LPCSTR>(strText), pValue, nDecimals);                              \
    }                                                                                              \
    int CConv::Name(CString strText, double* pValue, short nDecimals) {                            \
        return Name(static_cast<LPCSTR>(strText), pValue, nDecimals);                              \
    }

TKP_TEXT_FORMS(Convert)
TKP_TEXT_FORMS(Convert2)

#undef TKP_TEXT_FORMS
