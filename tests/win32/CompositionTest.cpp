// Input-method compositions in the focus window: the messages an input method sends, the strings
// ImmGetCompositionStringA returns, DefWindowProc typing a committed result as characters, and
// the log of IMM32 calls.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ShiftJis.h"

#include <imm.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

using test::lparam;
using test::MessagesAre;
using test::posted;
using test::sent;
using test::wparam;

std::string CompositionString(HIMC hIMC, DWORD dwIndex) {
    char buffer[64];
    const LONG cb = ImmGetCompositionStringA(hIMC, dwIndex, buffer, sizeof(buffer));
    return std::string(buffer, cb > 0 ? static_cast<size_t>(cb) : 0);
}

// Runs on a real Win32 too: the input method's characters reach an ANSI window as WM_CHAR.
TEST(CompositionTest, DefWindowProcPostsAnImeCharacterAsCharactersLeadByteFirst) {
    test::ParentWindow parent;
    test::RecordOnly({WM_CHAR});
    SendMessageA(parent.Handle(), WM_IME_CHAR, 0x82A0, 1);
    SendMessageA(parent.Handle(), WM_IME_CHAR, 'x', 1);
    test::Pump();
    EXPECT_TRUE(MessagesAre({{"parent", WM_CHAR, posted | wparam | lparam, 0x82, 1},
                             {"parent", WM_CHAR, posted | wparam | lparam, 0xA0, 1},
                             {"parent", WM_CHAR, posted | wparam | lparam, 'x', 1}}));
}

class ScriptedCompositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_HEADLESS();
        m_hwndEdit = m_parent.Create("Edit", 0, 1);
        SetFocus(m_hwndEdit);
        m_hIMC = ImmGetContext(m_hwndEdit);
        ImmSetOpenStatus(m_hIMC, TRUE);
        test::RecordControl(m_hwndEdit, "edit");
        test::RecordOnly({WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION,
                          WM_IME_CHAR, WM_CHAR});
        test::ClearMessages();
        test::Headless()->ClearImmCalls();
    }
    void TearDown() override {
        if (m_hIMC != nullptr)
            ImmSetOpenStatus(m_hIMC, FALSE);
    }

    test::ParentWindow m_parent;
    HWND m_hwndEdit = nullptr;
    HIMC m_hIMC = nullptr;
};

TEST_F(ScriptedCompositionTest, CommittedResultIsTypedIntoTheEdit) {
    const std::string kana = test::ShiftJis("かな"), reading = test::ShiftJis("ｶﾅ");
    const std::string result = test::ShiftJis("仮名");
    HEADLESS_TEST* pTest = test::Headless();
    ASSERT_TRUE(pTest->StartComposition());
    ASSERT_TRUE(pTest->Compose(nullptr, nullptr, kana.c_str(), reading.c_str()));
    EXPECT_EQ(kana, CompositionString(m_hIMC, GCS_COMPSTR));
    EXPECT_EQ(reading, CompositionString(m_hIMC, GCS_COMPREADSTR));
    pTest->ClearImmCalls();
    ASSERT_TRUE(pTest->Compose(result.c_str(), reading.c_str(), nullptr, nullptr));
    ASSERT_TRUE(pTest->EndComposition());
    test::Pump();
    // Neither the input method's messages nor DefWindowProc's reading of the result call IMM32
    // where a test would see it.
    EXPECT_EQ(0u, pTest->GetImmCallCount());
    EXPECT_EQ(result, CompositionString(m_hIMC, GCS_RESULTSTR));
    EXPECT_EQ(reading, CompositionString(m_hIMC, GCS_RESULTREADSTR));
    EXPECT_EQ("", CompositionString(m_hIMC, GCS_COMPREADSTR));

    const auto byte = [](const std::string& text, size_t i) {
        return static_cast<WPARAM>(static_cast<unsigned char>(text[i]));
    };
    const WPARAM first = MAKEWORD(result[1], result[0]), second = MAKEWORD(result[3], result[2]);
    EXPECT_TRUE(MessagesAre({
        {"edit", WM_IME_STARTCOMPOSITION, sent},
        {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, MAKEWORD(kana[3], kana[2]),
         GCS_COMPSTR | GCS_COMPREADSTR},
        {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, second,
         GCS_RESULTSTR | GCS_RESULTREADSTR},
        {"edit", WM_IME_CHAR, sent | wparam, first},
        {"edit", WM_IME_CHAR, sent | wparam, second},
        {"edit", WM_IME_ENDCOMPOSITION, sent},
        {"edit", WM_CHAR, posted | wparam, byte(result, 0)},
        {"edit", WM_CHAR, posted | wparam, byte(result, 1)},
        {"edit", WM_CHAR, posted | wparam, byte(result, 2)},
        {"edit", WM_CHAR, posted | wparam, byte(result, 3)},
    }));
    char text[16] = {};
    GetWindowTextA(m_hwndEdit, text, sizeof(text));
    EXPECT_EQ(result, text);
}

TEST_F(ScriptedCompositionTest, EmptiedCompositionHasNoFlags) {
    const std::string kana = test::ShiftJis("か");
    ASSERT_TRUE(test::Headless()->Compose(nullptr, nullptr, kana.c_str(), nullptr));
    ASSERT_TRUE(test::Headless()->Compose(nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(MessagesAre({{"edit", WM_IME_COMPOSITION, sent | lparam, 0, GCS_COMPSTR},
                             {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, 0, 0}}));
    EXPECT_EQ("", CompositionString(m_hIMC, GCS_COMPSTR));
}

TEST_F(ScriptedCompositionTest, ClosedInputMethodComposesNothing) {
    ImmSetOpenStatus(m_hIMC, FALSE);
    HEADLESS_TEST* pTest = test::Headless();
    EXPECT_FALSE(pTest->StartComposition());
    EXPECT_FALSE(pTest->Compose(nullptr, nullptr, "a", "a"));
    EXPECT_FALSE(pTest->EndComposition());
    EXPECT_TRUE(MessagesAre({}));
}

// What the field must survive: an input method that reports an error, or more bytes than the
// buffer it was given.
TEST_F(ScriptedCompositionTest, ReportedResultReplacesTheByteCount) {
    ASSERT_TRUE(test::Headless()->Compose(nullptr, "abcdef", nullptr, nullptr));
    const struct {
        LONG lReported;
        LONG lResult;
        std::string buffer; // the 4-byte buffer afterwards
    } kCases[] = {
        {2000, 2000, "abcd"},
        {IMM_ERROR_GENERAL, IMM_ERROR_GENERAL, "...."},
        {0, 4, "abcd"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.lReported);
        ASSERT_TRUE(test::Headless()->SetCompositionResult(m_hIMC, GCS_RESULTREADSTR, c.lReported));
        char buffer[4] = {'.', '.', '.', '.'};
        EXPECT_EQ(c.lResult, ImmGetCompositionStringA(m_hIMC, GCS_RESULTREADSTR, buffer, 4));
        EXPECT_EQ(c.buffer, std::string(buffer, 4));
    }
}

TEST_F(ScriptedCompositionTest, EveryImmCallIsLoggedWithItsArguments) {
    const HIMC hIMC = ImmGetContext(m_hwndEdit);
    ImmGetOpenStatus(hIMC);
    ImmSetOpenStatus(hIMC, FALSE);
    DWORD dwConversion = 0, dwSentence = 0;
    ImmGetConversionStatus(hIMC, &dwConversion, &dwSentence);
    ImmSetConversionStatus(hIMC, 0x19, IME_SMODE_PHRASEPREDICT);
    ImmGetCompositionStringA(hIMC, GCS_COMPREADSTR, nullptr, 0);
    ImmReleaseContext(m_hwndEdit, hIMC);
    const struct {
        std::string function;
        HWND hWnd;
        DWORD dwValue;
        DWORD dwValue2;
    } kExpected[] = {
        {"ImmGetContext", m_hwndEdit, 0, 0},
        {"ImmGetOpenStatus", nullptr, 0, 0},
        {"ImmSetOpenStatus", nullptr, FALSE, 0},
        {"ImmGetConversionStatus", nullptr, 0, 0},
        {"ImmSetConversionStatus", nullptr, 0x19, IME_SMODE_PHRASEPREDICT},
        {"ImmGetCompositionStringA", nullptr, GCS_COMPREADSTR, 0},
        {"ImmReleaseContext", m_hwndEdit, 0, 0},
    };
    HEADLESS_TEST* pTest = test::Headless();
    ASSERT_EQ(std::size(kExpected), pTest->GetImmCallCount());
    for (UINT i = 0; i < pTest->GetImmCallCount(); ++i) {
        SCOPED_TRACE(i);
        HEADLESS_IMMCALL call;
        ASSERT_TRUE(pTest->GetImmCall(i, &call));
        EXPECT_EQ(kExpected[i].function, call.pszFunction);
        EXPECT_EQ(kExpected[i].hWnd, call.hWnd);
        EXPECT_EQ(hIMC, call.hIMC);
        EXPECT_EQ(kExpected[i].dwValue, call.dwValue);
        EXPECT_EQ(kExpected[i].dwValue2, call.dwValue2);
    }
    pTest->ClearImmCalls();
    EXPECT_EQ(0u, pTest->GetImmCallCount());
}

} // namespace
