// libFuzzer target: arbitrary texts, values and sizes through every CConv member, checking
// what must hold on any input.
#include "FuzzExpect.h"

#include <CConv.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

namespace {

bool IsLeadByte(char ch) {
    const unsigned char b = static_cast<unsigned char>(ch);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Heap storage of exactly the given size, so that AddressSanitizer reports any access past it.
class Bytes {
public:
    explicit Bytes(size_t nSize, char chFill = '\x7F') : m_nSize(nSize), m_p(new char[nSize]) {
        std::memset(m_p.get(), chFill, nSize);
    }
    static Bytes Text(const std::string& strText) {
        Bytes text(std::strlen(strText.c_str()) + 1);
        std::memcpy(text.Get(), strText.c_str(), text.Size());
        return text;
    }
    char* Get() { return m_p.get(); }
    const char* Get() const { return m_p.get(); }
    size_t Size() const { return m_nSize; }
    std::string Contents() const { return std::string(m_p.get(), m_nSize); }
    // The text at the start, which must end within the storage.
    std::string TextWithin(const char* lpszWhat) const {
        const size_t nLength = strnlen(m_p.get(), m_nSize);
        Expect(nLength < m_nSize, lpszWhat);
        return std::string(m_p.get(), nLength);
    }

private:
    size_t m_nSize;
    std::unique_ptr<char[]> m_p;
};

std::string TextOf(const CString& str) {
    return static_cast<LPCSTR>(str);
}

// The number routines done the plain way: the commas removed into a copy, the normalised text
// built, tested and handed to the C library's conversion.
namespace reference {

int MakeNumStr(const char* p, char* lpszOut, short nDecimals) {
    if (*p == '\0' || *p == ',')
        return 0;
    while (*p == ' ')
        ++p;
    const bool bNegative = *p == '-';
    if (bNegative)
        ++p;
    if (*p == '\0')
        return 0;
    const char* pPoint = std::strchr(p, '.');
    const size_t nInteger = pPoint ? static_cast<size_t>(pPoint - p) : std::strlen(p);
    const size_t nFraction = pPoint ? std::strlen(pPoint + 1) : 0;
    char* pOut = lpszOut;
    if (bNegative)
        *pOut++ = '-';
    for (size_t i = 0; i < nInteger; ++i) {
        if (p[i] != ',')
            *pOut++ = p[i];
        else if ((nInteger - i) % 4 != 0)
            return 0;
    }
    const long nPlaces = std::min<long>(nDecimals, static_cast<long>(nFraction));
    if (nPlaces > 0) {
        *pOut++ = '.';
        std::memcpy(pOut, pPoint + 1, static_cast<size_t>(nPlaces));
        pOut += nPlaces;
    }
    *pOut = '\0';
    return 1;
}

int DelComma(const char* p, char* lpszOut, short nDecimals) {
    char szCopy[512];
    char* pCopy = szCopy;
    bool bPointSeen = false;
    for (; *p != '\0'; ++p) {
        bPointSeen = bPointSeen || *p == '.';
        if (*p != ',' || bPointSeen)
            *pCopy++ = *p;
    }
    *pCopy = '\0';
    return MakeNumStr(szCopy, lpszOut, nDecimals);
}

bool IsNumberText(const char* p, bool bReal) {
    if (*p == '-')
        ++p;
    bool bPointAllowed = bReal;
    for (; *p != '\0'; ++p) {
        if (*p >= '0' && *p <= '9')
            continue;
        if (*p != '.' || !bPointAllowed)
            return false;
        bPointAllowed = false;
    }
    return true;
}

// The normalised, tested text of one family, or nothing.
std::optional<std::string> Normalised(const char* lpszText, bool bConvert2, short nDecimals,
                                      bool bReal) {
    if (!bConvert2 && *lpszText == '\0')
        return std::string();
    char szOut[256];
    const int nResult =
        bConvert2 ? MakeNumStr(lpszText, szOut, nDecimals) : DelComma(lpszText, szOut, nDecimals);
    if (nResult == 0 || !IsNumberText(szOut, bReal))
        return std::nullopt;
    return std::string(szOut);
}

// Values beyond 32 bits are rejected.
std::optional<LONG> ParseLong(const char* lpszText, bool bConvert2) {
    const std::optional<std::string> strNumber = Normalised(lpszText, bConvert2, 0, false);
    if (!strNumber)
        return std::nullopt;
    errno = 0;
    const long long nValue = std::strtoll(strNumber->c_str(), nullptr, 10);
    if (errno == ERANGE || nValue < INT32_MIN || nValue > INT32_MAX)
        return std::nullopt;
    return static_cast<LONG>(nValue);
}

std::optional<double> ParseReal(const char* lpszText, bool bConvert2, short nDecimals) {
    const std::optional<std::string> strNumber = Normalised(lpszText, bConvert2, nDecimals, true);
    if (!strNumber)
        return std::nullopt;
    return std::strtod(strNumber->c_str(), nullptr);
}

// The integer part by divisions in doubles, group by group, then the guarded places; a place
// is written as a digit from 0 to 9.
std::string FormatReal(double dValue, short nDecimals, bool bCommas) {
    if (!(dValue <= 999000000000000.0) || dValue < -999000000000000.0)
        return "0";
    std::string strText;
    if (dValue < 0.0) {
        strText = "-";
        dValue *= -1.0;
    }
    bool bWritten = false;
    double dDivisor = 1000000000000.0;
    for (int nGroup = 0; nGroup < 5; ++nGroup, dDivisor /= 1000.0) {
        const double dQuotient = std::trunc(dValue / dDivisor);
        if (!bWritten && dQuotient == 0.0)
            continue;
        char szGroup[32];
        std::snprintf(szGroup, sizeof szGroup,
                      !bWritten ? "%d"
                      : bCommas ? ",%03d"
                                : "%03d",
                      static_cast<int>(dQuotient));
        strText += szGroup;
        bWritten = true;
        dValue -= dQuotient * dDivisor;
    }
    if (!bWritten)
        strText += "0";
    if (nDecimals <= 0)
        return strText;
    strText += '.';
    for (short n = 0; n < nDecimals; ++n) {
        dValue = dValue * 10.0 + 0.000005;
        const double dPlace = dValue + 0.000005;
        const int nDigit = dPlace >= 9.0 ? 9 : dPlace < 1.0 ? 0 : static_cast<int>(dPlace);
        strText += static_cast<char>('0' + nDigit);
        dValue -= nDigit;
    }
    return strText;
}

std::string FormatInteger(long long nValue, bool bCommas) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%lld", nValue < 0 ? -nValue : nValue);
    std::string strDigits = szText;
    if (bCommas) {
        for (size_t nAt = strDigits.size(); nAt > 3; nAt -= 3)
            strDigits.insert(nAt - 3, ",");
    }
    return (nValue < 0 ? "-" : "") + strDigits;
}

} // namespace reference

// Any double, or more often one that a field shows: digits with a few places.
double ConsumeValue(FuzzedDataProvider& data) {
    if (data.ConsumeBool())
        return data.ConsumeFloatingPoint<double>();
    const int64_t nDigits =
        data.ConsumeIntegralInRange<int64_t>(-1000000000000000000, 1000000000000000000);
    const int nPlaces = data.ConsumeIntegralInRange(0, 8);
    return static_cast<double>(nDigits) / std::pow(10.0, nPlaces);
}

// Input of the fuzzer: sizes and values from the end of the data, texts from its start.
struct Input {
    explicit Input(FuzzedDataProvider& data)
        : nSize(data.ConsumeIntegralInRange<short>(-4, 300)),
          nDecimals(data.ConsumeIntegralInRange<short>(-3, 40)),
          nMode(data.ConsumeIntegralInRange<short>(-2, 3)), bMark(data.ConsumeIntegral<short>()),
          nLong(data.ConsumeIntegral<LONG>()), nULong(data.ConsumeIntegral<ULONG>()),
          dValue(ConsumeValue(data)), fValue(data.ConsumeFloatingPoint<float>()),
          strText(data.ConsumeRandomLengthString(600)),
          strOther(data.ConsumeRemainingBytesAsString()) {}

    short nSize;
    short nDecimals;
    short nMode;
    short bMark;
    LONG nLong;
    ULONG nULong;
    double dValue;
    float fValue;
    std::string strText;
    std::string strOther;
};

// --- Convert, Convert2 ---

template <typename T>
bool SameValue(T a, T b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Runs one overload from a target holding a marker; returns the value stored, or nothing when
// the text was rejected, in which case the marker must still be there.
template <typename T, typename Text, typename... Decimals>
std::optional<T> Run(bool bConvert2, Text text, Decimals... nDecimals) {
    CConv conv;
    const T marker = static_cast<T>(77);
    T value = marker;
    const int nResult = bConvert2 ? conv.Convert2(text, &value, nDecimals...)
                                  : conv.Convert(text, &value, nDecimals...);
    Expect(nResult == 0 || nResult == 1, "Convert: result other than 0 or 1");
    if (nResult == 0) {
        Expect(SameValue(value, marker), "Convert: rejected text changed the target");
        return std::nullopt;
    }
    return value;
}

template <typename T, typename... Decimals>
std::optional<T> RunBoth(const Bytes& text, bool bConvert2, Decimals... nDecimals) {
    const std::optional<T> fromChars = Run<T>(bConvert2, text.Get(), nDecimals...);
    const std::optional<T> fromString = Run<T>(bConvert2, CString(text.Get()), nDecimals...);
    Expect(fromChars.has_value() == fromString.has_value() &&
               (!fromChars || SameValue(*fromChars, *fromString)),
           "Convert: CString and char* overloads disagree");
    return fromChars;
}

template <typename T>
std::optional<T> Narrow(std::optional<LONG> value, LONG nMin, LONG nMax) {
    if (!value || *value < nMin || *value > nMax)
        return std::nullopt;
    return static_cast<T>(*value);
}

template <typename T>
void ExpectSame(const std::optional<T>& actual, const std::optional<T>& expected,
                const char* lpszWhat) {
    Expect(actual.has_value() == expected.has_value() && (!actual || SameValue(*actual, *expected)),
           lpszWhat);
}

void FuzzParse(const Input& input) {
    const Bytes text = Bytes::Text(input.strText);
    const bool bInContract = std::strlen(text.Get()) <= 255;
    for (bool bConvert2 : {false, true}) {
        const auto nLong = RunBoth<LONG>(text, bConvert2);
        const auto chValue = RunBoth<char>(text, bConvert2);
        const auto nShort = RunBoth<short>(text, bConvert2);
        const auto dValue = RunBoth<double>(text, bConvert2, input.nDecimals);
        const auto fValue = RunBoth<float>(text, bConvert2, input.nDecimals);
        if (!bInContract)
            continue;
        const auto nExpected = reference::ParseLong(text.Get(), bConvert2);
        ExpectSame(nLong, nExpected, "Convert: LONG differs from the plain reading");
        ExpectSame(chValue, Narrow<char>(nExpected, -128, 127), "Convert: char differs");
        ExpectSame(nShort, Narrow<short>(nExpected, -32768, 32767), "Convert: short differs");
        const auto dExpected = reference::ParseReal(text.Get(), bConvert2, input.nDecimals);
        ExpectSame(dValue, dExpected, "Convert: double differs from the plain reading");
        ExpectSame(fValue,
                   dExpected ? std::optional<float>(static_cast<float>(*dExpected)) : std::nullopt,
                   "Convert: float differs");
    }
}

// --- CommaStr, NotCommaStr ---

// Formats into a char* target of exactly the room the caller must give and into a CString;
// both must agree. Returns the text.
template <typename... Args>
std::string FormatBoth(bool bCommas, size_t nRoom, Args... args) {
    CConv conv;
    Bytes target(nRoom);
    CString strTarget("previous");
    if (bCommas) {
        conv.CommaStr(target.Get(), args...);
        conv.CommaStr(strTarget, args...);
    } else {
        conv.NotCommaStr(target.Get(), args...);
        conv.NotCommaStr(strTarget, args...);
    }
    const std::string strText = target.TextWithin("CommaStr: text not terminated in its room");
    Expect(TextOf(strTarget) == strText, "CommaStr: CString and char* overloads disagree");
    return strText;
}

// A float is nudged half a thousandth away from zero, unless it is within a ten-thousandth of it.
double BiasedFloat(float fValue) {
    const double dBias = std::fabs(fValue) > 0.0001 ? std::copysign(0.0005, fValue) : 0.0;
    return static_cast<double>(fValue) + dBias;
}

void FuzzFormat(const Input& input) {
    const size_t kIntegerRoom = 15;
    const size_t nRealRoom = 21 + (input.nDecimals > 0 ? 1 + input.nDecimals : 0);
    for (bool bCommas : {false, true}) {
        Expect(FormatBoth(bCommas, kIntegerRoom, input.nLong) ==
                   reference::FormatInteger(input.nLong, bCommas),
               "CommaStr: LONG text differs");
        Expect(FormatBoth(bCommas, kIntegerRoom, input.nULong) ==
                   reference::FormatInteger(input.nULong, bCommas),
               "CommaStr: ULONG text differs");
        const char chValue = static_cast<char>(input.nLong);
        Expect(FormatBoth(bCommas, kIntegerRoom, chValue) ==
                   reference::FormatInteger(static_cast<signed char>(chValue), bCommas),
               "CommaStr: char text differs");
        const short nShort = static_cast<short>(input.nLong);
        Expect(FormatBoth(bCommas, kIntegerRoom, nShort) ==
                   reference::FormatInteger(nShort, bCommas),
               "CommaStr: short text differs");
        Expect(FormatBoth(bCommas, nRealRoom, input.dValue, input.nDecimals) ==
                   reference::FormatReal(input.dValue, input.nDecimals, bCommas),
               "CommaStr: double text differs");
        Expect(FormatBoth(bCommas, nRealRoom, input.fValue, input.nDecimals) ==
                   reference::FormatReal(BiasedFloat(input.fValue), input.nDecimals, bCommas),
               "CommaStr: float text differs");
    }
}

// --- Shift-JIS text helpers ---

// Whether n bytes from the start of a text end on a character boundary, or at a lead byte that
// ends the text.
bool EndsOnCharacter(const std::string& strText, size_t n) {
    size_t i = 0;
    while (i < n)
        i += (IsLeadByte(strText[i]) && i + 1 < strText.size()) ? 2 : 1;
    return i == n;
}

void FuzzKanjiCopy(const Input& input) {
    // A fixed field of nSize bytes, or a text; the copy may read no further than either.
    const short nLen = input.nSize;
    const bool bField = nLen > 0 && input.strText.size() >= static_cast<size_t>(nLen);
    Bytes source = bField ? Bytes(static_cast<size_t>(nLen)) : Bytes::Text(input.strText);
    if (bField)
        std::memcpy(source.Get(), input.strText.data(), static_cast<size_t>(nLen));
    const size_t nRoom = nLen > 0 ? static_cast<size_t>(nLen) + 1 : 1;
    CConv conv;
    Bytes target(nRoom);
    conv.KanjiCopy(target.Get(), source.Get(), nLen);
    Bytes unsignedTarget(nRoom);
    conv.KanjiCopy(reinterpret_cast<unsigned char*>(unsignedTarget.Get()),
                   reinterpret_cast<const unsigned char*>(source.Get()), nLen);
    const std::string strCopy = target.TextWithin("KanjiCopy: copy not terminated in nLen + 1");
    Expect(unsignedTarget.TextWithin("KanjiCopy: unsigned copy not terminated") == strCopy,
           "KanjiCopy: overloads disagree");
    const std::string strSource(source.Get(), strnlen(source.Get(), source.Size()));
    Expect(strSource.compare(0, strCopy.size(), strCopy) == 0, "KanjiCopy: not a prefix");
    Expect(EndsOnCharacter(strSource, strCopy.size()), "KanjiCopy: split a character");
    const size_t nLimit = std::min(strSource.size(), nRoom - 1);
    Expect(strCopy.size() + 1 >= nLimit, "KanjiCopy: copied less than fits");
}

bool EndsInBlank(const std::string& strText) {
    size_t nLastStart = std::string::npos;
    for (size_t i = 0; i < strText.size();) {
        nLastStart = i;
        i += IsLeadByte(strText[i]) && i + 1 < strText.size() ? 2 : 1;
    }
    if (nLastStart == std::string::npos)
        return false;
    return strText.compare(nLastStart, std::string::npos, " ") == 0 ||
           strText.compare(nLastStart, std::string::npos, "\x81\x40") == 0;
}

void FuzzTrimming(const Input& input) {
    const Bytes original = Bytes::Text(input.strText);
    const std::string strOriginal = original.Get();
    // "変換できません" (cannot convert)
    const std::string strMessage = "\x95\xCF\x8A\xB7\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";
    CConv conv;
    Bytes after = Bytes::Text(strOriginal);
    conv.DelAfterSpace(after.Get());
    const std::string strAfter = after.TextWithin("DelAfterSpace: not terminated");
    Expect(strOriginal.compare(0, strAfter.size(), strAfter) == 0, "DelAfterSpace: not a prefix");
    Expect(!EndsInBlank(strAfter), "DelAfterSpace: a blank is left at the end");
    Expect(EndsOnCharacter(strOriginal, strAfter.size()), "DelAfterSpace: split a character");
    Bytes before = Bytes::Text(strOriginal);
    conv.DelBeforeSpace(before.Get());
    const std::string strBefore = before.TextWithin("DelBeforeSpace: not terminated");
    Expect(strBefore.size() <= strOriginal.size() &&
               strOriginal.compare(strOriginal.size() - strBefore.size(), std::string::npos,
                                   strBefore) == 0,
           "DelBeforeSpace: not a suffix");
    const bool bLong = strOriginal.size() > 255;
    CString strStringAfter(strOriginal.c_str());
    conv.DelAfterSpace(strStringAfter);
    Expect(TextOf(strStringAfter) == (bLong ? strMessage : strAfter),
           "DelAfterSpace: CString and char* overloads disagree");
    CString strStringBefore(strOriginal.c_str());
    conv.DelBeforeSpace(strStringBefore);
    Expect(TextOf(strStringBefore) == (bLong ? strMessage : strBefore),
           "DelBeforeSpace: CString and char* overloads disagree");
}

bool HasLowerCaseLetter(const std::string& strText) {
    for (size_t i = 0; i < strText.size(); ++i) {
        if (IsLeadByte(strText[i]) && i + 1 < strText.size())
            ++i;
        else if (strText[i] >= 'a' && strText[i] <= 'z')
            return true;
    }
    return false;
}

void FuzzKey(const Input& input) {
    const Bytes key = Bytes::Text(input.strText);
    const short nSize = input.nSize;
    const size_t nRoom = nSize > 0 ? static_cast<size_t>(nSize) : 1;
    CConv conv;
    Bytes target(nRoom);
    const std::string strUntouched = target.Contents();
    conv.ConvIkey(target.Get(), key.Get(), nSize);
    if (nSize <= 0) {
        Expect(target.Contents() == strUntouched, "ConvIkey: wrote without room");
        return;
    }
    const std::string strKey = target.TextWithin("ConvIkey: not terminated within nSize");
    Expect(target.Contents().find_first_not_of('\0', strKey.size()) == std::string::npos,
           "ConvIkey: the rest of the target is not zeros");
    Expect(strKey.find(' ') == std::string::npos, "ConvIkey: a blank is left");
    std::string strBlankFree = key.Get();
    strBlankFree.erase(std::remove(strBlankFree.begin(), strBlankFree.end(), ' '),
                       strBlankFree.end());
    Expect(strKey.size() <= strBlankFree.size(), "ConvIkey: longer than its source");
    for (size_t i = 0; i < strKey.size(); ++i) {
        const char chSource = strBlankFree[i];
        Expect(strKey[i] == chSource ||
                   (chSource >= 'a' && chSource <= 'z' && strKey[i] == chSource - 'a' + 'A'),
               "ConvIkey: a byte other than its source's");
    }
    // Without double-byte characters every letter is a single-byte one.
    const bool bSingleBytes =
        std::none_of(strKey.begin(), strKey.end(), [](char ch) { return IsLeadByte(ch); });
    Expect(!bSingleBytes || !HasLowerCaseLetter(strKey), "ConvIkey: a letter left in lower case");
    if (std::strlen(key.Get()) <= 255 && nSize <= 256) {
        CString strTarget("previous");
        conv.ConvIkey(strTarget, CString(key.Get()), nSize);
        Expect(TextOf(strTarget) == strKey, "ConvIkey: CString and char* overloads disagree");
    }
}

void FuzzCode(const Input& input) {
    const Bytes code = Bytes::Text(input.strText);
    const short nSize = input.nSize;
    const size_t nRoom = nSize > 0 ? static_cast<size_t>(nSize) : 1;
    CConv conv;
    Bytes target(nRoom);
    const std::string strUntouched = target.Contents();
    const int nResult = conv.ConvCodeString(target.Get(), code.Get(), nSize);
    Expect(nResult == 0 || nResult == 1, "ConvCodeString: result other than 0 or 1");
    if (nSize <= 0) {
        Expect(nResult == 0 && target.Contents() == strUntouched,
               "ConvCodeString: wrote without room");
        return;
    }
    const std::string strCode = target.TextWithin("ConvCodeString: not terminated within nSize");
    if (nResult == 0) {
        Expect(target.Contents() == std::string(nRoom, '\0'), "ConvCodeString: 0 but not zeros");
    } else {
        Expect(strCode.size() == nRoom - 1, "ConvCodeString: code is not nSize - 1 wide");
        const size_t nKey = strCode.find_first_not_of(' ');
        Expect(nKey != std::string::npos, "ConvCodeString: code of blanks only");
        const std::string strKey = strCode.substr(nKey);
        Expect(strKey.find_first_of(" \",") == std::string::npos && !HasLowerCaseLetter(strKey),
               "ConvCodeString: a blank, quote, comma or small letter in the code");
        for (char ch : strKey)
            Expect(!IsLeadByte(ch), "ConvCodeString: a double-byte character in the code");
    }
    if (std::strlen(code.Get()) <= 255 && nSize <= 256) {
        CString strTarget("previous");
        Expect(conv.ConvCodeString(strTarget, CString(code.Get()), nSize) == nResult,
               "ConvCodeString: CString result differs");
        Expect(TextOf(strTarget) == strCode,
               "ConvCodeString: CString and char* overloads disagree");
    }
}

void FuzzDirName(const Input& input) {
    const Bytes path = Bytes::Text(input.strText);
    const short nSize = input.nSize;
    const size_t nRoom = nSize > 0 ? static_cast<size_t>(nSize) : 1;
    CConv conv;
    Bytes target(nRoom);
    conv.ConvDirName(target.Get(), path.Get(), nSize);
    const std::string strShort = target.TextWithin("ConvDirName: not terminated within nSize");
    const std::string strPath = path.Get();
    if (strPath.size() < nRoom)
        Expect(strShort == strPath, "ConvDirName: a path that fits is not copied whole");
    else if (nSize >= 4)
        Expect(strShort.find("...") != std::string::npos, "ConvDirName: a cut without points");
}

void FuzzPostCode(const Input& input) {
    const Bytes code1 = Bytes::Text(input.strText);
    const Bytes code2 = Bytes::Text(input.strOther);
    const size_t nCode1 = std::strlen(code1.Get());
    const size_t nRoom = 2 + std::max<size_t>(nCode1, 3) + 1 + 4 + 1;
    CConv conv;
    Bytes target(nRoom);
    const std::string strUntouched = target.Contents();
    conv.ConvPostCode(target.Get(), code1.Get(), code2.Get(), input.nMode, input.bMark);
    CString strTarget("previous");
    conv.ConvPostCode(strTarget, CString(code1.Get()), CString(code2.Get()), input.nMode,
                      input.bMark);
    if (input.nMode != 0 && input.nMode != 1) {
        Expect(target.Contents() == strUntouched && TextOf(strTarget) == "previous",
               "ConvPostCode: wrote in a mode it does not have");
        return;
    }
    const std::string strText = target.TextWithin("ConvPostCode: not terminated in its room");
    Expect(TextOf(strTarget) == strText, "ConvPostCode: CString and char* overloads disagree");
    const std::string strMark = input.bMark ? "\x81\xA7" : "";
    Expect(strText.compare(0, strMark.size() + nCode1, strMark + code1.Get()) == 0,
           "ConvPostCode: does not begin with the mark and the first part");

    Bytes name = Bytes::Text(input.strOther);
    conv.ConvShortPostName(name.Get());
    const std::string strName = name.TextWithin("ConvShortPostName: not terminated");
    const std::string strOriginal = code2.Get();
    Expect(strOriginal.compare(0, strName.size(), strName) == 0 &&
               EndsOnCharacter(strOriginal, strName.size()),
           "ConvShortPostName: not a whole-character prefix");
    for (size_t i = 0; i < strName.size(); i += IsLeadByte(strName[i]) ? 2 : 1)
        Expect(strName[i] != '(', "ConvShortPostName: a parenthesis is left");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    FuzzedDataProvider data(pData, nSize);
    const Input input(data);
    FuzzParse(input);
    FuzzFormat(input);
    FuzzKanjiCopy(input);
    FuzzTrimming(input);
    FuzzKey(input);
    FuzzCode(input);
    FuzzDirName(input);
    FuzzPostCode(input);
    return 0;
}
