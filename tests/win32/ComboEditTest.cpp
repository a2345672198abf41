// Combo boxes with an edit, as a host's dialog uses them: the drop-down combo box gives its edit
// the focus, keeps the edit's text and the list's selection in step and tells its parent; the
// simple one shows its list under the edit (drop-down lists: ComboBoxTest.cpp).
#include "ControlHost.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using test::Text;

constexpr int kId = 9;

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

COMBOBOXINFO InfoOf(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    return info;
}

std::string TextOf(HWND hwnd) {
    char szText[32] = {};
    GetWindowTextA(hwnd, szText, sizeof(szText));
    return szText;
}

// "text start-end cursel", then "dropped", and "away" when the edit has not the focus.
std::string StateOf(HWND combo) {
    DWORD dwStart = 0, dwEnd = 0;
    Send(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&dwStart),
         reinterpret_cast<LPARAM>(&dwEnd));
    return TextOf(combo) + " " + std::to_string(dwStart) + "-" + std::to_string(dwEnd) + " " +
           std::to_string(Send(combo, CB_GETCURSEL)) +
           (Send(combo, CB_GETDROPPEDSTATE) ? " dropped" : "") +
           (GetFocus() != InfoOf(combo).hwndItem ? " away" : "");
}

// The combo box's text when its parent hears of a selection change.
WNDPROC g_parentProc = nullptr;
std::string g_textAtSelChange;

LRESULT CALLBACK SelChangeWatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE)
        g_textAtSelChange = TextOf(reinterpret_cast<HWND>(lParam));
    return CallWindowProcA(g_parentProc, hwnd, message, wParam, lParam);
}

// Where a step goes: the message to the combo box (a click at its field), to its edit, to the
// combo box as a click on its button; kFocus gives the focus to the window instead.
enum Target { kCombo, kEdit, kButton, kParent };
constexpr UINT kFocus = 0;

// One step at a time on a drop-down combo box of "alpha", "beta", "bravo": the notifications
// its parent receives and the state after the step.
TEST(ComboEditTest, DropDownKeepsEditAndListInStep) {
    test::ParentWindow parent;
    const HWND combo = parent.Create("ComboBox", CBS_DROPDOWN, kId, "", 0, 120, 100);
    for (const char* psz : {"alpha", "beta", "bravo"})
        Send(combo, CB_ADDSTRING, 0, Text(psz));
    const COMBOBOXINFO info = InfoOf(combo);
    ASSERT_NE(nullptr, info.hwndItem);
    g_parentProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        parent.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SelChangeWatch)));
    test::RecordOnly({WM_COMMAND});
    const struct {
        Target target;
        UINT message;
        WPARAM wParam;
        const char* pszText;
        std::vector<WORD> notifications;
        const char* state;
    } kSteps[] = {
        {kCombo, WM_SETTEXT, 0, "be", {}, "be 0-0 -1 away"},
        {kCombo, kFocus, 0, nullptr, {CBN_SETFOCUS}, "be 0-2 -1"},
        {kCombo, WM_CHAR, 'x', nullptr, {CBN_EDITUPDATE, CBN_EDITCHANGE}, "x 1-1 -1"},
        {kEdit, WM_KEYDOWN, VK_DOWN, nullptr, {CBN_SELENDOK, CBN_SELCHANGE}, "alpha 0-5 0"},
        {kEdit, WM_KEYDOWN, VK_F4, nullptr, {CBN_DROPDOWN}, "alpha 0-5 0 dropped"},
        {kEdit, WM_CHAR, 'b', nullptr, {CBN_EDITUPDATE, CBN_EDITCHANGE}, "b 1-1 1 dropped"},
        {kEdit, WM_CHAR, VK_RETURN, nullptr, {CBN_SELENDOK, CBN_CLOSEUP}, "b 1-1 1"},
        {kCombo, CB_SETCURSEL, 2, nullptr, {}, "bravo 0-5 2"},
        {kParent, kFocus, 0, nullptr, {CBN_SELENDCANCEL, CBN_KILLFOCUS}, "bravo 0-5 2 away"},
        {kCombo, WM_LBUTTONDOWN, MK_LBUTTON, nullptr, {CBN_SETFOCUS}, "bravo 0-5 2"},
        {kButton, WM_LBUTTONDOWN, MK_LBUTTON, nullptr, {CBN_DROPDOWN}, "bravo 0-5 2 dropped"},
    };
    for (const auto& step : kSteps) {
        test::ClearMessages();
        const HWND hwnd = step.target == kEdit     ? info.hwndItem
                          : step.target == kParent ? parent.Handle()
                                                   : combo;
        const POINT pt = {step.target == kButton ? info.rcButton.left + 2 : 5,
                          info.rcButton.top + 2};
        if (step.message == kFocus)
            SetFocus(hwnd);
        else
            Send(hwnd, step.message, step.wParam,
                 step.pszText != nullptr ? Text(step.pszText) : MAKELPARAM(pt.x, pt.y));
        std::vector<test::ExpectedMessage> expected;
        for (WORD wCode : step.notifications)
            expected.push_back(test::ParentNotification(combo, wCode));
        EXPECT_TRUE(test::MessagesAre(expected)) << step.state;
        EXPECT_EQ(step.state, StateOf(combo));
    }
    // The parent heard of the selection that Down made before the edit showed it.
    EXPECT_EQ("x", g_textAtSelChange);
    ReleaseCapture();
}

// The list stands under the edit, as high as the combo box leaves it, whatever the field's
// height; it never drops.
TEST(ComboEditTest, SimpleShowsItsListUnderTheEdit) {
    test::ParentWindow parent;
    const HWND combo = parent.Create("ComboBox", CBS_SIMPLE, kId, "", 0, 120, 100);
    Send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
    const COMBOBOXINFO info = InfoOf(combo);
    RECT rcList, rcCombo;
    GetWindowRect(info.hwndList, &rcList);
    GetWindowRect(combo, &rcCombo);
    EXPECT_TRUE(IsChild(combo, info.hwndList) && IsWindowVisible(info.hwndList));
    EXPECT_EQ(rcCombo.top + info.rcItem.bottom + 2, rcList.top);
    EXPECT_GE(rcCombo.bottom, rcList.bottom);
    EXPECT_EQ(100, rcCombo.bottom - rcCombo.top);
    EXPECT_TRUE(Send(combo, CB_SHOWDROPDOWN, TRUE) && !Send(combo, CB_GETDROPPEDSTATE));
    EXPECT_EQ(CB_ERR, Send(combo, CB_SETDROPPEDWIDTH, 300));
}

// The colours the edit asks for come from the combo box's parent, or are the system's for a
// combo box without one; a drop-down list has no edit to select in.
TEST(ComboEditTest, EditAsksTheParentForItsColours) {
    test::ParentWindow parent;
    const HWND combo = parent.Create("ComboBox", CBS_DROPDOWN, kId);
    const LPARAM lEdit = reinterpret_cast<LPARAM>(InfoOf(combo).hwndItem);
    test::RecordOnly({WM_CTLCOLOREDIT});
    test::ClearMessages();
    Send(combo, WM_CTLCOLOREDIT, 0, lEdit);
    EXPECT_TRUE(
        test::MessagesAre({{"parent", WM_CTLCOLOREDIT, test::sent | test::lparam, 0, lEdit}}));
    const HWND orphan = CreateWindowExA(0, "ComboBox", "", CBS_DROPDOWN, 0, 0, 100, 100, nullptr,
                                        nullptr, nullptr, nullptr);
    EXPECT_NE(0,
              Send(orphan, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(InfoOf(orphan).hwndItem)));
    DestroyWindow(orphan);
    const HWND list = parent.Create("ComboBox", CBS_DROPDOWNLIST, kId + 1);
    EXPECT_TRUE(InfoOf(list).hwndItem == nullptr && Send(list, CB_GETEDITSEL) == CB_ERR);
}

} // namespace
