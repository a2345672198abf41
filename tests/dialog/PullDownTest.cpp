// The host closing an open drop-down list, and a pull-down list's closing reported to the host.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;
using test::ControllerSettings;
using test::kPullCloseMsg;
using test::lparam;
using test::MessagesAre;
using test::sent;
using test::wparam;

// Template 240: edit 241, combo 242, edit 243, list 244, edit 245, combo 246.
void FillCombos(HWND hDlg) {
    for (int nID : {242, 246})
        SendDlgItemMessageA(hDlg, nID, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
}

LRESULT CALLBACK ClaimsToBeDropped(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CB_GETDROPPEDSTATE)
        return TRUE;
    const WNDPROC pfnNext = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "next"));
    return CallWindowProcA(pfnNext, hwnd, message, wParam, lParam);
}

// A list box is never asked about a drop-down.
TEST(CheckPullDownTest, ClosesTheOpenListAndMakesItsComboTheFocusItem) {
    ControlledDialog d(240, {}, FillCombos);
    d.Send(246, CB_SHOWDROPDOWN, TRUE);
    ASSERT_NE(0, d.Send(246, CB_GETDROPPEDSTATE));
    EXPECT_EQ(1, d.sb.CheckPullDown());
    EXPECT_EQ(0, d.Send(246, CB_GETDROPPEDSTATE));
    EXPECT_EQ(5, d.sb.m_nFocus);
    EXPECT_EQ(241, d.FocusId()) << "the keyboard focus is not moved";
    const HWND hList = d.Item(244);
    SetPropA(hList, "next",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                 hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClaimsToBeDropped))));
    EXPECT_EQ(0, d.sb.CheckPullDown());
    EXPECT_EQ(5, d.sb.m_nFocus);
    SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropA(hList, "next")));
}

TEST(ClosePullTest, SendsTheHostsMessageWithTheControlIdOrNothingWithoutAMessage) {
    for (const UINT nPullCloseMsg : {kPullCloseMsg, 0u}) {
        ControllerSettings settings;
        settings.nPullCloseMsg = nPullCloseMsg;
        ControlledDialog d(240, settings);
        d.sb.ClosePull(1);
        EXPECT_TRUE(nPullCloseMsg == 0
                        ? MessagesAre({})
                        : MessagesAre({{"dlg", kPullCloseMsg, sent | wparam | lparam, 242, 0}}));
    }
}

} // namespace
