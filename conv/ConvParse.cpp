// CConv's parsing families Convert and Convert2: entry text to char, short, LONG, float, double.
#include "CConv.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <limits>

namespace {

// Entry texts are at most 255 bytes long, so that the normalised text always fits the
// 256-byte buffer that the real overloads hand to the decimal conversion; a longer text is
// rejected. Every buffer is the call's own, so calls may run on any thread.
constexpr ptrdiff_t kMaxText = 255;
constexpr size_t kNumberTextSize = kMaxText + 1;

// Convert forgets every comma before the point; Convert2 keeps them and lets a comma stand
// only where a thousands separator would.
enum class CommaRule { DropAll, GroupingOnly };

bool IsDigit(char ch) {
    return static_cast<unsigned char>(ch - '0') <= 9;
}

// Whether a text of which the bytes before pRead have been read ends within kMaxText bytes.
bool EndsWithinLimit(const char* lpszText, const char* pRead) {
    const ptrdiff_t nRead = pRead - lpszText;
    if (nRead > kMaxText)
        return false;
    if (*pRead == '\0')
        return true;
    const size_t nRoom = static_cast<size_t>(kMaxText - nRead);
    return strnlen(pRead, nRoom + 1) <= nRoom;
}

template <CommaRule kRule>
void SkipDroppedCommas(const char*& p) {
    if constexpr (kRule == CommaRule::DropAll) {
        while (*p == ',')
            ++p;
    }
}

// Reads the sign and the integer part of an entry text, handing the minus sign and every
// byte of the integer part but its commas to the sink. Returns where the integer part ends
// (at the first point or the terminator), or nullptr for a rejected text. Convert's comma
// removal and the normalisation run as one pass: dropping the commas first and skipping the
// blanks afterwards reads the same as skipping both together.
template <CommaRule kRule, class Sink>
const char* ScanInteger(const char* lpszText, Sink& sink) {
    const char* p = lpszText;
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
        sink.Minus();
    }
    if (*p == '\0')
        return nullptr;

    // A comma at position i of an integer part of L bytes is a separator when L - i is a
    // multiple of 4; all of them must therefore share the position L mod 4.
    const char* const pIntegerPart = p;
    unsigned nCommaPositions = 0;
    for (; *p != '\0' && *p != '.'; ++p) {
        if (p - lpszText >= kMaxText)
            return nullptr;
        if (*p == ',') {
            nCommaPositions |= 1u << ((p - pIntegerPart) & 3);
            continue;
        }
        if (!sink.Integer(*p))
            return nullptr;
    }
    if constexpr (kRule == CommaRule::GroupingOnly) {
        const unsigned nSeparatorPosition = 1u << ((p - pIntegerPart) & 3);
        if ((nCommaPositions & ~nSeparatorPosition) != 0)
            return nullptr;
    }
    return p;
}

// Writes the normalised text: the bytes go through unchecked, as the character test follows.
class NumberTextWriter {
public:
    explicit NumberTextWriter(char* lpszOut) : m_p(lpszOut) {}
    void Minus() { *m_p++ = '-'; }
    bool Integer(char ch) {
        *m_p++ = ch;
        return true;
    }
    void Put(char ch) { *m_p++ = ch; }
    void End() { *m_p = '\0'; }

private:
    char* m_p;
};

// Takes the integer part straight into a value: the character test and the decimal
// conversion of the integer overloads in the same pass.
class LongAccumulator {
public:
    void Minus() { m_bNegative = true; }
    bool Integer(char ch) {
        if (!IsDigit(ch))
            return false;
        m_nMagnitude = m_nMagnitude * 10 + static_cast<unsigned>(ch - '0');
        return m_nMagnitude <= kMostNegativeMagnitude;
    }
    // A value beyond 32 bits is rejected rather than wrapped or clamped.
    int Store(LONG* pValue) const {
        if (!m_bNegative && m_nMagnitude > kLargestMagnitude)
            return 0;
        const LONGLONG nValue = static_cast<LONGLONG>(m_nMagnitude);
        *pValue = static_cast<LONG>(m_bNegative ? -nValue : nValue);
        return 1;
    }

private:
    static constexpr ULONGLONG kLargestMagnitude = std::numeric_limits<LONG>::max();
    static constexpr ULONGLONG kMostNegativeMagnitude = kLargestMagnitude + 1;
    ULONGLONG m_nMagnitude = 0;
    bool m_bNegative = false;
};

template <CommaRule kRule>
int ParseLong(const char* lpszText, LONG* pValue) {
    LongAccumulator accumulator;
    const char* pEnd = ScanInteger<kRule>(lpszText, accumulator);
    if (pEnd == nullptr || !EndsWithinLimit(lpszText, pEnd))
        return 0;
    return accumulator.Store(pValue);
}

// The fraction is cut after nDecimals bytes, never rounded; what follows is not read.
template <CommaRule kRule>
int Normalise(const char* lpszText, char* lpszOut, short nDecimals) {
    NumberTextWriter writer(lpszOut);
    const char* p = ScanInteger<kRule>(lpszText, writer);
    if (p == nullptr)
        return 0;
    if (*p == '.' && nDecimals > 0 && p[1] != '\0') {
        writer.Put(*p++);
        for (short n = 0; n < nDecimals && *p != '\0'; ++n, ++p) {
            if (p - lpszText >= kMaxText)
                return 0;
            writer.Put(*p);
        }
    }
    if (!EndsWithinLimit(lpszText, p))
        return 0;
    writer.End();
    return 1;
}

// Digits with at most one point, after one leading minus sign.
bool IsRealText(const char* p) {
    if (*p == '-')
        ++p;
    bool bPointSeen = false;
    for (; *p != '\0'; ++p) {
        if (IsDigit(*p))
            continue;
        if (*p != '.' || bPointSeen)
            return false;
        bPointSeen = true;
    }
    return true;
}

// A checked normalised text is at most 255 bytes of digits, so its value is always a finite
// double; from_chars rounds to nearest as the C library's strtod does. An empty text and a
// lone minus sign leave the value at 0.
int StoreReal(const char* lpszNumber, double* pValue) {
    if (!IsRealText(lpszNumber))
        return 0;
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

int CConv::Convert(const char* lpszText, char* pValue) {
    LONG nValue = 0;
    return Convert(lpszText, &nValue) && StoreInRange<char, SCHAR_MIN, SCHAR_MAX>(nValue, pValue);
}

int CConv::Convert(const char* lpszText, short* pValue) {
    LONG nValue = 0;
    return Convert(lpszText, &nValue) && StoreInRange<short, SHRT_MIN, SHRT_MAX>(nValue, pValue);
}

int CConv::Convert(const char* lpszText, float* pValue, short nDecimals) {
    double dValue = 0.0;
    return Convert(lpszText, &dValue, nDecimals) && StoreFloat(dValue, pValue);
}

int CConv::Convert2(const char* lpszText, LONG* pValue) {
    return ParseLong<CommaRule::GroupingOnly>(lpszText, pValue);
}

int CConv::Convert2(const char* lpszText, double* pValue, short nDecimals) {
    char szNumber[kNumberTextSize];
    return MakeNumStr(lpszText, szNumber, nDecimals) && StoreReal(szNumber, pValue);
}

int CConv::Convert2(const char* lpszText, char* pValue) {
    LONG nValue = 0;
    return Convert2(lpszText, &nValue) && StoreInRange<char, SCHAR_MIN, SCHAR_MAX>(nValue, pValue);
}

int CConv::Convert2(const char* lpszText, short* pValue) {
    LONG nValue = 0;
    return Convert2(lpszText, &nValue) && StoreInRange<short, SHRT_MIN, SHRT_MAX>(nValue, pValue);
}

int CConv::Convert2(const char* lpszText, float* pValue, short nDecimals) {
    double dValue = 0.0;
    return Convert2(lpszText, &dValue, nDecimals) && StoreFloat(dValue, pValue);
}

int CConv::Convert(CString strText, char* pValue) {
    return Convert(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert(CString strText, short* pValue) {
    return Convert(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert(CString strText, LONG* pValue) {
    return Convert(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert(CString strText, float* pValue, short nDecimals) {
    return Convert(static_cast<LPCSTR>(strText), pValue, nDecimals);
}

int CConv::Convert(CString strText, double* pValue, short nDecimals) {
    return Convert(static_cast<LPCSTR>(strText), pValue, nDecimals);
}

int CConv::Convert2(CString strText, char* pValue) {
    return Convert2(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert2(CString strText, short* pValue) {
    return Convert2(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert2(CString strText, LONG* pValue) {
    return Convert2(static_cast<LPCSTR>(strText), pValue);
}

int CConv::Convert2(CString strText, float* pValue, short nDecimals) {
    return Convert2(static_cast<LPCSTR>(strText), pValue, nDecimals);
}

int CConv::Convert2(CString strText, double* pValue, short nDecimals) {
    return Convert2(static_cast<LPCSTR>(strText), pValue, nDecimals);
}
