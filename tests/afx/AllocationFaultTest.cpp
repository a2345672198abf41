// A window the framework creates in code needs memory for its creation hook: without it there is
// no window, and the object is left without one, ready to create again.
#include "Headless.h"
#include "HostDialog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

TEST(CreateFaultTest, NoMemoryForTheCreationHookMakesNoWindow) {
    constexpr UINT kId = 1234;
    const HWND hParent = test::CreateHostWindow("parent");
    CEdit edit;
    test::Headless()->FailAllocationAfter(0);
    const BOOL bCreated =
        edit.Create(WS_CHILD, CRect(0, 0, 50, 10), CWnd::FromHandle(hParent), kId);
    test::Headless()->FailAllocationAfter(-1);
    EXPECT_FALSE(bCreated);
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_EQ(nullptr, GetDlgItem(hParent, kId));
    EXPECT_TRUE(edit.Create(WS_CHILD, CRect(0, 0, 50, 10), CWnd::FromHandle(hParent), kId));
    DestroyWindow(hParent);
    test::ForgetWindows();
}

} // namespace
