// Input contexts: their modes, which window has which, and scripted composition strings.
#include "Headless.h"
#include "ShiftJis.h"

#include <windows.h>

#include <imm.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ImmTest, NewContextIsClosedInNativeFullShapeMode) {
    const HIMC hIMC = ImmCreateContext();
    ASSERT_NE(nullptr, hIMC);
    EXPECT_FALSE(ImmGetOpenStatus(hIMC));
    DWORD dwConversion = 0, dwSentence = 0;
    ASSERT_TRUE(ImmGetConversionStatus(hIMC, &dwConversion, &dwSentence));
    EXPECT_EQ(static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE), dwConversion);
    EXPECT_EQ(static_cast<DWORD>(IME_SMODE_AUTOMATIC), dwSentence);

    EXPECT_TRUE(ImmSetOpenStatus(hIMC, TRUE));
    EXPECT_TRUE(ImmGetOpenStatus(hIMC));
    EXPECT_TRUE(ImmSetOpenStatus(hIMC, FALSE));
    EXPECT_FALSE(ImmGetOpenStatus(hIMC));
    EXPECT_TRUE(ImmSetConversionStatus(hIMC, 0x19, IME_SMODE_PHRASEPREDICT));
    ASSERT_TRUE(ImmGetConversionStatus(hIMC, &dwConversion, &dwSentence));
    EXPECT_EQ(0x19u, dwConversion);
    EXPECT_EQ(static_cast<DWORD>(IME_SMODE_PHRASEPREDICT), dwSentence);
    EXPECT_TRUE(ImmGetConversionStatus(hIMC, nullptr, nullptr));

    EXPECT_TRUE(ImmDestroyContext(hIMC));
    EXPECT_FALSE(ImmDestroyContext(hIMC));
}

// The headless IMM does not check windows, so these tests name windows that need not exist.
class HeadlessImmTest : public ::testing::Test {
protected:
    void SetUp() override { REQUIRE_HEADLESS(); }

    const HWND m_hwndA = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x7A000));
    const HWND m_hwndB = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x7A004));
};

TEST_F(HeadlessImmTest, WindowsShareTheThreadsContextUntilGivenTheirOwn) {
    const HIMC hDefault = ImmGetContext(m_hwndA);
    ASSERT_NE(nullptr, hDefault);
    EXPECT_EQ(hDefault, ImmGetContext(m_hwndB));
    EXPECT_FALSE(ImmDestroyContext(hDefault));

    const HIMC hOwn = ImmCreateContext();
    EXPECT_EQ(hDefault, ImmAssociateContext(m_hwndB, hOwn));
    EXPECT_EQ(hOwn, ImmGetContext(m_hwndB));
    EXPECT_EQ(hDefault, ImmGetContext(m_hwndA));
    EXPECT_TRUE(ImmSetOpenStatus(hOwn, TRUE));
    EXPECT_FALSE(ImmGetOpenStatus(hDefault));

    EXPECT_EQ(hOwn, ImmAssociateContext(m_hwndB, nullptr));
    EXPECT_EQ(nullptr, ImmGetContext(m_hwndB));
    EXPECT_EQ(nullptr, ImmAssociateContext(m_hwndB, hDefault));
    EXPECT_EQ(hDefault, ImmGetContext(m_hwndB));
    EXPECT_TRUE(ImmReleaseContext(m_hwndB, hDefault));
    ImmDestroyContext(hOwn);
}

TEST_F(HeadlessImmTest, CompositionStringsAreReturnedAsTheTestSetThem) {
    const HIMC hIMC = ImmCreateContext();
    const std::string reading = test::ShiftJis("ｱｲｳ");
    ASSERT_TRUE(test::Headless()->SetCompositionString(hIMC, GCS_RESULTREADSTR, reading.data(),
                                                       static_cast<LONG>(reading.size())));
    ASSERT_TRUE(
        test::Headless()->SetCompositionString(hIMC, GCS_COMPREADSTR, nullptr, IMM_ERROR_NODATA));
    const struct {
        DWORD dwIndex;
        DWORD dwBufLen;
        LONG lResult;
        std::string buffer; // the first 4 bytes of the buffer afterwards
    } kCases[] = {
        {GCS_RESULTREADSTR, 0, 3, "...."},
        {GCS_RESULTREADSTR, 2, 2, "\xb1\xb2.."},
        {GCS_RESULTREADSTR, 4, 3, "\xb1\xb2\xb3."},
        {GCS_COMPREADSTR, 4, IMM_ERROR_NODATA, "...."},
        {GCS_RESULTSTR, 4, 0, "...."},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << c.dwIndex << " into " << c.dwBufLen);
        char buffer[4] = {'.', '.', '.', '.'};
        EXPECT_EQ(c.lResult, ImmGetCompositionStringA(hIMC, c.dwIndex, buffer, c.dwBufLen));
        EXPECT_EQ(c.buffer, std::string(buffer, 4));
    }
    EXPECT_FALSE(test::Headless()->SetCompositionString(nullptr, GCS_COMPSTR, "a", 1));
    ImmDestroyContext(hIMC);
}

} // namespace
