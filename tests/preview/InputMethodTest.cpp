// The stand-in input method drives real compositions: an edit whose input context is open gets
// the committed kana as typed text, and nothing while the context is closed.
#include "Headless.h"
#include "InputMethod.h"
#include "ShiftJis.h"

#include <imm.h>

#include <gtest/gtest.h>

namespace {

class InputMethodTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_HEADLESS();
        m_hwndEdit = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 40,
                                     nullptr, nullptr, nullptr, nullptr);
        SetFocus(m_hwndEdit);
    }
    void TearDown() override { DestroyWindow(m_hwndEdit); }

    void SetOpen(bool bOpen, DWORD dwConversion) {
        const HIMC hIMC = ImmGetContext(m_hwndEdit);
        ImmSetOpenStatus(hIMC, bOpen);
        ImmSetConversionStatus(hIMC, dwConversion, 0);
        ImmReleaseContext(m_hwndEdit, hIMC);
    }

    // Each key the method does not take is typed into the edit as a keyboard would.
    void Type(InputMethod& ime, const char* pszScript) {
        std::vector<Key> keys;
        std::string error;
        ASSERT_TRUE(ParseKeyScript(pszScript, &keys, &error));
        for (const Key& key : keys) {
            if (!ime.TakeKey(key)) {
                keybd_event(static_cast<BYTE>(key.vk), 0, 0, 0);
                keybd_event(static_cast<BYTE>(key.vk), 0, KEYEVENTF_KEYUP, 0);
            }
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    std::string Text() const {
        char szText[64] = "";
        GetWindowTextA(m_hwndEdit, szText, sizeof(szText));
        return szText;
    }

    HWND m_hwndEdit = nullptr;
};

TEST_F(InputMethodTest, CommitsHiraganaOrHalfWidthKatakanaByTheContextsMode) {
    InputMethod ime;
    SetOpen(true, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE);
    EXPECT_EQ(ImeIndicator(), "あ");
    Type(ime, "yamada Enter kaw Backspace Escape");
    SetOpen(true, IME_CMODE_NATIVE | IME_CMODE_KATAKANA);
    EXPECT_EQ(ImeIndicator(), "ｶ");
    Type(ime, "ta Down");
    EXPECT_EQ(Text(), test::ShiftJis("やまだﾀ"));
}

TEST_F(InputMethodTest, LeavesKeysToTheFieldWhileTheContextIsClosed) {
    InputMethod ime;
    SetOpen(false, 0);
    EXPECT_EQ(ImeIndicator(), "off");
    Type(ime, "ta Enter");
    EXPECT_EQ(Text(), "ta");
}

} // namespace
