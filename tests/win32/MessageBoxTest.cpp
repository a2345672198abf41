// MessageBoxA as the modal box it is: its owner disabled and inactive while it is up, the
// thread's messages dispatched meanwhile, a dialog's focus back after it; its answers to keys,
// and (on the headless system) to the test interface.
#include "Headless.h"
#include "HostDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The keys the user presses at the box, and what the owner saw of it meanwhile.
std::vector<WPARAM> g_keys;
bool g_bOwnerEnabled = true;
bool g_bOwnerActive = true;
bool g_bFocusIsDefault = false; // the box's focus button is its default one

// A message the owner posted itself before the box came up arrives while it is up.
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        g_bOwnerEnabled = IsWindowEnabled(hwnd) != FALSE;
        g_bOwnerActive = GetActiveWindow() == hwnd;
        g_bFocusIsDefault =
            (GetWindowLongA(GetFocus(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        for (WPARAM vk : g_keys)
            PostMessageA(GetFocus(), WM_KEYDOWN, vk, 0);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A box over hWnd's window, the keys pressed once it is up; the owner posts itself the message.
int Show(HWND hOwner, HWND hWnd, UINT uType, std::vector<WPARAM> keys) {
    g_keys = std::move(keys);
    PostMessageA(hOwner, WM_APP, 0, 0);
    return MessageBoxA(hWnd, "text", "caption", uType);
}

TEST(MessageBoxTest, OwnerWaitsDisabledAndADialogGetsItsFocusBack) {
    const HWND hOwner = test::CreateHostWindow("owner", OwnerProc);
    EXPECT_EQ(IDOK, Show(hOwner, hOwner, MB_OK, {VK_RETURN}));
    EXPECT_FALSE(g_bOwnerEnabled);
    EXPECT_FALSE(g_bOwnerActive);
    EXPECT_TRUE(g_bFocusIsDefault);
    EXPECT_TRUE(IsWindowEnabled(hOwner));
    test::HostDialog dialog(test::ProgramModule(), 104);
    SetFocus(dialog.Item(104));
    EXPECT_EQ(IDOK, Show(hOwner, dialog.Item(104), MB_OK, {VK_RETURN}));
    EXPECT_EQ(dialog.Item(104), GetFocus());
    DestroyWindow(hOwner);
    test::ForgetWindows();
}

// Wine answers Escape with IDCANCEL in every box, and a box that only the test interface answers
// would wait for a user there.
TEST(MessageBoxTest, AnswerIsTheButtonPressed) {
    const struct {
        UINT uType;
        std::vector<WPARAM> keys; // none: only the test interface answers
        int nAsked;               // the button the test interface names, 0 for none
        int nAnswer;
        bool bWineDiffers;
    } cases[] = {
        {MB_YESNOCANCEL | MB_DEFBUTTON2, {VK_RETURN}, 0, IDNO, false},
        {MB_OKCANCEL, {VK_ESCAPE}, 0, IDCANCEL, false},
        {MB_OK, {VK_ESCAPE}, 0, IDOK, true},
        {MB_YESNO, {VK_ESCAPE, VK_RETURN}, 0, IDYES, true},
        {MB_YESNO, {}, IDNO, IDNO, false},
        {MB_RETRYCANCEL | MB_DEFBUTTON2, {}, IDYES, IDCANCEL, false},
    };
    const HWND hOwner = test::CreateHostWindow("owner", OwnerProc);
    for (const auto& c : cases) {
        if (test::Headless() != nullptr)
            test::Headless()->AnswerMessageBoxes(c.nAsked);
        else if (c.keys.empty() || c.bWineDiffers)
            continue;
        EXPECT_EQ(c.nAnswer, Show(hOwner, hOwner, c.uType, c.keys)) << c.uType;
    }
    if (test::Headless() != nullptr)
        test::Headless()->AnswerMessageBoxes(0);
    DestroyWindow(hOwner);
    test::ForgetWindows();
}

} // namespace
