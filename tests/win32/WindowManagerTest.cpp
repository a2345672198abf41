// The window manager as the controller relies on it: activation before the focus, disabling
// the focus window (the focus moving between a dialog's controls, kill before set:
// tests/dialog/ComboListTest.cpp and RadioGroupTest.cpp), and painting the children over an
// invalid area.
#include "MessageLog.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
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

// UpdateWindow paints what was invalidated: the parent and, unless it clips its children, the
// children that show in the area, which erase their background (the static control asks the
// parent for its colours as it paints). Cases: the parent's style, the window invalidated and
// where, what is painted.
TEST_F(WindowManagerTest, UpdateWindowPaintsTheChildrenOverTheInvalidArea) {
    const RECT rcOverStatic = {5, 5, 30, 30}, rcBesideChildren = {250, 10, 280, 40};
    const test::ExpectedMessage parent = {"parent", WM_PAINT, sent};
    const test::ExpectedMessage stat = {"parent", WM_CTLCOLORSTATIC, sent};
    const test::ExpectedMessage child = {"child", WM_PAINT, sent};
    const test::ExpectedMessage childErase = {"child", WM_ERASEBKGND, sent};
    const struct {
        DWORD style;
        bool bStatic;
        const RECT* pRect;
        std::vector<test::ExpectedMessage> painted;
    } kCases[] = {{0, false, nullptr, {parent, stat, child, childErase}},
                  {0, false, &rcOverStatic, {parent, stat}},
                  {0, false, &rcBesideChildren, {parent}},
                  {WS_CLIPCHILDREN, false, nullptr, {parent}},
                  {0, true, nullptr, {stat}}};
    for (const auto& c : kCases) {
        const HWND top = Create("parent", WS_POPUP | WS_VISIBLE | c.style, nullptr, 0, 0, 300, 200);
        const HWND hStatic = CreateWindowExA(0, "Static", "label", WS_CHILD | WS_VISIBLE, 5, 5, 100,
                                             100, top, nullptr, nullptr, nullptr);
        Create("child", WS_CHILD | WS_VISIBLE, top, 150, 10, 50, 50);
        UpdateWindow(top);
        RecordOnly({WM_PAINT, WM_CTLCOLORSTATIC, WM_ERASEBKGND});
        test::ClearMessages();
        InvalidateRect(c.bStatic ? hStatic : top, c.pRect, FALSE);
        UpdateWindow(top);
        EXPECT_TRUE(MessagesAre(c.painted)) << c.style << c.bStatic;
        DestroyWindow(top);
        test::ForgetWindows();
    }
}

} // namespace
