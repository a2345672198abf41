// Windows the framework creates in code: the object is attached from the window's first message
// on, and a window that cannot be made leaves the object without one (the windows made as asked:
// the entry fields' looks, tests/edit/EntryFieldTest.cpp).
#include "HostDialog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr UINT kPrivateMessage = 0x291C;
constexpr UINT kId = 1234;
const char kRefusingClass[] = "AfxCreateTestRefusing";

class CreatedEdit : public CEdit {
public:
    std::vector<UINT> messages; // every message the object saw, in order
    WPARAM wPrivate = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return CEdit::WindowProc(message, wParam, lParam);
    }

protected:
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        wPrivate = wParam;
        return lParam + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CreatedEdit, CEdit)
ON_MESSAGE(kPrivateMessage, OnPrivate)
END_MESSAGE_MAP()

LRESULT CALLBACK RefusingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCCREATE ? FALSE : DefWindowProcA(hwnd, message, wParam, lParam);
}

class CreateTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RefusingProc;
        wc.lpszClassName = kRefusingClass;
        RegisterClassA(&wc);
    }
    void TearDown() override {
        DestroyWindow(m_hParent);
        test::ForgetWindows();
        UnregisterClassA(kRefusingClass, nullptr);
    }

    CWnd* Parent() const { return CWnd::FromHandle(m_hParent); }

    const HWND m_hParent = test::CreateHostWindow("parent");
};

TEST_F(CreateTest, ObjectHasItsWindowFromTheFirstMessageOn) {
    CreatedEdit edit;
    ASSERT_TRUE(
        edit.Create(WS_CHILD | ES_MULTILINE | ES_RIGHT, CRect(0, 0, 50, 10), Parent(), kId));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd));
    ASSERT_FALSE(edit.messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_NCCREATE), edit.messages.front());
    EXPECT_EQ(42, edit.SendMessage(kPrivateMessage, 7, 41));
    EXPECT_EQ(7u, edit.wPrivate);
}

// The object lets go of a window it had from WM_NCCREATE on but that was never made, and can
// make another.
TEST_F(CreateTest, WindowThatRefusesToBeMadeLeavesTheObjectWithoutOne) {
    CWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, kRefusingClass, "", WS_CHILD, 0, 0, 10, 10, m_hParent, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_TRUE(wnd.CreateEx(0, "Static", "", WS_CHILD, 0, 0, 10, 10, m_hParent, nullptr));
}

} // namespace
