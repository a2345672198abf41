// CFep: the conversion modes it opens an input method in, and which input methods it closes.
#include "CFep.h"

#include <gtest/gtest.h>

namespace {

// A window with an input context of its own, so that what happens to it shows alone.
class ImeWindow {
public:
    ImeWindow() {
        m_hwnd = CreateWindowExA(0, "Edit", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 30, nullptr,
                                 nullptr, nullptr, nullptr);
        m_hIMC = ImmCreateContext();
        ImmAssociateContext(m_hwnd, m_hIMC);
    }
    ~ImeWindow() {
        ImmAssociateContext(m_hwnd, nullptr);
        ImmDestroyContext(m_hIMC);
        DestroyWindow(m_hwnd);
    }
    ImeWindow(const ImeWindow&) = delete;
    ImeWindow& operator=(const ImeWindow&) = delete;

    CWnd* Wnd() const { return CWnd::FromHandle(m_hwnd); }
    BOOL IsOpen() const { return ImmGetOpenStatus(m_hIMC); }
    void SetOpen(BOOL bOpen) { ImmSetOpenStatus(m_hIMC, bOpen); }
    void SetModes(DWORD dwConversion, DWORD dwSentence) {
        ImmSetConversionStatus(m_hIMC, dwConversion, dwSentence);
    }
    // The conversion mode in the low word, the sentence mode in the high one.
    DWORD Modes() const {
        DWORD dwConversion = 0, dwSentence = 0;
        ImmGetConversionStatus(m_hIMC, &dwConversion, &dwSentence);
        return MAKELONG(dwConversion, dwSentence);
    }

private:
    HWND m_hwnd;
    HIMC m_hIMC;
};

struct ModeCase {
    DWORD dwBefore;
    short bKana;
    DWORD dwAfter;
};

// Native, plus full-width (hiragana) or katakana (half-width kana), plus the old romaji bit.
const ModeCase kModes[] = {
    {IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_ROMAN, 0, 0x0019},
    {IME_CMODE_ALPHANUMERIC, 1, 0x0003},
    {IME_CMODE_ALPHANUMERIC, 0, 0x0009},
    {IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN, 1, 0x0013},
    {IME_CMODE_ROMAN | IME_CMODE_CHARCODE | IME_CMODE_SOFTKBD | IME_CMODE_FIXED, 5, 0x0013},
    {IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_KATAKANA, 0, 0x0009},
};

class FepModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(FepModeTest, OpensInTheChosenModeKeepingRomajiAndSentenceMode) {
    ImeWindow window;
    window.SetModes(GetParam().dwBefore, IME_SMODE_PHRASEPREDICT);
    CFep fep;
    EXPECT_EQ(1, fep.FepOn(window.Wnd(), 7, -3, GetParam().bKana));
    EXPECT_TRUE(window.IsOpen());
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(GetParam().dwAfter, IME_SMODE_PHRASEPREDICT)),
              window.Modes());
    EXPECT_EQ(window.Wnd(), fep.m_pTargetWnd);
    EXPECT_EQ(1, fep.m_bOn);
    if (GetParam().bKana == 1) { // KanaOn is FepOn in half-width katakana
        ImeWindow byKanaOn;
        byKanaOn.SetModes(GetParam().dwBefore, IME_SMODE_PHRASEPREDICT);
        EXPECT_EQ(1, CFep().KanaOn(byKanaOn.Wnd(), 12, 34));
        EXPECT_EQ(window.Modes(), byKanaOn.Modes());
        EXPECT_TRUE(byKanaOn.IsOpen());
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, FepModeTest, ::testing::ValuesIn(kModes));

TEST(FepTest, SecondFepOnIsRefusedButNamesTheWindowFepOffCloses) {
    ImeWindow firstWindow, secondWindow;
    secondWindow.SetOpen(TRUE);
    secondWindow.SetModes(IME_CMODE_ALPHANUMERIC, 0);
    CFep fep;
    ASSERT_EQ(1, fep.FepOn(firstWindow.Wnd(), 0, 0, 0));
    EXPECT_EQ(0, fep.FepOn(secondWindow.Wnd(), 0, 0, 1));
    EXPECT_EQ(static_cast<DWORD>(IME_CMODE_ALPHANUMERIC), secondWindow.Modes());
    fep.FepOff();
    EXPECT_FALSE(secondWindow.IsOpen());
    EXPECT_TRUE(firstWindow.IsOpen());
    EXPECT_EQ(0, fep.m_bOn);
}

// FepAbsOff closes whatever is open, even what was opened by hand, and leaves closed closed.
TEST(FepTest, FepOffClosesOnlyWhatThisObjectOpenedAndFepAbsOffAnything) {
    ImeWindow window;
    window.SetOpen(TRUE);
    CFep fep;
    fep.FepOff();
    EXPECT_TRUE(window.IsOpen());
    for (int nTimes = 0; nTimes < 2; ++nTimes) {
        fep.FepAbsOff(window.Wnd());
        EXPECT_FALSE(window.IsOpen());
    }
    EXPECT_EQ(0, fep.m_bOn);
    EXPECT_EQ(nullptr, fep.m_pTargetWnd);
}

// Destroying a switch that is still on leaves the input method open.
TEST(FepTest, NullWindowIsRefusedAndForgetsTheOldOne) {
    ImeWindow window;
    {
        CFep fep;
        ASSERT_EQ(1, fep.FepOn(window.Wnd(), 0, 0, 0));
        EXPECT_EQ(0, fep.FepOn(nullptr, 0, 0, 0));
        EXPECT_EQ(nullptr, fep.m_pTargetWnd);
        fep.FepOff(); // no window recorded: nothing is closed, the object stays on
        EXPECT_TRUE(window.IsOpen());
        EXPECT_EQ(1, fep.m_bOn);
    }
    EXPECT_TRUE(window.IsOpen());
}

} // namespace
