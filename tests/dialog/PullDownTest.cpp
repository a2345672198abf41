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

// The list box 244 claims to be dropped down.
void ClaimDropped(HWND hDlg) {
    FillCombos(hDlg);
    const HWND hList = GetDlgItem(hDlg, 244);
    SetPropA(hList, "next",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                 hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ClaimsToBeDropped))));
}

// A list box is never asked about a drop-down.
TEST(CheckPullDownTest, ClosesTheOpenListAndMakesItsComboTheFocusItem) {
    ControlledDialog d(240, {}, ClaimDropped);
    d.Send(246, CB_SHOWDROPDOWN, TRUE);
    ASSERT_NE(0, d.Send(246, CB_GETDROPPEDSTATE));
    EXPECT_EQ(1, d.sb.CheckPullDown());
    EXPECT_EQ(0, d.Send(246, CB_GETDROPPEDSTATE));
    EXPECT_EQ(5, d.sb.m_nFocus);
    EXPECT_EQ(241, d.FocusId()) << "the keyboard focus is not moved";
    EXPECT_EQ(0, d.sb.CheckPullDown());
    EXPECT_EQ(5, d.sb.m_nFocus);
}

// DialogKeyDown answers 0 only when Escape, which only the host hands over, closed an open
// drop-down list. Edge notices are on.
TEST(DialogKeyDownTest, AnswersZeroOnlyWhenEscapeClosedAnOpenList) {
    ControllerSettings settings;
    settings.bEdgeNotify = 1;
    ControlledDialog d(240, settings, ClaimDropped);
    const struct {
        int nFocusId;
        UINT vk;
        bool bOpen;
        int nResult;
        int nFocusAfter;
    } kKeys[] = {{242, VK_ESCAPE, true, 0, 242},  {242, VK_ESCAPE, false, 1, 242},
                 {244, VK_ESCAPE, false, 1, 244}, {243, VK_F5, false, 1, 243},
                 {243, VK_LEFT, false, 1, 243},   {243, 'A', false, 1, 243},
                 {243, VK_DOWN, false, 1, 244},   {246, VK_DOWN, false, 1, 246}};
    for (const auto& key : kKeys) {
        d.sb.SetFocusID(static_cast<short>(key.nFocusId));
        SetFocus(d.Item(key.nFocusId));
        d.Send(242, CB_SHOWDROPDOWN, key.bOpen);
        EXPECT_EQ(key.nResult, d.sb.DialogKeyDown(key.vk)) << "key 0x" << std::hex << key.vk;
        EXPECT_EQ(key.nFocusAfter, d.FocusId());
        EXPECT_EQ(0, d.Send(242, CB_GETDROPPEDSTATE));
    }
}

// An index past the table is a caller's error and sends nothing.
TEST(ClosePullTest, SendsTheHostsMessageWithTheControlIdOrNothingWithoutAMessage) {
    for (const UINT nPullCloseMsg : {kPullCloseMsg, 0u}) {
        ControllerSettings settings;
        settings.nPullCloseMsg = nPullCloseMsg;
        ControlledDialog d(240, settings);
        d.sb.ClosePull(1);
        d.sb.ClosePull(6);
        EXPECT_TRUE(nPullCloseMsg == 0
                        ? MessagesAre({})
                        : MessagesAre({{"dlg", kPullCloseMsg, sent | wparam | lparam, 242, 0}}));
    }
}

} // namespace
