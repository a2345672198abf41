// WH_CBT hooks at the creation of a window, on which the class framework attaches its objects
// (tests/afx/CreateTest.cpp shows them called before the window's first message): the hooks are
// called newest first, and one that refuses the window leaves no window and no message.
#include "ControlHost.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_calls;
LRESULT g_refusal = 0;

void NoteCreation(const char* pszHook, LPARAM lParam) {
    const CBT_CREATEWNDA* pCbt = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    g_calls += std::string(pszHook) + ":" + pCbt->lpcs->lpszName + " ";
}

LRESULT CALLBACK OlderHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND) {
        NoteCreation("older", lParam);
        if (g_refusal != 0)
            return g_refusal;
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK NewerHook(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_CREATEWND)
        NoteCreation("newer", lParam);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST(HookTest, CreationHooksRunNewestFirstAndMayRefuseTheWindow) {
    test::ParentWindow parent;
    g_calls.clear();
    const HHOOK hOlder = SetWindowsHookExA(WH_CBT, OlderHook, nullptr, GetCurrentThreadId());
    const HHOOK hNewer = SetWindowsHookExA(WH_CBT, NewerHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hOlder);
    ASSERT_NE(nullptr, hNewer);

    test::RecordOnly({WM_PARENTNOTIFY});
    const HWND hwnd = CreateWindowExA(0, "Edit", "made", WS_CHILD, 0, 0, 50, 10, parent.Handle(),
                                      nullptr, nullptr, nullptr);
    EXPECT_NE(nullptr, hwnd);
    EXPECT_EQ("newer:made older:made ", g_calls);

    g_calls.clear();
    g_refusal = 1;
    test::ClearMessages();
    EXPECT_EQ(nullptr, CreateWindowExA(0, "Edit", "refused", WS_CHILD, 0, 0, 50, 10,
                                       parent.Handle(), nullptr, nullptr, nullptr));
    g_refusal = 0;
    EXPECT_EQ("newer:refused older:refused ", g_calls);
    EXPECT_TRUE(test::MessagesAre({})); // no WM_PARENTNOTIFY for a window that never was

    EXPECT_TRUE(UnhookWindowsHookEx(hNewer));
    EXPECT_TRUE(UnhookWindowsHookEx(hOlder));
    EXPECT_FALSE(UnhookWindowsHookEx(hOlder));
    g_calls.clear();
    DestroyWindow(CreateWindowExA(0, "Edit", "unhooked", WS_CHILD, 0, 0, 50, 10, parent.Handle(),
                                  nullptr, nullptr, nullptr));
    EXPECT_EQ("", g_calls);
}

} // namespace
