// The window manager's message sequences, as a real Win32 sends them: creating, moving, sizing,
// enabling, focusing and destroying windows.
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
using test::optional;
using test::RecordOnly;
using test::RecordWindow;
using test::sent;
using test::wparam;

const char kClass[] = "WindowManagerTestClass";

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ForgetWindows();
        test::ClearMessages();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = test::RecordingWindowProc;
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
    }
    void TearDown() override {
        for (HWND hwnd : m_windows)
            DestroyWindow(hwnd);
        test::ForgetWindows();
        test::ClearMessages();
        UnregisterClassA(kClass, nullptr);
    }

    HWND Create(const char* name, DWORD style, HWND parent, int x, int y, int cx, int cy,
                UINT id = 0) {
        const HWND hwnd =
            CreateWindowExA(0, kClass, name, style, x, y, cx, cy, parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        RecordWindow(hwnd, name);
        if (parent == nullptr)
            m_windows.push_back(hwnd);
        return hwnd;
    }

    std::vector<HWND> m_windows;
};

// Windows get their names once they exist, so creation is watched from the parent.
TEST_F(WindowManagerTest, CreatingAVisibleChildOfAHiddenParent) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    RecordOnly({WM_PARENTNOTIFY});
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE, parent, 5, 6, 50, 40, 7);
    EXPECT_TRUE(MessagesAre({{"parent", WM_PARENTNOTIFY, sent | wparam | lparam,
                              MAKEWPARAM(WM_CREATE, 7), reinterpret_cast<LPARAM>(child)}}));
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WindowManagerTest, FocusGoesFromOneChildToTheOtherWithKillBeforeSet) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND first = Create("first", WS_CHILD | WS_VISIBLE, parent, 0, 0, 50, 20);
    const HWND second = Create("second", WS_CHILD | WS_VISIBLE, parent, 0, 30, 50, 20);
    SetFocus(first);
    RecordOnly({WM_SETFOCUS, WM_KILLFOCUS});
    test::ClearMessages();
    EXPECT_EQ(first, SetFocus(second));
    EXPECT_EQ(second, GetFocus());
    EXPECT_EQ(second, SetFocus(second));
    EXPECT_TRUE(MessagesAre({
        {"first", WM_KILLFOCUS, sent | wparam, reinterpret_cast<WPARAM>(second)},
        {"second", WM_SETFOCUS, sent | wparam, reinterpret_cast<WPARAM>(first)},
    }));
}

TEST_F(WindowManagerTest, FocusOnAChildActivatesItsTopLevelWindowFirst) {
    const HWND other = Create("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND top = Create("top", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE, top, 0, 0, 50, 20);
    SetActiveWindow(other);
    RecordOnly({WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    test::ClearMessages();
    SetFocus(child);
    EXPECT_EQ(top, GetActiveWindow());
    EXPECT_TRUE(MessagesAre({
        {"other", WM_ACTIVATE, sent | wparam | lparam, WA_INACTIVE, reinterpret_cast<LPARAM>(top)},
        {"top", WM_ACTIVATE, sent | wparam | lparam, WA_ACTIVE, reinterpret_cast<LPARAM>(other)},
        {"other", WM_KILLFOCUS, sent | wparam, reinterpret_cast<WPARAM>(top)},
        {"top", WM_SETFOCUS, sent | wparam, reinterpret_cast<WPARAM>(other)},
        {"top", WM_KILLFOCUS, sent | wparam, reinterpret_cast<WPARAM>(child)},
        {"child", WM_SETFOCUS, sent | wparam, reinterpret_cast<WPARAM>(top)},
    }));
}

TEST_F(WindowManagerTest, DisablingTheFocusWindowTakesTheFocusAway) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE, parent, 0, 0, 50, 20);
    SetFocus(child);
    RecordOnly({WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE});
    test::ClearMessages();
    EXPECT_FALSE(EnableWindow(child, FALSE));
    EXPECT_EQ(nullptr, GetFocus());
    EXPECT_TRUE(EnableWindow(child, FALSE));
    EXPECT_TRUE(EnableWindow(child, TRUE));
    EXPECT_EQ(nullptr, SetFocus(nullptr));
    EXPECT_TRUE(MessagesAre({
        {"child", WM_CANCELMODE, sent},
        {"child", WM_KILLFOCUS, sent | wparam, 0},
        {"child", WM_ENABLE, sent | wparam, FALSE},
        {"child", WM_CANCELMODE, sent},
        {"child", WM_ENABLE, sent | wparam, TRUE},
    }));
}

TEST_F(WindowManagerTest, DisabledWindowCannotTakeTheFocus) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE | WS_DISABLED, parent, 0, 0, 50, 20);
    SetFocus(parent);
    EXPECT_EQ(nullptr, SetFocus(child));
    EXPECT_EQ(parent, GetFocus());
}

struct PositionCase {
    const char* name;
    int x, y, cx, cy;
    UINT flags;
    std::vector<UINT> expected; // after WM_WINDOWPOSCHANGED
};

TEST_F(WindowManagerTest, MovingAndSizingSendTheChangesAndWhatTheClientAreaDid) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE, parent, 5, 6, 50, 40);
    const PositionCase cases[] = {
        {"move and size", 7, 8, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE, {WM_MOVE, WM_SIZE}},
        {"size only", 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE, {WM_SIZE}},
        {"move only", 9, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, {WM_MOVE}},
    };
    RecordOnly({WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE});
    for (const PositionCase& c : cases) {
        test::ClearMessages();
        SetWindowPos(child, nullptr, c.x, c.y, c.cx, c.cy, c.flags);
        std::vector<test::ExpectedMessage> expected = {{"child", WM_WINDOWPOSCHANGING, sent}};
        if (!(c.flags & SWP_NOSIZE))
            expected.push_back({"child", WM_NCCALCSIZE, sent | wparam, TRUE});
        expected.push_back({"child", WM_WINDOWPOSCHANGED, sent});
        for (UINT message : c.expected)
            expected.push_back({"child", message, sent});
        EXPECT_TRUE(MessagesAre(expected)) << c.name;
    }
    RECT rc;
    GetWindowRect(child, &rc);
    POINT origin = {0, 0};
    ClientToScreen(parent, &origin);
    EXPECT_EQ(origin.x + 9, rc.left);
    EXPECT_EQ(origin.y + 9, rc.top);
    EXPECT_EQ(20, rc.right - rc.left);
}

// The flags the caller gives are the flags the window sees while the change is announced.
LRESULT CALLBACK KeepsFlags(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING)
        SetPropA(hwnd, "flags",
                 reinterpret_cast<HANDLE>(
                     static_cast<UINT_PTR>(reinterpret_cast<const WINDOWPOS*>(lParam)->flags)));
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowManagerTest, SameSizeKeepsTheCallersFlagsInWindowPosChanging) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD | WS_VISIBLE, parent, 5, 6, 50, 40);
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeepsFlags));
    SetWindowPos(child, nullptr, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(static_cast<UINT_PTR>(SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE),
              reinterpret_cast<UINT_PTR>(GetPropA(child, "flags")) & 0xFFFF);
    RemovePropA(child, "flags");
}

TEST_F(WindowManagerTest, DestroyingAParentDestroysItsChildrenInsideOut) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD, parent, 0, 0, 50, 20);
    Create("grandchild", WS_CHILD, child, 0, 0, 10, 10);
    RecordOnly({WM_DESTROY, WM_NCDESTROY});
    test::ClearMessages();
    DestroyWindow(parent);
    m_windows.clear();
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(MessagesAre({
        {"parent", WM_DESTROY, sent},
        {"child", WM_DESTROY, sent},
        {"grandchild", WM_DESTROY, sent},
        {"grandchild", WM_NCDESTROY, sent},
        {"child", WM_NCDESTROY, sent},
        {"parent", WM_NCDESTROY, sent},
    }));
}

TEST_F(WindowManagerTest, StyleChangesAreAnnouncedBeforeAndAfter) {
    const HWND parent = Create("parent", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    const HWND child = Create("child", WS_CHILD, parent, 0, 0, 50, 20);
    RecordOnly({WM_STYLECHANGING, WM_STYLECHANGED});
    test::ClearMessages();
    EXPECT_EQ(static_cast<LONG>(WS_CHILD),
              SetWindowLongA(child, GWL_STYLE, WS_CHILD | WS_TABSTOP) & ~WS_CLIPSIBLINGS);
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(MessagesAre({
        {"child", WM_STYLECHANGING, sent | wparam, static_cast<WPARAM>(GWL_STYLE)},
        {"child", WM_STYLECHANGED, sent | wparam, static_cast<WPARAM>(GWL_STYLE)},
    }));
}

TEST_F(WindowManagerTest, TreeQueries) {
    const HWND owner = Create("owner", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    const HWND popup = Create("popup", WS_POPUP, owner, 0, 0, 100, 100);
    const HWND first = Create("first", WS_CHILD, popup, 0, 0, 10, 10, 11);
    const HWND second = Create("second", WS_CHILD, popup, 0, 10, 10, 10, 12);
    EXPECT_EQ(owner, GetWindow(popup, GW_OWNER));
    EXPECT_EQ(owner, GetParent(popup));
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(popup, GA_PARENT));
    EXPECT_EQ(popup, GetParent(first));
    EXPECT_EQ(popup, GetAncestor(second, GA_ROOT));
    EXPECT_EQ(owner, GetAncestor(second, GA_ROOTOWNER));
    EXPECT_EQ(first, GetWindow(popup, GW_CHILD));
    EXPECT_EQ(second, GetWindow(first, GW_HWNDNEXT));
    EXPECT_EQ(second, GetDlgItem(popup, 12));
    EXPECT_EQ(12, GetDlgCtrlID(second));
    EXPECT_TRUE(IsChild(popup, second));
    EXPECT_FALSE(IsChild(owner, second));
    EXPECT_EQ(nullptr, GetParent(owner));
}

TEST_F(WindowManagerTest, WindowTextAndProperties) {
    const HWND hwnd = Create("window", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    char szText[8];
    EXPECT_EQ(6, GetWindowTextA(hwnd, szText, sizeof(szText)));
    EXPECT_STREQ("window", szText);
    EXPECT_EQ(3, GetWindowTextA(hwnd, szText, 4));
    EXPECT_STREQ("win", szText);
    EXPECT_TRUE(SetWindowTextA(hwnd, "\x93\xfa\x96\x7b")); // 日本
    EXPECT_EQ(4, GetWindowTextLengthA(hwnd));
    EXPECT_TRUE(SetPropA(hwnd, "Key", reinterpret_cast<HANDLE>(5)));
    EXPECT_EQ(reinterpret_cast<HANDLE>(5), GetPropA(hwnd, "key"));
    EXPECT_EQ(reinterpret_cast<HANDLE>(5), RemovePropA(hwnd, "KEY"));
    EXPECT_EQ(nullptr, GetPropA(hwnd, "Key"));
}

TEST_F(WindowManagerTest, StaleHandlesAreInvalid) {
    const HWND hwnd = Create("window", WS_OVERLAPPEDWINDOW, nullptr, 0, 0, 300, 200);
    DestroyWindow(hwnd);
    m_windows.clear();
    EXPECT_FALSE(IsWindow(hwnd));
    SetLastError(0);
    EXPECT_EQ(0, SendMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_FALSE(PostMessageA(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

} // namespace
