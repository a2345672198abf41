// The dialog's keyboard interface for each kind of focus control, by its WM_GETDLGCODE answer:
// which keys reach it and what the dialog does with the others, through IsDialogMessageA in a
// plain dialog loop and through the host's loop (HostDialogMessage, then IsDialogMessageA) over
// controls that answer as the library's subclassed controls do.
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

// The library's radio buttons and combo boxes keep the arrows for themselves; its push buttons
// add them to their own code.
LRESULT CALLBACK WantArrowsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC next = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "next"));
    if (message == WM_GETDLGCODE && GetPropA(hwnd, "add") == nullptr)
        return DLGC_WANTARROWS;
    if (message == WM_GETDLGCODE)
        return CallWindowProcA(next, hwnd, message, wParam, lParam) | DLGC_WANTARROWS;
    if (message == WM_NCDESTROY) {
        RemovePropA(hwnd, "next");
        RemovePropA(hwnd, "add");
    }
    return CallWindowProcA(next, hwnd, message, wParam, lParam);
}

void KeepArrows(HWND hwnd, bool bAdded) {
    if (bAdded)
        SetPropA(hwnd, "add", hwnd);
    SetPropA(hwnd, "next",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                 hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WantArrowsProc))));
}

enum Loop { kDialogManager, kHostLoop };

struct KeyCase {
    std::string name;
    Loop loop;
    WORD idFocus; // given the focus by the dialog manager (WM_NEXTDLGCTL)
    UINT vk;
    bool bShift;
    bool bOpenList;
    const char* pszKeyAt;       // the control that receives the key's WM_KEYDOWN, "" for none
    std::vector<WORD> commands; // the BN_CLICKED commands the dialog receives
    WORD idFocusAfter;
    bool bOpenListAfter;
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
        for (WORD id : {kRadio, kCombo, kPush})
            KeepArrows(GetDlgItem(hDlg, id), id == kPush);
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
    const test::DialogMessageFunction loop =
        c.loop == kHostLoop ? HostDialogMessage : IsDialogMessageA;
    test::PumpDialog(hDlg, loop);
    test::ClearMessages();

    test::TypeKeyInDialog(hDlg, c.vk, loop);
    const Outcome outcome = RecordedOutcome(c.vk);
    if (c.bShift) {
        EXPECT_TRUE(test::HoldShift(false));
    }
    EXPECT_EQ(c.pszKeyAt, outcome.keyAt);
    EXPECT_EQ(c.commands, outcome.commands);
    EXPECT_EQ(c.idFocusAfter, GetDlgCtrlID(GetFocus()));
    EXPECT_EQ(c.bOpenListAfter, SendDlgItemMessageA(hDlg, kCombo, CB_GETDROPPEDSTATE, 0, 0) != 0);
}

// clang-format off
const KeyCase kKeyCases[] = {
    {"RadioKeepingArrowsGetsDown", kDialogManager, kRadio, VK_DOWN, false, false, "radio", {}, kRadio, false},
    {"RadioGetsAFunctionKey", kDialogManager, kRadio, VK_F5, false, false, "radio", {}, kRadio, false},
    {"EnterOnARadioIsTheDefault", kDialogManager, kRadio, VK_RETURN, false, false, "", {kDefault}, kRadio, false},
    {"EscapeOnARadioCancels", kDialogManager, kRadio, VK_ESCAPE, false, false, "", {IDCANCEL}, kRadio, false},
    {"TabGoesToTheNextTabStop", kDialogManager, kRadio, VK_TAB, false, false, "", {}, kEdit, false},
    {"ShiftTabGoesToThePreviousTabStop", kDialogManager, kEdit, VK_TAB, true, false, "", {}, kRadio, false},
    {"DownOnAPlainRadioClicksTheNextOne", kDialogManager, kRadio2, VK_DOWN, false, false, "", {kRadio3}, kRadio3, false},
    {"EditGetsDown", kDialogManager, kEdit, VK_DOWN, false, false, "edit", {}, kEdit, false},
    {"EnterOnAnEditIsTheDefault", kDialogManager, kEdit, VK_RETURN, false, false, "", {kDefault}, kEdit, false},
    {"MultiLineEnterIsTheDefault", kDialogManager, kMulti, VK_RETURN, false, false, "multi", {kDefault}, kDefault, false},
    {"MultiLineGetsEscapeAndCloses", kDialogManager, kMulti, VK_ESCAPE, false, false, "multi", {IDCANCEL}, kMulti, false},
    {"MultiLineGetsTabAndMovesOn", kDialogManager, kMulti, VK_TAB, false, false, "multi", {}, kCombo, false},
    {"ComboBoxKeepingArrowsGetsDown", kDialogManager, kCombo, VK_DOWN, false, false, "combo", {}, kCombo, false},
    {"EscapeOnAnOpenListCancels", kDialogManager, kCombo, VK_ESCAPE, false, true, "", {IDCANCEL}, kCombo, true},
    {"EnterOnAPushButtonIsItsCommand", kDialogManager, kPush, VK_RETURN, false, false, "", {kPush}, kPush, false},
    {"HostLoopEnterReachesARadio", kHostLoop, kRadio, VK_RETURN, false, false, "radio", {}, kRadio, false},
    {"HostLoopEnterReachesAnEdit", kHostLoop, kEdit, VK_RETURN, false, false, "edit", {}, kEdit, false},
    {"HostLoopTabLeavesAnEditForTheNextTabStop", kHostLoop, kEdit, VK_TAB, false, false, "", {}, kMulti, false},
    {"HostLoopEnterReachesAMultiLineEdit", kHostLoop, kMulti, VK_RETURN, false, false, "multi", {}, kMulti, false},
    {"HostLoopUpReachesAMultiLineEdit", kHostLoop, kMulti, VK_UP, false, false, "multi", {}, kMulti, false},
    {"HostLoopEnterReachesAClosedComboBox", kHostLoop, kCombo, VK_RETURN, false, false, "combo", {}, kCombo, false},
    {"HostLoopEnterReachesAnOpenComboBox", kHostLoop, kCombo, VK_RETURN, false, true, "combo", {}, kCombo, false},
    {"HostLoopEscapeReachesAnOpenList", kHostLoop, kCombo, VK_ESCAPE, false, true, "combo", {}, kCombo, false},
    {"HostLoopEscapeOnAClosedListCancels", kHostLoop, kCombo, VK_ESCAPE, false, false, "", {IDCANCEL}, kCombo, false},
    {"HostLoopEnterOnAPushButtonIsItsCommand", kHostLoop, kPush, VK_RETURN, false, false, "", {kPush}, kPush, false},
    {"HostLoopDownReachesAPushButton", kHostLoop, kPush, VK_DOWN, false, false, "push", {}, kPush, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeysTest, ::testing::ValuesIn(kKeyCases),
                         test::ParamName<KeyCase>);

} // namespace
