// Tests of CConv::CommaStr and CConv::NotCommaStr: numbers to text.
#include <CConv.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

enum class Family { CommaStr, NotCommaStr };

// Formats through the char* overload into a buffer with a guard behind the room the caller
// must give, and through the CString& overload, which must agree; returns the text.
template <typename... Args>
std::string Format(Family family, size_t nRoom, Args... args) {
    CConv conv;
    char szBuf[64];
    std::memset(szBuf, '#', sizeof szBuf);
    CString strBuf("previous text");
    if (family == Family::CommaStr) {
        conv.CommaStr(szBuf, args...);
        conv.CommaStr(strBuf, args...);
    } else {
        conv.NotCommaStr(szBuf, args...);
        conv.NotCommaStr(strBuf, args...);
    }
    EXPECT_EQ(szBuf[nRoom], '#') << "wrote past the room the caller gives";
    const std::string strText(szBuf, strnlen(szBuf, nRoom));
    EXPECT_LT(strText.size(), nRoom) << "no terminator within the room";
    EXPECT_EQ(std::string(static_cast<LPCSTR>(strBuf)), strText) << "CString& overload disagrees";
    return strText;
}

std::string WithoutCommas(std::string strText) {
    strText.erase(std::remove(strText.begin(), strText.end(), ','), strText.end());
    return strText;
}

constexpr size_t kIntegerRoom = 15;

size_t RealRoom(short nDecimals) {
    return 21 + (nDecimals > 0 ? 1 + nDecimals : 0);
}

struct IntegerCase {
    LONG nValue;
    const char* lpszText;
};

TEST(ConvComma, LongValuesAreGroupedByThousands) {
    const IntegerCase kCases[] = {
        {0, "0"},
        {-5, "-5"},
        {10, "10"},
        {100, "100"},
        {999, "999"},
        {1000, "1,000"},
        {10000, "10,000"},
        {-100000000, "-100,000,000"},
        {-1000, "-1,000"},
        {1000001, "1,000,001"},
        {-1234567, "-1,234,567"},
        {2147483647, "2,147,483,647"},
        {-2147483647 - 1, "-2,147,483,648"},
    };
    for (const IntegerCase& c : kCases) {
        SCOPED_TRACE(c.nValue);
        EXPECT_EQ(Format(Family::CommaStr, kIntegerRoom, c.nValue), c.lpszText);
        EXPECT_EQ(Format(Family::NotCommaStr, kIntegerRoom, c.nValue), WithoutCommas(c.lpszText));
    }
}

TEST(ConvComma, NarrowAndUnsignedValuesShowTheirOwnRange) {
    EXPECT_EQ(Format(Family::CommaStr, kIntegerRoom, ULONG{4294967295u}), "4,294,967,295");
    EXPECT_EQ(Format(Family::NotCommaStr, kIntegerRoom, ULONG{4294967295u}), "4294967295");
    EXPECT_EQ(Format(Family::CommaStr, kIntegerRoom, ULONG{0}), "0");
    EXPECT_EQ(Format(Family::CommaStr, kIntegerRoom, static_cast<char>(-128)), "-128");
    EXPECT_EQ(Format(Family::NotCommaStr, kIntegerRoom, static_cast<char>(127)), "127");
    EXPECT_EQ(Format(Family::CommaStr, kIntegerRoom, static_cast<short>(-32768)), "-32,768");
    EXPECT_EQ(Format(Family::NotCommaStr, kIntegerRoom, static_cast<short>(32767)), "32767");
}

template <typename T>
struct RealCase {
    T value;
    short nDecimals;
    const char* lpszText;
};

// Both families format each value with its places into the room the caller gives for them.
template <typename T, size_t nCases>
void ExpectReals(const RealCase<T> (&cases)[nCases]) {
    for (const RealCase<T>& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " with " + std::to_string(c.nDecimals));
        const size_t nRoom = RealRoom(c.nDecimals);
        EXPECT_EQ(Format(Family::CommaStr, nRoom, c.value, c.nDecimals), c.lpszText);
        EXPECT_EQ(Format(Family::NotCommaStr, nRoom, c.value, c.nDecimals),
                  WithoutCommas(c.lpszText));
    }
}

TEST(ConvComma, RealValuesAreCutAtTheLastPlace) {
    const RealCase<double> kCases[] = {
        {0.0, 0, "0"},
        {0.0, 2, "0.00"},
        {-0.0, 2, "0.00"},
        {0.5, 1, "0.5"},
        {-0.5, 1, "-0.5"},
        {-0.05, 2, "-0.05"},
        {-1e-300, 2, "-0.00"},
        {12.5, 0, "12"},
        {-12.5, 0, "-12"},
        {12.5, -3, "12"},
        {1.239, 2, "1.23"},
        {1.15, 2, "1.15"},
        {0.57, 2, "0.57"},
        {2.675, 2, "2.67"},
        {0.9999999, 2, "0.99"},
        {1234567.891, 2, "1,234,567.89"},
        {123456789012.345, 3, "123,456,789,012.345"},
        {999000000000000.0, 0, "999,000,000,000,000"},
        {-999000000000000.0, 2, "-999,000,000,000,000.00"},
        {999000000000000.5, 0, "0"},
        {-999000000000000.5, 2, "0"},
        {1000000000000000.0, 2, "0"},
        {std::numeric_limits<double>::quiet_NaN(), 2, "0"},
        {-std::numeric_limits<double>::infinity(), 2, "0"},
        // The guards add up from the seventh place on.
        {0.0, 8, "0.00000055"},
        // The first place takes the guards' 0.000002 above 2; the remainder is then below 0 and
        // would make later places negative.
        {0.1999992, 8, "0.20000000"},
    };
    ExpectReals(kCases);
}

TEST(ConvComma, FloatValuesAreBiasedAtTheFourthPlace) {
    const RealCase<float> kCases[] = {
        {1.23f, 2, "1.23"},   {1.2399f, 2, "1.24"},   {1.2394f, 2, "1.23"},
        {1.23f, 4, "1.2305"}, {0.00005f, 2, "0.00"},  {-0.00005f, 2, "-0.00"},
        {-1.5f, 1, "-1.5"},   {-1.2399f, 2, "-1.24"}, {16777216.0f, 0, "16,777,216"},
        {3.0e15f, 0, "0"},
    };
    ExpectReals(kCases);
}

TEST(ConvComma, StringTargetsTakeTextsBeyond23Characters) {
    CConv conv;
    CString strBuf;
    conv.CommaStr(strBuf, -999000000000000.0, short{5});
    EXPECT_STREQ(strBuf, "-999,000,000,000,000.00000");
    conv.NotCommaStr(strBuf, 1.5f, short{30});
    EXPECT_EQ(strBuf.GetLength(), 32);
}

} // namespace
