// Input-method compositions in the focus window: the messages an input method sends, the strings
// ImmGetCompositionStringA returns, DefWindowProc typing a committed result as characters, and
// the log of IMM32 calls.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ShiftJis.h"

#include <imm.h>

#include <gtest/gtest.h>

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

// On a real Win32 too: the input method's characters reach an ANSI window as WM_CHAR.
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

// A change, its cancellation, a commit: the edit gets the result as typed text, and the log
// shows every IMM32 call but none of the input method's own.
TEST(CompositionTest, ScriptedCompositionTypesItsResultIntoTheFocusEdit) {
    REQUIRE_HEADLESS();
    HEADLESS_TEST* pTest = test::Headless();
    test::ParentWindow parent;
    const HWND hwndEdit = parent.Create("Edit", 0, 1);
    SetFocus(hwndEdit);
    const HIMC hIMC = ImmGetContext(hwndEdit);
    EXPECT_FALSE(pTest->StartComposition()); // an input method composes only while open
    pTest->ClearImmCalls();
    ImmSetOpenStatus(hIMC, TRUE);
    HEADLESS_IMMCALL call = {};
    ASSERT_EQ(1u, pTest->GetImmCallCount());
    ASSERT_TRUE(pTest->GetImmCall(0, &call));
    EXPECT_STREQ("ImmSetOpenStatus", call.pszFunction);
    EXPECT_EQ(hIMC, call.hIMC);
    EXPECT_EQ(static_cast<DWORD>(TRUE), call.dwValue);

    test::RecordControl(hwndEdit, "edit");
    test::RecordOnly(
        {WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_IME_CHAR, WM_CHAR});
    test::ClearMessages();
    pTest->ClearImmCalls();
    const std::string kana = test::ShiftJis("かな"), reading = test::ShiftJis("ｶﾅ");
    const std::string result = test::ShiftJis("仮名");
    ASSERT_TRUE(pTest->StartComposition());
    ASSERT_TRUE(pTest->Compose(nullptr, nullptr, kana.c_str(), reading.c_str()));
    ASSERT_TRUE(pTest->Compose(nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(pTest->Compose(result.c_str(), reading.c_str(), nullptr, nullptr));
    ASSERT_TRUE(pTest->EndComposition());
    test::Pump();
    EXPECT_EQ(0u, pTest->GetImmCallCount());
    EXPECT_EQ(reading, CompositionString(hIMC, GCS_RESULTREADSTR));
    EXPECT_EQ("", CompositionString(hIMC, GCS_COMPREADSTR));
    const auto byte = [&result](size_t i) { return static_cast<BYTE>(result[i]); };
    const WPARAM first = MAKEWORD(byte(1), byte(0)), second = MAKEWORD(byte(3), byte(2));
    EXPECT_TRUE(MessagesAre({
        {"edit", WM_IME_STARTCOMPOSITION, sent},
        {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, MAKEWORD(kana[3], kana[2]),
         GCS_COMPSTR | GCS_COMPREADSTR},
        {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, 0, 0},
        {"edit", WM_IME_COMPOSITION, sent | wparam | lparam, second,
         GCS_RESULTSTR | GCS_RESULTREADSTR},
        {"edit", WM_IME_CHAR, sent | wparam, first},
        {"edit", WM_IME_CHAR, sent | wparam, second},
        {"edit", WM_IME_ENDCOMPOSITION, sent},
        {"edit", WM_CHAR, posted | wparam, byte(0)},
        {"edit", WM_CHAR, posted | wparam, byte(1)},
        {"edit", WM_CHAR, posted | wparam, byte(2)},
        {"edit", WM_CHAR, posted | wparam, byte(3)},
    }));
    char text[16] = {};
    GetWindowTextA(hwndEdit, text, sizeof(text));
    EXPECT_EQ(result, text);
    ImmSetOpenStatus(hIMC, FALSE);
}

} // namespace
