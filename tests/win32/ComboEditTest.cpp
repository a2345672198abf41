// Drop-down combo boxes, as a host's dialog uses them: the combo box gives its edit the focus,
// keeps the edit's text and the list's selection in step and tells its parent (drop-down lists:
// ComboBoxTest.cpp).
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using test::Send;
using test::Text;
using test::WindowText;

constexpr int kId = 9;

COMBOBOXINFO InfoOf(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    return info;
}

// "text start-end cursel", then "dropped", and "away" when the edit has not the focus.
std::string StateOf(HWND combo) {
    DWORD dwStart = 0, dwEnd = 0;
    Send(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&dwStart),
         reinterpret_cast<LPARAM>(&dwEnd));
    return WindowText(combo) + " " + std::to_string(dwStart) + "-" + std::to_string(dwEnd) + " " +
           std::to_string(Send(combo, CB_GETCURSEL)) +
           (Send(combo, CB_GETDROPPEDSTATE) ? " dropped" : "") +
           (GetFocus() != InfoOf(combo).hwndItem ? " away" : "");
}

// The combo box's text when its parent hears of a selection change.
WNDPROC g_parentProc = nullptr;
std::string g_textAtSelChange;

LRESULT CALLBACK SelChangeWatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE)
        g_textAtSelChange = WindowText(reinterpret_cast<HWND>(lParam));
    return CallWindowProcA(g_parentProc, hwnd, message, wParam, lParam);
}

// Where a step goes: the message to the combo box (a click at its field), to its edit, to the
// combo box as a click on its button; kFocus gives the focus to the window instead.
enum Target { kCombo, kEdit, kButton, kParent };
constexpr UINT kFocus = 0;
constexpr WORD kUpdate = CBN_EDITUPDATE, kChange = CBN_EDITCHANGE, kOk = CBN_SELENDOK,
               kCancel = CBN_SELENDCANCEL, kSel = CBN_SELCHANGE, kDrop = CBN_DROPDOWN,
               kClose = CBN_CLOSEUP;
const MSG kEnter = {nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
const LPARAM kEnterMsg = reinterpret_cast<LPARAM>(&kEnter);
constexpr LPARAM kAlt = KF_ALTDOWN << 16;

// One step at a time on a drop-down combo box of "alpha", "beta", "bravo": the notifications
// its parent receives, and the answer (but to focus and keys) and the state after the step. A
// click on the button drops the list at once and shows the item the edit begins when the button
// comes up.
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
    const LPARAM lButton = MAKELPARAM(info.rcButton.left + 2, info.rcButton.top + 2);
    const struct {
        Target target;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<WORD> notifications;
        const char* state;
    } kSteps[] = {
        {kCombo, WM_SETTEXT, 0, Text("be"), {}, "1 be 0-0 -1 away"},
        {kCombo, CB_SETCURSEL, 2, 0, {}, "2 bravo 0-0 2 away"},
        {kCombo, WM_SETTEXT, 0, Text("be"), {}, "1 be 0-0 2 away"},
        {kCombo, kFocus, 0, 0, {CBN_SETFOCUS}, "- be 0-2 2"},
        {kEdit, WM_KEYDOWN, VK_F4, 0, {kDrop}, "- beta 0-4 1 dropped"},
        {kEdit, WM_CHAR, 'b', 0, {kUpdate, kChange}, "- b 1-1 1 dropped"},
        {kEdit, WM_GETDLGCODE, VK_RETURN, kEnterMsg, {}, "141 b 1-1 1 dropped"},
        {kEdit, WM_CHAR, VK_RETURN, 0, {kOk, kClose}, "- b 1-1 1"},
        {kEdit, WM_GETDLGCODE, VK_RETURN, kEnterMsg, {}, "137 b 1-1 1"},
        {kCombo, WM_CHAR, 'x', 0, {kUpdate, kChange}, "- bx 2-2 -1"},
        {kEdit, WM_KEYDOWN, VK_DOWN, 0, {kOk, kSel}, "- alpha 0-5 0"},
        {kCombo, WM_KEYDOWN, VK_DOWN, 0, {kOk, kSel}, "- beta 0-4 1"},
        {kEdit, WM_SYSKEYDOWN, VK_DOWN, kAlt, {kDrop}, "- beta 0-4 1 dropped"},
        {kEdit, WM_CHAR, VK_ESCAPE, 0, {kCancel, kClose}, "- beta 0-4 1"},
        {kEdit, WM_SYSKEYDOWN, VK_DOWN, kAlt, {kDrop}, "- beta 0-4 1 dropped"},
        {kEdit, WM_SYSKEYDOWN, VK_UP, kAlt, {kCancel, kClose}, "- beta 0-4 1"},
        {kCombo, CB_SELECTSTRING, static_cast<WPARAM>(-1), Text("br"), {}, "2 bravo 0-5 2"},
        {kCombo, WM_KEYDOWN, VK_HOME, 0, {}, "- bravo 0-0 2"},
        {kParent, kFocus, 0, 0, {kCancel, CBN_KILLFOCUS}, "- bravo 0-0 2 away"},
        {kCombo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), {CBN_SETFOCUS}, "1 bravo 0-0 2"},
        {kButton, WM_LBUTTONDOWN, MK_LBUTTON, lButton, {kDrop}, "1 bravo 0-0 2 dropped"},
        {kButton, WM_LBUTTONUP, 0, lButton, {}, "1 bravo 0-5 2 dropped"},
        {kCombo, CB_RESETCONTENT, 0, 0, {}, "1  0-0 -1 dropped"},
    };
    for (const auto& step : kSteps) {
        test::ClearMessages();
        const HWND hwnd = step.target == kEdit     ? info.hwndItem
                          : step.target == kParent ? parent.Handle()
                                                   : combo;
        std::string result = "-";
        if (step.message == kFocus)
            SetFocus(hwnd);
        else if (const LRESULT lResult = Send(hwnd, step.message, step.wParam, step.lParam);
                 step.message != WM_KEYDOWN && step.message != WM_CHAR &&
                 step.message != WM_SYSKEYDOWN)
            result = std::to_string(lResult);
        std::vector<test::ExpectedMessage> expected;
        for (WORD wCode : step.notifications)
            expected.push_back(test::ParentNotification(combo, wCode));
        EXPECT_TRUE(test::MessagesAre(expected)) << step.state;
        EXPECT_EQ(step.state, result + " " + StateOf(combo));
    }
    // The parent heard of the selection that Down made before the edit showed it.
    EXPECT_EQ("alpha", g_textAtSelChange);
    ReleaseCapture();
}

// The edit is made as the combo box's style says and takes its font and its enabling; the
// colours it asks for come from the combo box's parent, or are the system's for a combo box
// without one. A drop-down list has no edit: its text is its selected item's.
TEST(ComboEditTest, EditFollowsTheComboBox) {
    test::ParentWindow parent;
    const HWND combo = parent.Create("ComboBox", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_DISABLED, kId);
    const HWND edit = InfoOf(combo).hwndItem;
    EXPECT_TRUE((GetWindowLongA(edit, GWL_STYLE) & ES_AUTOHSCROLL) && !IsWindowEnabled(edit));
    EnableWindow(combo, TRUE);
    const HGDIOBJ hFont = GetStockObject(DEFAULT_GUI_FONT);
    Send(combo, WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
    EXPECT_TRUE(IsWindowEnabled(edit) &&
                Send(edit, WM_GETFONT) == reinterpret_cast<LRESULT>(hFont));
    EXPECT_EQ(0, Send(combo, CB_LIMITTEXT, 3));
    EXPECT_EQ(3, Send(edit, EM_GETLIMITTEXT));
    test::RecordOnly({WM_CTLCOLOREDIT});
    test::ClearMessages();
    Send(combo, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(edit));
    EXPECT_TRUE(test::MessagesAre({{"parent", WM_CTLCOLOREDIT, test::sent | test::lparam, 0,
                                    reinterpret_cast<LPARAM>(edit)}}));
    const HWND orphan = CreateWindowExA(0, "ComboBox", "", CBS_DROPDOWN, 0, 0, 100, 100, nullptr,
                                        nullptr, nullptr, nullptr);
    EXPECT_NE(0,
              Send(orphan, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(InfoOf(orphan).hwndItem)));
    DestroyWindow(orphan);
    const HWND list = parent.Create("ComboBox", CBS_DROPDOWNLIST, kId + 1);
    Send(list, CB_ADDSTRING, 0, Text("alpha"));
    Send(list, CB_SETCURSEL, 0);
    EXPECT_TRUE(InfoOf(list).hwndItem == nullptr && Send(list, CB_GETEDITSEL) == CB_ERR);
    EXPECT_TRUE(Send(list, CB_LIMITTEXT, 3) == TRUE &&
                Send(list, WM_SETTEXT, 0, Text("x")) == CB_ERR);
    EXPECT_EQ("alpha", WindowText(list));
    EXPECT_EQ(5, Send(list, WM_GETTEXTLENGTH));
}

} // namespace
