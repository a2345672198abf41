// The dialog manager beyond templates: the next and previous tab stop and control of a group
// (GetNextDlgTabItem, GetNextDlgGroupItem) into and out of a window with controls of its own
// (WS_EX_CONTROLPARENT), and the keyboard interface and DefDlgProc of windows that are no
// dialog made from a template.
#include "HostDialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// In z-order under "dlg": a (tab stop, group), b, box (a control parent holding c: tab stop,
// group; d: disabled tab stop; e: tab stop), f (group), g (hidden tab stop), h (tab stop), panel
// (holding i: tab stop, and j; panel is no control parent, so they are out of the dialog's reach).
TEST(DialogNavigationTest, GoesWhereWindowsGoes) {
    constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
    const struct {
        const char* name;
        const char* parent;
        DWORD style;
    } controls[] = {
        {"a", "dlg", kShown | WS_TABSTOP | WS_GROUP},
        {"b", "dlg", kShown},
        {"box", "dlg", kShown},
        {"c", "box", kShown | WS_TABSTOP | WS_GROUP},
        {"d", "box", kShown | WS_TABSTOP | WS_DISABLED},
        {"e", "box", kShown | WS_TABSTOP},
        {"f", "dlg", kShown | WS_GROUP},
        {"g", "dlg", WS_CHILD | WS_TABSTOP},
        {"h", "dlg", kShown | WS_TABSTOP},
        {"panel", "dlg", kShown},
        {"i", "panel", kShown | WS_TABSTOP},
        {"j", "panel", kShown},
    };
    std::map<std::string, HWND> windows = {{"", nullptr}, {"dlg", test::CreateHostWindow("dlg")}};
    for (const auto& c : controls)
        windows[c.name] = CreateWindowExA(std::string(c.name) == "box" ? WS_EX_CONTROLPARENT : 0,
                                          "Static", c.name, c.style, 0, 0, 10, 10,
                                          windows[c.parent], nullptr, nullptr, nullptr);
    const struct {
        bool bTab;
        const char* from; // "" for none
        bool bPrevious;
        const char* to; // "" for none
    } cases[] = {
        {true, "dlg", false, "a"},    {true, "", true, ""},     {true, "a", false, "c"},
        {true, "c", false, "e"},      {true, "e", false, "h"},  {true, "a", true, "h"},
        {true, "i", false, "a"},      {false, "", false, "a"},  {false, "b", false, "a"},
        {false, "a", true, "b"},      {false, "c", false, "e"}, {false, "d", false, "e"},
        {false, "h", false, "panel"}, {false, "i", false, "j"},
    };
    const HWND hDlg = windows["dlg"];
    for (const auto& c : cases) {
        const HWND hwnd = c.bTab ? GetNextDlgTabItem(hDlg, windows[c.from], c.bPrevious)
                                 : GetNextDlgGroupItem(hDlg, windows[c.from], c.bPrevious);
        EXPECT_EQ(windows[c.to], hwnd) << (c.bTab ? "tab" : "group") << (c.bPrevious ? " back" : "")
                                       << " from " << c.from << " to " << c.to;
    }
    DestroyWindow(hDlg);
    test::ForgetWindows();
}

std::vector<int> g_filterCodes;

LRESULT CALLBACK TakingFilter(int nCode, WPARAM, LPARAM lParam) {
    g_filterCodes.push_back(nCode);
    return reinterpret_cast<const MSG*>(lParam)->wParam == VK_ESCAPE;
}

// The hook sees what IsDialogMessage is given for a window, and may take it; Tab moves through
// the tab stops of a window that is no dialog, selecting an edit's text.
TEST(PlainWindowKeysTest, TabMovesThroughAWindowThatIsNoDialogAfterTheMessageFilter) {
    const HWND hwnd = test::CreateHostWindow("window");
    const HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                                        50, 20, hwnd, nullptr, nullptr, nullptr);
    const HWND edit = CreateWindowExA(0, "Edit", "hello", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 30,
                                      50, 20, hwnd, nullptr, nullptr, nullptr);
    const HHOOK hook = SetWindowsHookExA(WH_MSGFILTER, TakingFilter, nullptr, GetCurrentThreadId());
    MSG key = {hwnd, WM_KEYDOWN, VK_TAB, 0x000F0001, 0, {0, 0}};
    EXPECT_FALSE(IsDialogMessageA(nullptr, &key));
    EXPECT_TRUE(IsDialogMessageA(hwnd, &key));
    key.hwnd = button;
    EXPECT_TRUE(IsDialogMessageA(hwnd, &key));
    EXPECT_EQ(edit, GetFocus());
    EXPECT_EQ(MAKELONG(0, 5), SendMessageA(edit, EM_GETSEL, 0, 0));
    key = {edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
    EXPECT_TRUE(IsDialogMessageA(hwnd, &key));
    EXPECT_EQ((std::vector<int>{MSGF_DIALOGBOX, MSGF_DIALOGBOX, MSGF_DIALOGBOX}), g_filterCodes);
    UnhookWindowsHookEx(hook);
    DestroyWindow(hwnd);
    test::ForgetWindows();
}

// A window of the dialog class made with CreateWindowEx is a dialog to DefDlgProc and EndDialog.
TEST(PlainWindowKeysTest, DialogClassWindowKeepsItsDefaultButtonAndEnds) {
    const HWND hDlg = CreateWindowExA(0, WC_DIALOG, "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr);
    EXPECT_TRUE(SendMessageA(hDlg, DM_SETDEFID, IDCANCEL, 0));
    EXPECT_EQ(MAKELONG(IDCANCEL, DC_HASDEFID), SendMessageA(hDlg, DM_GETDEFID, 0, 0));
    EXPECT_TRUE(EndDialog(hDlg, 5));
    EXPECT_FALSE(IsWindowVisible(hDlg));
    DestroyWindow(hDlg);
    EXPECT_FALSE(EndDialog(hDlg, 5));
}

} // namespace
