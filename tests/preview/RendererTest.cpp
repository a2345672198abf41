// What the renderer marks beyond the characters: the mnemonic that a label underlines, and the
// composition in progress, which shows at the caret of the focus field, underlined.
#include "DialogRenderer.h"
#include "Headless.h"
#include "InputMethod.h"

#include <imm.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> UnderlinedRuns(const Screen& screen) {
    std::vector<std::string> runs;
    for (int y = 0; y < screen.Rows(); ++y) {
        for (const CellRun& run : screen.Runs(y)) {
            if (run.style == CellStyle::Underline)
                runs.push_back(run.utf8);
        }
    }
    return runs;
}

// An empty dialog given a label and an edit, whose input context is open in hiragana, with the
// caret after its "x" when "yama" is typed.
TEST(Renderer, UnderlinesTheMnemonicAndTheCompositionAtTheCaret) {
    REQUIRE_HEADLESS(); // only the headless system composes on request
    static const WORD kEmpty[] = {0, 0x8000, 0, 0, 0, 0, 0, 160, 40, 0, 0, 0};
    const HWND hDlg = CreateDialogIndirectParamA(nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(kEmpty),
                                                 nullptr, nullptr, 0);
    CreateWindowA("Static", "Na&me", WS_CHILD | WS_VISIBLE, 0, 0, 60, 12, hDlg, nullptr, nullptr,
                  nullptr);
    const HWND hEdit = CreateWindowA("Edit", "x", WS_CHILD | WS_VISIBLE | WS_BORDER, 60, 0, 120, 14,
                                     hDlg, nullptr, nullptr, nullptr);
    ShowWindow(hDlg, SW_SHOW);
    SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 1, 1);
    const HIMC hIMC = ImmGetContext(hEdit);
    ImmSetOpenStatus(hIMC, TRUE);
    ImmSetConversionStatus(hIMC, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE, 0);
    ImmReleaseContext(hEdit, hIMC);
    InputMethod ime;
    for (char ch : std::string("yama")) {
        Key key;
        ASSERT_TRUE(KeyForCharacter(ch, &key) && ime.TakeKey(key));
    }
    EXPECT_EQ((std::vector<std::string>{"m", "やま"}), UnderlinedRuns(RenderDialog(hDlg)));
    DestroyWindow(hDlg);
}

} // namespace
