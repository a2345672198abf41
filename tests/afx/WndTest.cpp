// CWnd: message maps over a subclassed window, default handling, reflection from the parent,
// and letting go of the window (a destroyed window's objects left without it:
// tests/dialog/ItemTableTest.cpp).
#include "Headless.h"
#include "HostDialog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<UINT>& Seen() {
    static std::vector<UINT> seen;
    return seen;
}

// An object that the window's own procedure deletes as the window goes.
CWnd* g_pDeleteOnNcDestroy = nullptr;

// The window's own procedure: what reaches it shows what the map left alone.
LRESULT CALLBACK OwnProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && g_pDeleteOnNcDestroy != nullptr)
        delete std::exchange(g_pDeleteOnNcDestroy, nullptr);
    if (message == WM_KEYDOWN || message == WM_CHAR || message == WM_USER ||
        message == WM_GETDLGCODE)
        Seen().push_back(message);
    if (message == WM_GETDLGCODE)
        return DLGC_WANTCHARS;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class KeyEater : public CWnd {
public:
    std::vector<UINT> keys;
    UINT nCode = 0;
    int nSelEndOk = 0;
    std::function<void()> inHandler = [] {};

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        keys.push_back(nChar);
        inHandler();
        if (nChar == VK_SPACE)
            Default();
    }
    afx_msg UINT OnGetDlgCode() {
        nCode = CWnd::OnGetDlgCode();
        return nCode | DLGC_WANTARROWS;
    }
    afx_msg void OnSelEndOk() {
        ++nSelEndOk;
        inHandler();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(KeyEater, CWnd)
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelEndOk)
END_MESSAGE_MAP()

class WndTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = OwnProc;
        wc.lpszClassName = "AfxWndTestChild";
        RegisterClassA(&wc);
        m_hChild = CreateWindowExA(0, "AfxWndTestChild", "", WS_CHILD, 0, 0, 10, 10, m_hParent,
                                   reinterpret_cast<HMENU>(5), nullptr, nullptr);
        Seen().clear();
    }
    void TearDown() override {
        DestroyWindow(m_hParent);
        test::ForgetWindows();
        UnregisterClassA("AfxWndTestChild", nullptr);
    }

    const HWND m_hParent = test::CreateHostWindow("parent");
    HWND m_hChild = nullptr;
};

// The map's handlers take their messages (a handler's result is the answer, a notification
// comes back reflected from the parent); Default and unmapped messages reach the window's own
// procedure.
TEST_F(WndTest, MapHandlesItsMessagesAndDefaultPassesThemOn) {
    KeyEater eater;
    ASSERT_TRUE(eater.SubclassWindow(m_hChild));
    EXPECT_EQ(&eater, CWnd::FromHandlePermanent(m_hChild));
    SendMessageA(m_hChild, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(m_hChild, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(m_hChild, WM_CHAR, 'a', 0);
    EXPECT_EQ((std::vector<UINT>{VK_RETURN, VK_SPACE}), eater.keys);
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_WANTARROWS, SendMessageA(m_hChild, WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(static_cast<UINT>(DLGC_WANTCHARS), eater.nCode);
    EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_GETDLGCODE}), Seen());
    SendMessageA(m_hParent, WM_COMMAND, MAKEWPARAM(5, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(m_hChild));
    SendMessageA(m_hParent, WM_COMMAND, MAKEWPARAM(5, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(m_hChild));
    EXPECT_EQ(1, eater.nSelEndOk);
}

// As in MFC, an object that goes takes its window with it, unless it let go of the window first,
// which then has its procedure back.
TEST_F(WndTest, ObjectGoneTakesItsWindowUnlessItLetGoFirst) {
    const LONG_PTR ownProc = GetWindowLongPtrA(m_hChild, GWLP_WNDPROC);
    {
        KeyEater eater;
        ASSERT_TRUE(eater.SubclassWindow(m_hChild));
        EXPECT_FALSE(CWnd().SubclassWindow(m_hChild)); // one object per window
        EXPECT_EQ(m_hChild, eater.UnsubclassWindow());
    }
    EXPECT_EQ(ownProc, GetWindowLongPtrA(m_hChild, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hChild));
    SendMessageA(m_hChild, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ((std::vector<UINT>{WM_KEYDOWN}), Seen());
    {
        KeyEater eater;
        ASSERT_TRUE(eater.SubclassWindow(m_hChild));
    }
    EXPECT_FALSE(IsWindow(m_hChild));
    const HWND hAttached = CreateWindowExA(0, "AfxWndTestChild", "", WS_CHILD, 0, 0, 10, 10,
                                           m_hParent, nullptr, nullptr, nullptr);
    {
        CWnd attached;
        ASSERT_TRUE(attached.Attach(hAttached));
    }
    EXPECT_FALSE(IsWindow(hAttached));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hAttached));
}

LRESULT CALLBACK LaterSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC pfnNext = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "next"));
    return CallWindowProcA(pfnNext, hwnd, message, wParam, lParam);
}

// A subclass installed after the object's keeps working when the object lets go first.
TEST_F(WndTest, ObjectLettingGoUnderALaterSubclassStillPassesMessagesOn) {
    {
        KeyEater eater;
        ASSERT_TRUE(eater.SubclassWindow(m_hChild));
        SetPropA(m_hChild, "next",
                 reinterpret_cast<HANDLE>(SetWindowLongPtrA(
                     m_hChild, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LaterSubclass))));
        EXPECT_EQ(m_hChild, eater.UnsubclassWindow());
    }
    SendMessageA(m_hChild, WM_USER, 0, 0);
    EXPECT_EQ((std::vector<UINT>{WM_USER}), Seen());
    KeyEater again; // would sit above the framework's procedure still in the chain
    EXPECT_FALSE(again.SubclassWindow(m_hChild));
}

TEST_F(WndTest, ObjectDeletedAsItsWindowGoesIsNotTouchedAgain) {
    g_pDeleteOnNcDestroy = new KeyEater;
    ASSERT_TRUE(g_pDeleteOnNcDestroy->SubclassWindow(m_hChild));
    DestroyWindow(m_hChild);
    EXPECT_EQ(nullptr, g_pDeleteOnNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hChild));
}

// What a host's dialog code calls beyond the library: the handles behind the objects (NULL for an
// object without one; a window without an object of its own gets a temporary one, found again),
// a font made from a LOGFONT and passed on as an HFONT, and coordinates.
TEST_F(WndTest, HostMembersAnswerAsInMfc) {
    EXPECT_EQ(m_hParent, CWnd::FromHandle(m_hParent)->GetSafeHwnd());
    EXPECT_EQ(CWnd::FromHandle(m_hParent), CWnd::FromHandle(m_hParent));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_hParent));
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    EXPECT_EQ(nullptr, CWnd().GetSafeHwnd());
    CRect rc(10, 20, 30, 40);
    CWnd::FromHandle(m_hChild)->ClientToScreen(rc);
    CWnd::FromHandle(m_hChild)->ScreenToClient(rc);
    EXPECT_TRUE(EqualRect(&rc, CRect(10, 20, 30, 40)));
    POINT pt = {10, 20};
    ::ClientToScreen(m_hChild, &pt);
    CWnd::FromHandle(m_hChild)->ScreenToClient(&pt);
    EXPECT_TRUE(pt.x == 10 && pt.y == 20);
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_EQ(font.m_hObject, static_cast<HGDIOBJ>(static_cast<HFONT>(font)));
    EXPECT_EQ(font.m_hObject, font.GetSafeHandle());
    EXPECT_EQ(nullptr, CFont().GetSafeHandle());
}

// A temporary object of any kind (window, device context, GDI object, font) lasts until the
// thread goes idle: the unlock that ends the last lock of the temporary maps deletes it, unless it
// is asked not to. The framework holds a lock while it routes a message to an object or reflects
// one to it, so that the idle step of a loop run in a handler deletes nothing. A temporary that is
// still there is found again without an allocation; a new one needs one, which fails here.
TEST_F(WndTest, TemporaryObjectsGoWhenTheLastLockEnds) {
    REQUIRE_HEADLESS();
    const HDC hdc = GetDC(m_hParent);
    const HGDIOBJ hBrush = GetStockObject(WHITE_BRUSH);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    // Each made with the allocation after nSucceed failing (-1: none fails).
    const auto temporaries = [&](LONG nSucceed) {
        const auto from = [&](auto pfnFromHandle, auto handle) {
            test::Headless()->FailAllocationAfter(nSucceed);
            const auto pObject = pfnFromHandle(handle);
            test::Headless()->FailAllocationAfter(-1);
            return pObject;
        };
        return std::tuple<CWnd*, CDC*, CGdiObject*, CFont*>{
            from(&CWnd::FromHandle, m_hParent), from(&CDC::FromHandle, hdc),
            from(&CGdiObject::FromHandle, hBrush), from(&CFont::FromHandle, hFont)};
    };
    const auto made = temporaries(-1);
    const auto foundWithoutMemory = [&] { return temporaries(0); };
    const auto idle = [] {
        AfxLockTempMaps();
        return AfxUnlockTempMaps();
    };
    AfxLockTempMaps();
    EXPECT_TRUE(idle());
    EXPECT_EQ(made, foundWithoutMemory());
    EXPECT_FALSE(AfxUnlockTempMaps(FALSE));
    EXPECT_EQ(made, foundWithoutMemory());
    KeyEater eater;
    ASSERT_TRUE(eater.SubclassWindow(m_hChild));
    eater.inHandler = [&] {
        EXPECT_TRUE(idle());
        EXPECT_EQ(made, foundWithoutMemory());
    };
    SendMessageA(m_hChild, WM_KEYDOWN, VK_RETURN, 0);
    SendMessageA(m_hParent, WM_COMMAND, MAKEWPARAM(5, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(m_hChild));
    EXPECT_EQ(1, eater.nSelEndOk);
    EXPECT_FALSE(idle());
    EXPECT_EQ(decltype(made){}, foundWithoutMemory());
    EXPECT_TRUE(IsWindow(m_hParent)) << "a temporary leaves its window alone";
    EXPECT_FALSE(AfxUnlockTempMaps()) << "no lock to end";
    ReleaseDC(m_hParent, hdc);
}

} // namespace
