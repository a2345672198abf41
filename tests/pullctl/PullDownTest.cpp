// The free-standing pull-down list: its window, its keys and what it tells its notify window.
#include "DroppedList.h"
#include "Headless.h"
#include "HostDialog.h"
#include "ParamName.h"

#include <CPullDown.h>

#include <gtest/gtest.h>

namespace {

// The host's message numbers are shorts, so they lie below 0x8000 (WM_APP).
enum : short { kKeyMsg = WM_USER + 10, kShiftUpMsg, kRButtonMsg, kKillFocusMsg };

using test::sent;
using test::wparam;

// The list lives in a plain host window, whose loop translates and dispatches every message.
BOOL WINAPI NoDialog(HWND, LPMSG) {
    return FALSE;
}

// A notification of the list (ID 529) to its parent.
constexpr WPARAM Notification(WORD wCode) {
    return MAKEWPARAM(529, wCode);
}

void TypeKey(UINT vk) {
    test::TypeKeyInDialog(nullptr, vk, NoDialog);
}

POINT g_rightClick;
// The host deletes this list on the first message g_deleteOn with wParam g_deleteOnWParam.
CPullDown* g_pDeleteOn = nullptr;
UINT g_deleteOn = 0;
WPARAM g_deleteOnWParam = 0;

LRESULT CALLBACK NotifyProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRButtonMsg)
        g_rightClick = *reinterpret_cast<const POINT*>(lParam);
    if (message == g_deleteOn && wParam == g_deleteOnWParam && g_pDeleteOn != nullptr) {
        delete g_pDeleteOn;
        g_pDeleteOn = nullptr;
        return 0;
    }
    return test::RecordingWindowProc(hwnd, message, wParam, lParam);
}

class PullDownTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_parent.Attach(m_hParent);
        ASSERT_EQ(1, m_pull.PullInit(&m_parent, nullptr, kKeyMsg, m_keys, 3, kShiftUpMsg,
                                     kRButtonMsg, kKillFocusMsg));
        for (const char* pszRow : {"one", "two", "three"})
            m_pull.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SetFocus(m_pull.m_hWnd);
        test::Pump();
        test::RecordOnly({kKeyMsg, kShiftUpMsg, kRButtonMsg, kKillFocusMsg});
        test::ClearMessages();
    }
    void TearDown() override {
        m_parent.Detach();
        DestroyWindow(m_hParent);
        test::ForgetWindows();
    }
    LRESULT Dropped() { return m_pull.SendMessage(CB_GETDROPPEDSTATE); }

    short m_keys[3] = {VK_RETURN, VK_ESCAPE, VK_TAB};
    HWND m_hParent = test::CreateHostWindow("owner", NotifyProc);
    // The host's object of its window, which the lists keep.
    CWnd m_parent;
    CPullDown m_pull;
};

TEST_F(PullDownTest, IsADropDownListWhoseFieldIsItsFontHigh) {
    EXPECT_EQ(529, GetDlgCtrlID(m_pull.m_hWnd));
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS;
    EXPECT_EQ(dwStyle, m_pull.GetStyle() & (dwStyle | CBS_OWNERDRAWFIXED));
    TEXTMETRICA tm;
    const HDC hdc = GetDC(m_pull.m_hWnd);
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(m_pull.m_hWnd, hdc);
    // Two pixels over the font, and two the field keeps of its own; rows two over the font.
    EXPECT_EQ(tm.tmHeight + 4, m_pull.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    MEASUREITEMSTRUCT mis = {ODT_COMBOBOX, 529, 0, 0, 0, 0};
    SendMessageA(m_hParent, WM_MEASUREITEM, 529, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(static_cast<UINT>(tm.tmHeight + 2), mis.itemHeight);
    EXPECT_EQ(0, CPullDown().PullInit(nullptr, nullptr, 0, nullptr, 0, 0, 0, 0)) << "no parent";
    // A move gives the field the height of the client area, 100 here, and it keeps two more.
    MoveWindow(m_pull.m_hWnd, 40, 60, 100, 100, TRUE);
    EXPECT_EQ(102, m_pull.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
    if (test::Headless() == nullptr)
        return;
    // Windows 3.10 gives the field half the font's height again.
    const DWORD dwVersion = GetVersion();
    test::Headless()->SetVersion(0x0A03);
    CPullDown old;
    test::Headless()->SetVersion(dwVersion);
    ASSERT_EQ(1, old.PullInit(&m_parent, nullptr, 0, nullptr, 0, 0, 0, 0));
    EXPECT_EQ(tm.tmHeight * 3 / 2 + 2, old.SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)));
}

// An item drawn whole or for its focus while focused, or selected, has the selection colours.
TEST_F(PullDownTest, RowsAreDrawnInTheSelectionColoursWhenSelectedOrFocused) {
    REQUIRE_HEADLESS();
    const struct {
        UINT nType, nAction, nState;
        int nBack; /* -1: not drawn */
    } kCases[] = {{ODT_COMBOBOX, ODA_DRAWENTIRE, ODS_FOCUS, COLOR_HIGHLIGHT},
                  {ODT_COMBOBOX, ODA_FOCUS, ODS_FOCUS, COLOR_HIGHLIGHT},
                  {ODT_COMBOBOX, ODA_SELECT, ODS_FOCUS, COLOR_WINDOW},
                  {ODT_COMBOBOX, ODA_SELECT, ODS_SELECTED, COLOR_HIGHLIGHT},
                  {ODT_COMBOBOX, ODA_DRAWENTIRE, 0, COLOR_WINDOW},
                  {ODT_LISTBOX, ODA_DRAWENTIRE, ODS_SELECTED, -1}};
    const HDC hdc = GetDC(m_pull.m_hWnd);
    for (const auto& c : kCases) {
        test::Headless()->ClearFillRects();
        DRAWITEMSTRUCT dis = {c.nType, 529, 0, c.nAction, c.nState, m_pull.m_hWnd, hdc, {}, 0};
        SendMessageA(m_hParent, WM_DRAWITEM, 529, reinterpret_cast<LPARAM>(&dis));
        HEADLESS_FILLRECT fill = {};
        test::Headless()->GetFillRect(0, &fill);
        EXPECT_EQ(c.nBack == -1 ? 0u : 1u, test::Headless()->GetFillRectCount()) << c.nType;
        EXPECT_EQ(c.nBack == -1 ? 0u : GetSysColor(c.nBack), fill.crBrush) << c.nAction << c.nState;
    }
    ReleaseDC(m_pull.m_hWnd, hdc);
}

// Listed keys close the list and are reported, but Escape only closes a shown list; unlisted
// function keys do nothing, not even open the list (F4); Space opens a closed list.
TEST_F(PullDownTest, KeysCloseTheListAndReachTheNotifyWindow) {
    const struct {
        BOOL bDropped;
        UINT vk;
        int nReported; // -1 none
        BOOL bDroppedAfter;
    } kCases[] = {{TRUE, VK_TAB, VK_TAB, FALSE},        {TRUE, VK_ESCAPE, -1, FALSE},
                  {FALSE, VK_ESCAPE, VK_ESCAPE, FALSE}, {FALSE, VK_F4, -1, FALSE},
                  {FALSE, VK_RETURN, VK_RETURN, FALSE}, {FALSE, VK_SPACE, -1, TRUE}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.vk);
        m_pull.SendMessage(CB_SETCURSEL, 1);
        m_pull.SendMessage(CB_SHOWDROPDOWN, c.bDropped);
        test::Pump();
        test::ClearMessages();
        TypeKey(c.vk);
        std::vector<test::ExpectedMessage> expected;
        if (c.nReported != -1)
            expected.push_back({"owner", kKeyMsg, sent | wparam, static_cast<WPARAM>(c.nReported)});
        EXPECT_TRUE(test::MessagesAre(expected));
        EXPECT_EQ(c.bDroppedAfter, Dropped());
    }
    EXPECT_EQ(1, m_pull.m_pull.m_nCurSel) << "Enter records the chosen row";
    TypeKey(VK_DOWN);
    EXPECT_EQ(2, m_pull.GetCurSel()) << "other keys go to the combo box";
}

TEST_F(PullDownTest, ShiftReleaseRightClickAndFocusLossAreReported) {
    ASSERT_TRUE(test::HoldShift(true));
    ASSERT_TRUE(test::HoldShift(false));
    MoveWindow(m_pull.m_hWnd, 40, 60, 100, 100, TRUE);
    m_pull.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 3));
    SetFocus(m_hParent);
    EXPECT_TRUE(test::MessagesAre({{"owner", kShiftUpMsg, sent | wparam | test::lparam, 0, 0},
                                   {"owner", kRButtonMsg, sent | wparam, 0},
                                   {"owner", kKillFocusMsg, sent | wparam | test::lparam, 0, 0}}));
    EXPECT_EQ(45, g_rightClick.x);
    EXPECT_EQ(63, g_rightClick.y);
}

// A host that lays its windows out again may move the list to where it already is, which
// brings no WM_MOVE or WM_SIZE and leaves a plain combo box's list open: this list closes.
TEST_F(PullDownTest, MovingTheListInPlaceClosesIt) {
    TypeKey(VK_RETURN);
    RECT rc;
    GetWindowRect(m_pull.m_hWnd, &rc);
    MapWindowPoints(nullptr, m_hParent, reinterpret_cast<POINT*>(&rc), 2);
    m_pull.SendMessage(CB_SHOWDROPDOWN, TRUE);
    MoveWindow(m_pull.m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    EXPECT_EQ(0, Dropped());
    EXPECT_EQ(-1, m_pull.m_pull.m_nCurSel) << "the row Enter recorded is let go";
}

// With no Enter listed, Enter only closes the open list as CB_SHOWDROPDOWN does (the choice
// cancelled, nothing reported); message numbers 0 send nothing, not even WM_NULL.
TEST_F(PullDownTest, UnlistedEnterAndMessagesNumberedZeroTellTheHostNothing) {
    CPullDown quiet;
    short keys[] = {VK_TAB};
    ASSERT_EQ(1, quiet.PullInit(&m_parent, nullptr, kKeyMsg, keys, 1, 0, 0, 0));
    quiet.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    quiet.SendMessage(CB_SETCURSEL, 0);
    SetFocus(quiet.m_hWnd);
    quiet.SendMessage(CB_SHOWDROPDOWN, TRUE);
    test::Pump();
    test::RecordOnly({WM_NULL, kKeyMsg, WM_COMMAND});
    test::ClearMessages();
    TypeKey(VK_RETURN);
    EXPECT_TRUE(
        test::MessagesAre({{"owner", WM_COMMAND, sent | wparam, Notification(CBN_SELENDCANCEL)},
                           {"owner", WM_COMMAND, sent | wparam, Notification(CBN_CLOSEUP)}}));
    test::RecordOnly({WM_NULL, kKeyMsg});
    test::ClearMessages();
    ASSERT_TRUE(test::HoldShift(true));
    ASSERT_TRUE(test::HoldShift(false));
    quiet.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 3));
    SetFocus(m_hParent);
    EXPECT_TRUE(test::MessagesAre({}));
}

// Command 10000 opens or closes the list and takes the focus; the width of every
// multi-column list is the last one set, in average characters.
TEST_F(PullDownTest, MultiColumnListsShareTheLastWidth) {
    CPullDown other;
    ASSERT_EQ(1, other.PullInit(&m_parent, nullptr, 0, nullptr, 0, 0, 0, 0));
    EXPECT_EQ(1, m_pull.PullMakeMulti(30, 40));
    EXPECT_EQ(0, m_pull.SendMessage(CB_GETCOUNT));
    other.PullMakeMulti(31, 41);
    for (CPullDown* pPull : {&m_pull, &other}) {
        pPull->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
        pPull->SendMessage(WM_COMMAND, 10000);
        EXPECT_EQ(pPull->m_hWnd, GetFocus());
        const test::DroppedList list = test::PaintedList(pPull->m_hWnd);
        EXPECT_EQ(41 * list.tm.tmAveCharWidth, list.rc.right - list.rc.left);
        EXPECT_EQ(reinterpret_cast<LRESULT>(pPull->m_pull.m_hBrush), list.lBrush);
    }
    other.SendMessage(WM_COMMAND, 10000);
    EXPECT_EQ(0, other.SendMessage(CB_GETDROPPEDSTATE));
}

// The host may delete the list in any message the list sends it, its own or the combo box's:
// what the list was doing ends without touching the deleted object.
struct DeleteCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    void (*act)(HWND hPull, HWND hParent);
};

class PullDownDeletedTest : public PullDownTest,
                            public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(PullDownDeletedTest, HostDeletingTheListEndsWhatItWasDoingQuietly) {
    g_pDeleteOn = new CPullDown;
    ASSERT_EQ(1, g_pDeleteOn->PullInit(&m_parent, nullptr, kKeyMsg, m_keys, 3, kShiftUpMsg,
                                       kRButtonMsg, kKillFocusMsg));
    const HWND hWnd = g_pDeleteOn->m_hWnd;
    SetFocus(hWnd);
    test::Pump();
    g_deleteOn = GetParam().message;
    g_deleteOnWParam = GetParam().wParam;
    GetParam().act(hWnd, m_hParent);
    const bool bDeleted = g_pDeleteOn == nullptr;
    delete g_pDeleteOn;
    g_pDeleteOn = nullptr;
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(IsWindow(hWnd));
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, PullDownDeletedTest,
    ::testing::Values(
        DeleteCase{"ListedKey", kKeyMsg, VK_RETURN, [](HWND, HWND) { TypeKey(VK_RETURN); }},
        DeleteCase{"ListClosedByAListedKey", WM_COMMAND, Notification(CBN_CLOSEUP),
                   [](HWND hPull, HWND) {
                       SendMessageA(hPull, CB_SHOWDROPDOWN, TRUE, 0);
                       TypeKey(VK_TAB);
                   }},
        DeleteCase{"ShiftReleased", kShiftUpMsg, 0,
                   [](HWND, HWND) { test::HoldShift(true) && test::HoldShift(false); }},
        DeleteCase{"RightClick", kRButtonMsg, 0,
                   [](HWND hPull, HWND) {
                       SendMessageA(hPull, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 3));
                   }},
        DeleteCase{"FocusLostNotified", WM_COMMAND, Notification(CBN_KILLFOCUS),
                   [](HWND, HWND hParent) { SetFocus(hParent); }},
        DeleteCase{"FocusLostReported", kKillFocusMsg, 0,
                   [](HWND, HWND hParent) { SetFocus(hParent); }},
        DeleteCase{"ToggledOpen", WM_COMMAND, Notification(CBN_DROPDOWN),
                   [](HWND hPull, HWND) { SendMessageA(hPull, WM_COMMAND, 10000, 0); }}),
    test::ParamName<DeleteCase>);

} // namespace
