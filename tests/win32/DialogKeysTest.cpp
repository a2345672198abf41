// The dialog manager's keyboard interface, IsDialogMessageA in a plain dialog loop: for each kind
// of focus control, by its WM_GETDLGCODE answer, which keys reach it and what the dialog does
// with the others.
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The controls of template 104, in tab order.
enum : WORD { kRadio = 101, kRadio2, kRadio3, kEdit, kMulti, kCombo, kPush, kDefault };

// Radio buttons and combo boxes of the library's dialogs keep the arrows for themselves.
LRESULT CALLBACK WantArrowsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    const WNDPROC next = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "next"));
    if (message == WM_NCDESTROY)
        RemovePropA(hwnd, "next");
    return CallWindowProcA(next, hwnd, message, wParam, lParam);
}

void KeepArrows(HWND hwnd) {
    SetPropA(hwnd, "next",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                 hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WantArrowsProc))));
}

struct KeyCase {
    std::string name;
    WORD idFocus; // given the focus by the dialog manager (WM_NEXTDLGCTL)
    UINT vk;
    bool bShift;
    bool bOpenList;
    const char* pszKeyAt;       // the control that receives the key's WM_KEYDOWN, "" for none
    std::vector<WORD> commands; // the BN_CLICKED commands the dialog receives
    WORD idFocusAfter;
};

// Where the key went: the first control that received it, and the dialog's commands.
struct Outcome {
    std::string keyAt;
    std::vector<WORD> commands;
};

Outcome RecordedOutcome(UINT vk) {
    Outcome outcome;
    for (const test::RecordedMessage& msg : test::RecordedMessages()) {
        if (msg.message == WM_KEYDOWN && msg.wParam == vk && outcome.keyAt.empty())
            outcome.keyAt = msg.window;
        if (msg.message == WM_COMMAND && msg.window == "dlg" && HIWORD(msg.wParam) == BN_CLICKED)
            outcome.commands.push_back(LOWORD(msg.wParam));
    }
    return outcome;
}

class DialogKeysTest : public ::testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override {
        const HWND hDlg = m_dialog.Dialog();
        for (WORD id : {kRadio, kCombo})
            KeepArrows(GetDlgItem(hDlg, id));
        const char* names[] = {"radio", "radio2", "radio3", "edit",
                               "multi", "combo",  "push",   "default"};
        for (WORD id = kRadio; id <= kDefault; ++id)
            test::RecordControl(GetDlgItem(hDlg, id), names[id - kRadio]);
        CheckDlgButton(hDlg, kRadio, BST_CHECKED);
        SendDlgItemMessageA(hDlg, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
        SendDlgItemMessageA(hDlg, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
        test::RecordOnly({WM_KEYDOWN, WM_COMMAND});
    }

    test::HostDialog m_dialog{test::ProgramModule(), 104};
};

TEST_P(DialogKeysTest, KeyGoesWhereTheFocusControlsDialogCodeSends) {
    const KeyCase& c = GetParam();
    const HWND hDlg = m_dialog.Dialog();
    SendMessageA(hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hDlg, c.idFocus)), TRUE);
    if (c.bOpenList)
        SendDlgItemMessageA(hDlg, kCombo, CB_SHOWDROPDOWN, TRUE, 0);
    if (c.bShift) {
        ASSERT_TRUE(test::HoldShift(true));
    }
    test::PumpDialog(hDlg, IsDialogMessageA);
    test::ClearMessages();

    test::TypeKeyInDialog(hDlg, c.vk, IsDialogMessageA);
    const Outcome outcome = RecordedOutcome(c.vk);
    if (c.bShift) {
        EXPECT_TRUE(test::HoldShift(false));
    }
    EXPECT_EQ(c.pszKeyAt, outcome.keyAt);
    EXPECT_EQ(c.commands, outcome.commands);
    EXPECT_EQ(c.idFocusAfter, GetDlgCtrlID(GetFocus()));
}

const KeyCase kKeyCases[] = {
    {"RadioKeepingArrowsGetsDown", kRadio, VK_DOWN, false, false, "radio", {}, kRadio},
    {"RadioGetsAFunctionKey", kRadio, VK_F5, false, false, "radio", {}, kRadio},
    {"EnterOnARadioIsTheDefault", kRadio, VK_RETURN, false, false, "", {kDefault}, kRadio},
    {"EscapeOnARadioCancels", kRadio, VK_ESCAPE, false, false, "", {IDCANCEL}, kRadio},
    {"TabGoesToTheNextTabStop", kRadio, VK_TAB, false, false, "", {}, kEdit},
    {"ShiftTabGoesToThePreviousTabStop", kEdit, VK_TAB, true, false, "", {}, kRadio},
    {"DownOnAPlainRadioClicksTheNextOne", kRadio2, VK_DOWN, false, false, "", {kRadio3}, kRadio3},
    {"EditGetsDown", kEdit, VK_DOWN, false, false, "edit", {}, kEdit},
    {"EnterOnAnEditIsTheDefault", kEdit, VK_RETURN, false, false, "", {kDefault}, kEdit},
    {"MultiLineEnterIsTheDefault", kMulti, VK_RETURN, false, false, "multi", {kDefault}, kDefault},
    {"MultiLineGetsEscapeAndCloses", kMulti, VK_ESCAPE, false, false, "multi", {IDCANCEL}, kMulti},
    {"MultiLineGetsTabAndMovesOn", kMulti, VK_TAB, false, false, "multi", {}, kCombo},
    {"ComboBoxKeepingArrowsGetsDown", kCombo, VK_DOWN, false, false, "combo", {}, kCombo},
    {"EscapeOnAnOpenListCancels", kCombo, VK_ESCAPE, false, true, "", {IDCANCEL}, kCombo},
    {"EnterOnAPushButtonIsItsCommand", kPush, VK_RETURN, false, false, "", {kPush}, kPush},
};

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeysTest, ::testing::ValuesIn(kKeyCases),
                         test::ParamName<KeyCase>);

} // namespace
