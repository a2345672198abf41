// The free-standing pull-down list: its window, its keys and what it tells its notify window.
#include "DroppedList.h"
#include "HostDialog.h"

#include <CPullDown.h>

#include <gtest/gtest.h>

namespace {

// The host's numbers are shorts, so they lie below 0x8000 (WM_APP).
constexpr short kKeyMsg = WM_USER + 10;
constexpr short kShiftUpMsg = WM_USER + 11;
constexpr short kRButtonMsg = WM_USER + 12;
constexpr short kKillFocusMsg = WM_USER + 13;

using test::MessagesAre;
using test::sent;
using test::wparam;

POINT g_rightClick;
bool g_bDeleteOnKey = false;
CPullDown* g_pDeleted = nullptr;

// The notify window keeps the point of a right click, and deletes the list on a key when told.
LRESULT CALLBACK NotifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == static_cast<UINT>(kRButtonMsg))
        g_rightClick = *reinterpret_cast<const POINT*>(lParam);
    if (message == static_cast<UINT>(kKeyMsg) && g_bDeleteOnKey)
        delete g_pDeleted;
    return test::RecordingWindowProc(hwnd, message, wParam, lParam);
}

class PullDownTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(1, m_pull.PullInit(CWnd::FromHandle(m_hParent), nullptr, kKeyMsg, m_keys, 3,
                                     kShiftUpMsg, kRButtonMsg, kKillFocusMsg));
        for (const char* pszRow : {"one", "two", "three"})
            SendMessageA(m_pull.m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SetFocus(m_pull.m_hWnd);
        test::Pump();
        test::RecordOnly({WM_USER + 10, WM_USER + 11, WM_USER + 12, WM_USER + 13});
        test::ClearMessages();
    }
    void TearDown() override {
        DestroyWindow(m_hParent);
        test::ForgetWindows();
        test::ClearMessages();
    }
    BOOL Dropped() { return m_pull.GetDroppedState(); }

    short m_keys[3] = {VK_RETURN, VK_ESCAPE, VK_TAB};
    HWND m_hParent = test::CreateHostWindow("owner", NotifyProc);
    CPullDown m_pull;
};

TEST_F(PullDownTest, IsADropDownListWithRowsOfItsFontsHeight) {
    EXPECT_EQ(529, GetDlgCtrlID(m_pull.m_hWnd));
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    EXPECT_EQ(dwStyle, m_pull.GetStyle() & (dwStyle | CBS_OWNERDRAWFIXED));
    RECT rc;
    GetWindowRect(m_pull.m_hWnd, &rc);
    EXPECT_EQ(100, rc.right - rc.left);
    TEXTMETRICA tm;
    const HDC hdc = GetDC(m_pull.m_hWnd);
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(m_pull.m_hWnd, hdc);
    // The selection field keeps two pixels of its own.
    EXPECT_EQ(tm.tmHeight + 2 + 2, m_pull.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
}

// Listed keys close the list and are reported (Escape only closes a shown list); unlisted
// function keys do nothing, not even open the list (F4); Space opens a closed list.
TEST_F(PullDownTest, KeysCloseTheListAndReachTheNotifyWindow) {
    const struct {
        BOOL bDropped;
        UINT vk;
        int nReported; // -1 none
        BOOL bDroppedAfter;
    } kCases[] = {{FALSE, VK_TAB, VK_TAB, FALSE},       {TRUE, VK_TAB, VK_TAB, FALSE},
                  {TRUE, VK_ESCAPE, -1, FALSE},         {FALSE, VK_ESCAPE, VK_ESCAPE, FALSE},
                  {FALSE, VK_RETURN, VK_RETURN, FALSE}, {FALSE, VK_F4, -1, FALSE},
                  {FALSE, VK_SPACE, -1, TRUE}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.vk);
        m_pull.SetCurSel(1);
        m_pull.ShowDropDown(c.bDropped);
        test::Pump();
        test::ClearMessages();
        test::TypeKey(c.vk);
        if (c.nReported == -1)
            EXPECT_TRUE(MessagesAre({}));
        else
            EXPECT_TRUE(MessagesAre(
                {{"owner", WM_USER + 10, sent | wparam, static_cast<WPARAM>(c.nReported)}}));
        EXPECT_EQ(c.bDroppedAfter, Dropped());
    }
    EXPECT_EQ(1, m_pull.m_pull.m_nCurSel) << "Enter records the chosen row";
}

TEST_F(PullDownTest, ShiftReleaseRightClickAndFocusLossAreReported) {
    ASSERT_TRUE(test::HoldShift(true));
    ASSERT_TRUE(test::HoldShift(false));
    MoveWindow(m_pull.m_hWnd, 40, 60, 100, 100, TRUE);
    m_pull.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 3));
    SetFocus(m_hParent);
    EXPECT_TRUE(MessagesAre({{"owner", WM_USER + 11, sent | wparam | test::lparam, 0, 0},
                             {"owner", WM_USER + 12, sent | wparam, 0},
                             {"owner", WM_USER + 13, sent | wparam | test::lparam, 0, 0}}));
    EXPECT_EQ(45, g_rightClick.x);
    EXPECT_EQ(63, g_rightClick.y);
}

TEST_F(PullDownTest, CommandTogglesTheListAndTakesTheFocus) {
    SetFocus(m_hParent);
    for (BOOL bDropped : {TRUE, FALSE}) {
        m_pull.SendMessage(WM_COMMAND, 10000);
        EXPECT_EQ(bDropped, Dropped());
        EXPECT_EQ(m_pull.m_hWnd, GetFocus());
    }
}

// The width of every multi-column list is the last one set, in average characters.
TEST_F(PullDownTest, MultiColumnWidthIsSharedByEveryList) {
    CPullDown other;
    ASSERT_EQ(1, other.PullInit(CWnd::FromHandle(m_hParent), nullptr, 0, nullptr, 0, 0, 0, 0));
    EXPECT_EQ(1, m_pull.PullMakeMulti(30, 40));
    EXPECT_EQ(0, m_pull.GetCount());
    other.PullMakeMulti(31, 41);
    for (CPullDown* pPull : {&m_pull, &other}) {
        pPull->AddString("row");
        pPull->SendMessage(WM_COMMAND, 10000);
        const test::DroppedList list = test::PaintedList(pPull->m_hWnd);
        EXPECT_EQ(41 * list.tm.tmAveCharWidth, list.rc.right - list.rc.left);
    }
}

TEST_F(PullDownTest, HostDeletingTheListOnAKeyEndsTheKeyQuietly) {
    g_pDeleted = new CPullDown;
    g_pDeleted->PullInit(CWnd::FromHandle(m_hParent), nullptr, kKeyMsg, m_keys, 3, 0, 0, 0);
    const HWND hWnd = g_pDeleted->m_hWnd;
    SetFocus(hWnd);
    g_bDeleteOnKey = true;
    test::TypeKey(VK_RETURN);
    g_bDeleteOnKey = false;
    EXPECT_FALSE(IsWindow(hWnd));
}

} // namespace
