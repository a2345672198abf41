// The library's search dialog (template 80) under the controller, as a host drives it.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;
using test::HostDialog;
using test::kCheckMsg;
using test::MessagesAre;
using test::posted;
using test::sent;
using test::wparam;

void CheckSecondRadio(HWND hDlg) {
    CheckDlgButton(hDlg, 1081, BST_CHECKED);
}

// The dialog manager gave the focus to the first edit; the focus report of the checked radio
// that takes it over comes outside DialogKeyDown, so it checks the button again and clears the
// rest of its group.
TEST(SearchDialogTest, InitReportsTheCheckedRadioThreeTimes) {
    HostDialog host(test::LibraryModule(), 80);
    CheckSecondRadio(host.Dialog());
    CDlgSb sb;
    ASSERT_EQ(1, sb.InitDll(host.DialogWnd(), test::LibraryModule(), 80, 0, 0, kCheckMsg, 0, 0));
    test::PumpDialog(host.Dialog());
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(1080, EN_KILLFOCUS)},
        {"dlg", kCheckMsg, posted | wparam, 1081},
        {"dlg", kCheckMsg, posted | wparam, 1079},
        {"dlg", kCheckMsg, posted | wparam, 1083},
    }));
}

// The host keeps its code fields 5085 and 5086 (no subclassing object of the library): it hands
// their navigation keys to the controller and reports their focus, as its own code would.
LRESULT CALLBACK HostCodeField(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDlgSb* pSb = reinterpret_cast<CDlgSb*>(GetPropA(hwnd, "controller"));
    const WNDPROC pfnEdit = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "edit"));
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        pSb->DialogKeyDown(static_cast<UINT>(wParam));
        return 0;
    }
    const LRESULT lResult = CallWindowProcA(pfnEdit, hwnd, message, wParam, lParam);
    if (message == WM_SETFOCUS)
        pSb->SetFocusID(static_cast<short>(GetDlgCtrlID(hwnd)));
    return lResult;
}

void HandCodeFieldsToTheHost(ControlledDialog& d) {
    for (int nID : {5085, 5086}) {
        const HWND hField = d.Item(nID);
        SetPropA(hField, "controller", reinterpret_cast<HANDLE>(&d.sb));
        SetPropA(hField, "edit",
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                     hField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostCodeField))));
    }
}

struct Step {
    UINT vk;
    int nFocusId;
    int nFocusItem;
};

TEST(SearchDialogTest, KeysAloneWalkEveryItemAndAroundTheWrap) {
    ControlledDialog d(80, {}, CheckSecondRadio);
    ASSERT_EQ(1, d.nInit);
    HandCodeFieldsToTheHost(d);
    ASSERT_EQ(1081, d.FocusId());
    const Step steps[] = {
        {VK_DOWN, 1083, 2},   {VK_DOWN, 1080, 3},   {VK_DOWN, 1082, 4},   {VK_DOWN, 1084, 5},
        {VK_DOWN, 5085, 6},   {VK_DOWN, 5086, 7},   {VK_DOWN, 1087, 8},   {VK_DOWN, 2, 9},
        {VK_DOWN, 9, 10},     {VK_DOWN, 1079, 0},   {VK_UP, 9, 10},       {VK_DOWN, 1079, 0},
        {VK_RETURN, 1080, 3}, {VK_UP, 1083, 2},     {VK_RETURN, 1080, 3}, {VK_RETURN, 1082, 4},
        {VK_RETURN, 1084, 5}, {VK_RETURN, 5085, 6},
    };
    for (const Step& step : steps) {
        d.Type(step.vk);
        ASSERT_EQ(step.nFocusId, d.FocusId()) << "after key 0x" << std::hex << step.vk;
        ASSERT_EQ(step.nFocusItem, d.sb.m_nFocus);
        for (int nPush : {1087, 2, 9}) {
            const UINT nExpected = nPush == step.nFocusId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            EXPECT_EQ(nExpected, d.ButtonType(nPush)) << "push button " << nPush;
        }
    }
    // Enter on the first radio checked it and left its group; the last Enter checked the third.
    EXPECT_EQ(BST_UNCHECKED, d.Send(1079, BM_GETCHECK));
    EXPECT_EQ(BST_CHECKED, d.Send(1083, BM_GETCHECK));
}

} // namespace
