// Tests of CConv::Convert and CConv::Convert2: entry text to char, short, LONG, float, double.
#include <CConv.h>

#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "ShiftJis.h"

namespace {

constexpr auto kRejected = std::nullopt;

enum class Family { Convert, Convert2 };

// What a rejected call must leave in the target.
template <typename T>
constexpr T kUntouched = static_cast<T>(99);

// One overload: the value stored, or nothing when the text was rejected, in which case the
// target must still hold what it held before.
template <typename T, typename Text, typename... Decimals>
std::optional<T> RunOverload(Family family, Text text, Decimals... nDecimals) {
    CConv conv;
    T value = kUntouched<T>;
    const int nResult = family == Family::Convert ? conv.Convert(text, &value, nDecimals...)
                                                  : conv.Convert2(text, &value, nDecimals...);
    if (nResult == 0) {
        EXPECT_EQ(value, kUntouched<T>) << "a rejected text changed the target";
        return std::nullopt;
    }
    EXPECT_EQ(nResult, 1);
    return value;
}

// The const char* and the CString overload of one family, which must agree.
template <typename T, typename... Decimals>
std::optional<T> Parse(Family family, const std::string& strText, Decimals... nDecimals) {
    const std::optional<T> fromChars = RunOverload<T>(family, strText.c_str(), nDecimals...);
    const std::optional<T> fromString =
        RunOverload<T>(family, CString(strText.c_str()), nDecimals...);
    EXPECT_EQ(fromChars, fromString) << "the CString overload disagrees";
    return fromChars;
}

struct LongCase {
    const char* lpszText;
    std::optional<LONG> convert;
    std::optional<LONG> convert2;
};

const LongCase kLongCases[] = {
    {"", 0, kRejected},
    {"1,234,567", 1234567, 1234567},
    {"1,2,3", 123, kRejected},
    {"1234,567", 1234567, 1234567},
    {"12,34,567", 1234567, kRejected},
    {"1,23", 123, kRejected},
    {",123", 123, kRejected},
    {" ,123", 123, 123},
    {"-,123", -123, -123},
    {" ,-12", -12, -12},
    {" ,-123", -123, kRejected},
    {"-,-12", kRejected, kRejected},
    {",,,", kRejected, kRejected},
    {"  -1,234", -1234, -1234},
    {"1234 ", kRejected, kRejected},
    {"　1234", kRejected, kRejected},
    {"１２", kRejected, kRejected},
    {"+5", kRejected, kRejected},
    {"--5", kRejected, kRejected},
    {"- 5", kRejected, kRejected},
    {"12.9", 12, 12},
    {"-12.9", -12, -12},
    {"12.x", 12, 12},
    {"1,234.5,6", 1234, 1234},
    {".", 0, 0},
    {"-.", 0, 0},
    {"-", kRejected, kRejected},
    {"   ", kRejected, kRejected},
    {" - ", kRejected, kRejected},
    {"000000000000000000042", 42, 42},
    {"2,147,483,647", 2147483647, 2147483647},
    {"-2147483648", -2147483647 - 1, -2147483647 - 1},
    {"2147483648", kRejected, kRejected},
    {"-2147483649", kRejected, kRejected},
    {"99999999999999999999", kRejected, kRejected},
    {"18446744073709551617", kRejected, kRejected},
    {"0000000000000000002,147,483,648", kRejected, kRejected},
    {"-000000000000000002,147,483,648", -2147483647 - 1, -2147483647 - 1},
};

TEST(ConvParse, LongTargetsFollowTheirFamilysCommaRule) {
    for (const LongCase& c : kLongCases) {
        SCOPED_TRACE(c.lpszText);
        const std::string strText = test::ShiftJis(c.lpszText);
        EXPECT_EQ(Parse<LONG>(Family::Convert, strText), c.convert);
        EXPECT_EQ(Parse<LONG>(Family::Convert2, strText), c.convert2);
    }
}

struct NarrowCase {
    const char* lpszText;
    std::optional<LONG> value;
};

TEST(ConvParse, CharAndShortTargetsRejectValuesOutsideTheirRange) {
    const NarrowCase kCharCases[] = {
        {"127", 127},
        {"-128", -128},
        {"128", kRejected},
        {"-129", kRejected},
        {"4294967295", kRejected},
    };
    const NarrowCase kShortCases[] = {
        {"32,767", 32767},     {"-32768", -32768},   {"32768", kRejected},
        {"-32769", kRejected}, {"65536", kRejected},
    };
    for (Family family : {Family::Convert, Family::Convert2}) {
        for (const NarrowCase& c : kCharCases) {
            SCOPED_TRACE(c.lpszText);
            const std::optional<char> value = Parse<char>(family, c.lpszText);
            EXPECT_EQ(value ? std::optional<LONG>(static_cast<signed char>(*value)) : kRejected,
                      c.value);
        }
        for (const NarrowCase& c : kShortCases) {
            SCOPED_TRACE(c.lpszText);
            const std::optional<short> value = Parse<short>(family, c.lpszText);
            EXPECT_EQ(value ? std::optional<LONG>(*value) : kRejected, c.value);
        }
    }
}

struct RealCase {
    const char* lpszText;
    short nDecimals;
    std::optional<double> convert;
    std::optional<double> convert2;
};

const RealCase kRealCases[] = {
    {"", 2, 0.0, kRejected},
    {"1.239", 2, 1.23, 1.23},
    {"1.5", 2, 1.5, 1.5},
    {"1.5.2", 1, 1.5, 1.5},
    {"1.5.2", 2, kRejected, kRejected},
    {"1.2,3", 1, 1.2, 1.2},
    {"1.2,3", 2, kRejected, kRejected},
    {"1.2x", 1, 1.2, 1.2},
    {"1.2x", 2, kRejected, kRejected},
    {"12.75", 0, 12.0, 12.0},
    {"12.75", -1, 12.0, 12.0},
    {"12.x", 0, 12.0, 12.0},
    {"1,234.5", 1, 1234.5, 1234.5},
    {"12,34.5", 1, 1234.5, kRejected},
    {",5", 1, 5.0, kRejected},
    {" -0.05", 2, -0.05, -0.05},
    {".5", 1, 0.5, 0.5},
    {"-.5", 1, -0.5, -0.5},
    {"1.", 2, 1.0, 1.0},
    {"-", 2, kRejected, kRejected},
    {"1.5 ", 1, 1.5, 1.5},
    {"1.5 ", 2, kRejected, kRejected},
    {"1e5", 2, kRejected, kRejected},
    {"999,999,999,999.99", 2, 999999999999.99, 999999999999.99},
};

TEST(ConvParse, RealTargetsReadTheirPlacesCutNotRounded) {
    for (const RealCase& c : kRealCases) {
        SCOPED_TRACE(std::string(c.lpszText) + " with " + std::to_string(c.nDecimals));
        EXPECT_EQ(Parse<double>(Family::Convert, c.lpszText, c.nDecimals), c.convert);
        EXPECT_EQ(Parse<double>(Family::Convert2, c.lpszText, c.nDecimals), c.convert2);
    }
}

TEST(ConvParse, FloatTargetsRoundTheDoubleToNearest) {
    EXPECT_EQ(Parse<float>(Family::Convert, "1.239", short{2}), std::optional<float>(1.23f));
    EXPECT_EQ(Parse<float>(Family::Convert2, "16777217", short{0}),
              std::optional<float>(16777216.0f));
    EXPECT_EQ(Parse<float>(Family::Convert, "12,34.5", short{1}), std::optional<float>(1234.5f));
    EXPECT_EQ(Parse<float>(Family::Convert2, "12,34.5", short{1}), std::nullopt);
}

TEST(ConvParse, ZeroKeepsTheSignOfItsDigits) {
    const std::optional<double> negative = Parse<double>(Family::Convert, "-0.4", short{0});
    ASSERT_TRUE(negative);
    EXPECT_TRUE(std::signbit(*negative));
    const std::optional<double> noDigits = Parse<double>(Family::Convert2, "-.4", short{0});
    ASSERT_TRUE(noDigits);
    EXPECT_FALSE(std::signbit(*noDigits));
}

// Each text is read alone, whatever a longer one read just before it left behind.
TEST(ConvParse, ShorterTextAfterALongerOneIsReadAlone) {
    CConv conv;
    double dLonger = 0, dShorter = 0;
    conv.Convert("-123456.75", &dLonger, short{2});
    conv.Convert2("5", &dShorter, short{2});
    EXPECT_EQ(5.0, dShorter);
}

// A text is read up to its terminator, its point (integer targets) or its last place taken
// (real targets); a text whose read stretch is longer than 255 bytes is rejected.
TEST(ConvParse, TextsAreReadForAtMost255Bytes) {
    const std::string strLongest = std::string(250, ' ') + "-1234";
    const std::string strLongFraction = "7." + std::string(300, '5');
    for (Family family : {Family::Convert, Family::Convert2}) {
        EXPECT_EQ(Parse<LONG>(family, strLongest), std::optional<LONG>(-1234));
        EXPECT_EQ(Parse<LONG>(family, " " + strLongest), kRejected);
        EXPECT_EQ(Parse<LONG>(family, std::string(300, '0') + "1"), kRejected);
        EXPECT_EQ(Parse<LONG>(family, std::string(256, ' ') + ".5"), kRejected);
        EXPECT_EQ(Parse<double>(family, std::string(254, ' ') + "1.5", short{1}), kRejected);
        EXPECT_EQ(Parse<LONG>(family, strLongFraction), std::optional<LONG>(7));
        EXPECT_EQ(Parse<double>(family, strLongFraction, short{1}), std::optional<double>(7.5));
        EXPECT_EQ(Parse<double>(family, strLongFraction, short{253}),
                  std::optional<double>(68.0 / 9.0));
        EXPECT_EQ(Parse<double>(family, strLongFraction, short{254}), kRejected);
        EXPECT_EQ(Parse<double>(family, std::string(254, '1') + ".5", short{1}), kRejected);
    }
}

} // namespace
