// The dialog manager: what a dialog procedure hears while the dialog is made, where the focus
// goes, and the order controls take the focus in.
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

using test::MessagesAre;
using test::sent;
using test::wparam;

INT_PTR CALLBACK NamedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT)
        test::RecordWindow(hwnd, "dlg");
    return test::RecordingDialogProc(hwnd, message, wParam, lParam);
}

// Template 103: a label 10 and the buttons 11 and 12, which have tab stops.
TEST(DialogManagerTest, FontThenInitDialogWithTheFirstTabStopAndItGetsTheFocus) {
    test::ForgetWindows();
    test::ClearMessages();
    test::RecordOnly({WM_SETFONT, WM_INITDIALOG});
    const HWND hDlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(103), nullptr,
                                         NamedDialogProc, 7);
    ASSERT_NE(nullptr, hDlg);
    const HWND hOne = GetDlgItem(hDlg, 11);
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_SETFONT, sent},
        {"dlg", WM_INITDIALOG, sent | wparam | test::lparam, reinterpret_cast<WPARAM>(hOne), 7},
    }));
    EXPECT_EQ(hOne, GetFocus());
    EXPECT_EQ(GetDlgItem(hDlg, 12), GetNextDlgTabItem(hDlg, hOne, FALSE));
    EXPECT_EQ(GetDlgItem(hDlg, 12), GetNextDlgTabItem(hDlg, hOne, TRUE));
    EXPECT_EQ(reinterpret_cast<LRESULT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)),
              SendMessageA(hOne, WM_GETFONT, 0, 0));
    char szText[8];
    GetWindowTextA(GetDlgItem(hDlg, 10), szText, sizeof(szText));
    EXPECT_STREQ("label", szText);
    DestroyWindow(hDlg);
    test::ForgetWindows();
    test::ClearMessages();
}

} // namespace
