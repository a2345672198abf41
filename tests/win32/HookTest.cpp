// WH_CBT hooks at a window's creation, where the class framework attaches its objects
// (tests/afx/CreateTest.cpp): the newest hook first, and a refusal leaves no window behind.
#include "ControlHost.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string g_hooks; // the hooks called, newest first

LRESULT CALLBACK RefusingHook(int nCode, WPARAM wParam, LPARAM lParam) {
    g_hooks += "refusing ";
    return nCode == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, nCode, wParam, lParam);
}

LRESULT CALLBACK PassingHook(int nCode, WPARAM wParam, LPARAM lParam) {
    g_hooks += "passing ";
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

TEST(HookTest, RefusedWindowIsNeverMadeNorAnnounced) {
    test::ParentWindow parent;
    test::RecordOnly({WM_PARENTNOTIFY});
    const HHOOK hRefusing = SetWindowsHookExA(WH_CBT, RefusingHook, nullptr, GetCurrentThreadId());
    const HHOOK hPassing = SetWindowsHookExA(WH_CBT, PassingHook, nullptr, GetCurrentThreadId());
    EXPECT_EQ(nullptr, CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 50, 10, parent.Handle(),
                                       reinterpret_cast<HMENU>(7), nullptr, nullptr));
    EXPECT_TRUE(UnhookWindowsHookEx(hPassing));
    EXPECT_TRUE(UnhookWindowsHookEx(hRefusing));
    EXPECT_FALSE(UnhookWindowsHookEx(hRefusing));
    EXPECT_EQ("passing refusing ", g_hooks);
    EXPECT_EQ(nullptr, GetDlgItem(parent.Handle(), 7));
    EXPECT_TRUE(test::MessagesAre({}));
}

} // namespace
