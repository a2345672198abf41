// A template dialog's department and account pull-down combo boxes filled from master files,
// driven by keys through the host's dialog loop.
#include "DroppedList.h"
#include "Headless.h"
#include "HeapInUse.h"
#include "HostDialog.h"
#include "MasterData.h"
#include "MasterFolder.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <CDlgSb.h>
#include <CPullComboSub.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr UINT kPullCloseMsg = WM_APP + 2;

class PullComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> depts = test::kDepts;
        depts.push_back("x,12345,経理部,経理,KEIRI,2,1");
        m_folder.Write("m_bumon.csv", depts);
        m_folder.Write("m_kamoku.csv", test::kAccounts);
        m_folder.Write("m_hojo.csv", test::kSubAccounts);
        SetPropA(Dialog(), "test", this);
        m_pfnNext = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostDialogProc)));
        ASSERT_EQ(1, m_pSb->Init(m_host.DialogWnd(), 100, 0, kPullCloseMsg, 0, 0, 0));
        MakeLists(0);
        test::RecordOnly({kPullCloseMsg});
    }

    HWND Dialog() const { return m_host.Dialog(); }
    CPullComboSub& Pull(int nID) const {
        return *static_cast<CPullComboSub*>(CWnd::FromHandlePermanent(m_host.Item(nID)));
    }
    LRESULT Send(int nID, UINT message, WPARAM wParam = 0) const {
        return SendMessageA(m_host.Item(nID), message, wParam, 0);
    }
    void MakeLists(WORD wStyle, ULONG nSelect = 0) {
        char* pszFolder = const_cast<char*>(m_folder.Path().c_str());
        Pull(7000).PullMakeList2(1, 0, 0, wStyle, pszFolder);
        Pull(7001).PullMakeList2(2, nSelect, 0, wStyle, pszFolder);
    }
    // Each byte is a key typed into the focus item, or a half-width katakana sent as a character.
    void Type(int nID, const char* pszKeys) const {
        SetFocus(m_host.Item(nID));
        for (const BYTE* p = reinterpret_cast<const BYTE*>(pszKeys); *p != 0; ++p)
            *p >= 0xA1 ? void(Send(nID, WM_CHAR, *p)) : test::TypeKeyInDialog(Dialog(), *p);
    }

    // The host reads the code when it hears that a list closed, and when asked to, also as the
    // list closes up (within the Enter that closes it, on every platform), having moved the
    // selection first and confirmed it as a list does. It closes the dialog, deleting the
    // controller, on the message it is asked to.
    static LRESULT CALLBACK HostDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        PullComboTest* pTest = static_cast<PullComboTest*>(GetPropA(hwnd, "test"));
        const bool bCloseUp = message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP &&
                              pTest->m_nSelectOnCloseUp != -1;
        if (bCloseUp) {
            pTest->Pull(LOWORD(wParam))
                .SendMessage(CB_SETCURSEL, static_cast<WPARAM>(pTest->m_nSelectOnCloseUp));
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), CBN_SELENDOK), lParam);
        }
        if (message == kPullCloseMsg || bCloseUp)
            pTest->m_codesHeard.push_back(pTest->Pull(LOWORD(wParam)).GetCurCode());
        if (message == pTest->m_closeOnMessage && wParam == pTest->m_closeOnWParam &&
            pTest->m_pSb) {
            pTest->m_pSb.reset();
            DestroyWindow(hwnd);
            return 0;
        }
        return CallWindowProcA(pTest->m_pfnNext, hwnd, message, wParam, lParam);
    }

    test::MasterFolder m_folder;
    test::HostDialog m_host{test::ProgramModule(), 100};
    std::unique_ptr<CDlgSb> m_pSb = std::make_unique<CDlgSb>();
    WNDPROC m_pfnNext = nullptr;
    std::vector<ULONG> m_codesHeard;
    int m_nSelectOnCloseUp = -1;
    UINT m_closeOnMessage = 0;
    WPARAM m_closeOnWParam = 0;
};

// The first character decides between a search by code (four digits) and by key (five
// characters); a text that chooses no record, Backspace and Left in the open list take back
// the last character.
TEST_F(PullComboTest, TypingNarrowsTheListAndDropsItDown) {
    const struct {
        int nID;
        const char* pszKeys;
        const char* pszTyped;
        int nRows, nSel;
    } kCases[] = {{7000, "12345", "1234", 3, 1}, {7001, "5", "5", 5, 1},
                  {7001, "S1", "s", 4, 1},       {7001, "SANKAX", "sanka", 3, 1},
                  {7001, "9", "", 9, 0},         {7001, "0", "", 9, 0},
                  {7001, "51\b", "5", 5, 0},     {7001, "51\b\x25", "", 9, 0},
                  {7001, "\xB1", "\xB1", 3, 1},  {7001, "\xDD", "", 9, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pszKeys);
        MakeLists(0x10); // with the "add new" row
        Type(c.nID, c.pszKeys);
        EXPECT_STREQ(c.pszTyped, Pull(c.nID).m_pull.m_szTyped);
        EXPECT_EQ(c.nRows, Send(c.nID, CB_GETCOUNT));
        EXPECT_EQ(c.nSel, Send(c.nID, CB_GETCURSEL));
        EXPECT_NE(0, Send(c.nID, CB_GETDROPPEDSTATE));
        Send(c.nID, CB_SHOWDROPDOWN, FALSE);
    }
}

// The combo box itself sees none of them: its selection stays.
TEST_F(PullComboTest, ClosedListHandsLeftRightAndSpaceToTheControllerAsUpDownAndEnter) {
    const struct {
        UINT vk;
        int nFocusID;
        BOOL bDropped;
    } kCases[] = {{VK_RIGHT, 102, FALSE}, {VK_LEFT, 7000, FALSE}, {VK_SPACE, 7001, TRUE}};
    for (const auto& c : kCases) {
        Send(7001, CB_SETCURSEL, 2);
        const char szKey[] = {static_cast<char>(c.vk), '\0'};
        Type(7001, szKey);
        EXPECT_EQ(c.nFocusID, GetDlgCtrlID(GetFocus())) << c.vk;
        EXPECT_EQ(c.bDropped, Send(7001, CB_GETDROPPEDSTATE)) << c.vk;
        EXPECT_EQ(2, Send(7001, CB_GETCURSEL)) << c.vk;
    }
}

// Enter in the open list: the controller closes it and moves on, the host hears of the closed
// list while the code is the chosen row's, and the full list comes back with that row.
TEST_F(PullComboTest, EnterPicksTheTypedRowMovesOnAndTellsTheHost) {
    Type(7000, "2\r1\x28\r");
    EXPECT_EQ(102, GetDlgCtrlID(GetFocus()));
    EXPECT_TRUE(test::MessagesAre(
        {{"dlg", kPullCloseMsg, test::sent | test::wparam | test::lparam, 7000, 0},
         {"dlg", kPullCloseMsg, test::sent | test::wparam | test::lparam, 7001, 0}}));
    EXPECT_EQ((std::vector<ULONG>{20, 1000003}), m_codesHeard);
    EXPECT_STREQ("", Pull(7001).m_pull.m_szTyped);
    EXPECT_EQ(8, Send(7001, CB_GETCOUNT));
    EXPECT_EQ(1000003u, Pull(7001).GetCurCode());
    CODEDATA data;
    ASSERT_EQ(1, Pull(7001).GetCodeData(1000003, &data));
    EXPECT_EQ(test::ShiftJis("現金") + "/1/3/" + test::ShiftJis("小口"),
              std::string(data.szShortName) + "/" + std::to_string(data.byClass) + "/" +
                  std::to_string(data.wSubCode) + "/" + data.szSubShortName);
}

// The row Enter picks holds while the controller processes Enter, whatever the selection does
// meanwhile (the host moves it as the list closes up), and only then: afterwards the selection
// counts again. Rows beyond 32,767 are kept whole, preselected or picked.
// Accounts 1 to 4 have 9,999 sub-accounts each: 40,001 rows with the "none" row.
TEST_F(PullComboTest, EnterHoldsItsRowWhileItIsProcessedAndThenLetsItGo) {
    std::string accounts, subAccounts;
    for (int nAccount = 1; nAccount <= 4; ++nAccount) {
        accounts += "x," + std::to_string(nAccount) + ",A,A,A,0,1,0,0,0,1,0,1\n";
        for (int nSub = 1; nSub <= 9999; ++nSub)
            subAccounts += std::to_string(nAccount) + ",x," + std::to_string(nSub) + ",S,S,S\n";
    }
    m_folder.WriteBytes("m_kamoku.csv", accounts);
    m_folder.WriteBytes("m_hojo.csv", subAccounts);
    MakeLists(0, 49999);
    EXPECT_EQ(40000, Send(7001, CB_GETCURSEL));
    EXPECT_EQ(-1, Pull(7001).m_pull.m_nInitSel) << "the short field shows no other row";
    EXPECT_EQ(49999u, Pull(7001).GetCurCode());
    Type(7001, "\r");
    Send(7001, CB_SETCURSEL, 39000);
    m_nSelectOnCloseUp = 1;
    Type(7001, "\r");
    EXPECT_EQ((std::vector<ULONG>{48999, 48999}), m_codesHeard);
    EXPECT_EQ(39000, Send(7001, CB_GETCURSEL));
    EXPECT_EQ(48999u, Pull(7001).GetCurCode());
    Pull(7001).SetCurCode(10003);
    EXPECT_EQ(10003u, Pull(7001).GetCurCode());
}

// Whatever the combo box or the controller tells the host on its way, the host may close the
// dialog there: the key ends without touching the deleted objects.
struct CloseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    const char* pszKeys; // typed into 7001
};

class PullComboClosingTest : public PullComboTest,
                             public ::testing::WithParamInterface<CloseCase> {};

TEST_P(PullComboClosingTest, HostClosingTheDialogEndsTheKeyQuietly) {
    m_closeOnMessage = GetParam().message;
    m_closeOnWParam = GetParam().wParam;
    Type(7001, GetParam().pszKeys);
    EXPECT_FALSE(m_pSb);
    EXPECT_FALSE(IsWindow(Dialog()));
}

constexpr WPARAM Notification(WORD wCode) {
    return MAKEWPARAM(7001, wCode);
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, PullComboClosingTest,
    ::testing::Values(
        CloseCase{"ListOpened", WM_COMMAND, Notification(CBN_DROPDOWN), "1"},
        CloseCase{"ListClosingOnEnter", WM_COMMAND, Notification(CBN_SELENDCANCEL), "1\r"},
        CloseCase{"ListClosedOnEnter", WM_COMMAND, Notification(CBN_CLOSEUP), "1\r"},
        CloseCase{"PullDownReport", kPullCloseMsg, 7001, "1\r"},
        CloseCase{"FocusLost", WM_COMMAND, Notification(CBN_KILLFOCUS), "1\r"},
        CloseCase{"ListClosedOnEscape", WM_COMMAND, Notification(CBN_CLOSEUP), "1\x1b"}),
    test::ParamName<CloseCase>);

TEST_F(PullComboTest, CodesAreReadAndSetThroughTheControl) {
    MakeLists(0x01, 1230005); // no "none" row
    EXPECT_EQ(1230005u, Pull(7001).GetCurCode());
    Type(7001, "5");
    EXPECT_EQ(3, Pull(7001).m_pull.m_nInitSel) << "kept while no row has the code";
    MakeLists(0x01);
    Pull(7001).SetCurCode(5000000);
    EXPECT_EQ(4, Send(7001, CB_GETCURSEL));
    Pull(7001).SetCurCode(0);
    EXPECT_EQ(-1, Send(7001, CB_GETCURSEL)) << "no row stands for no code";
    CODEDATA data;
    EXPECT_EQ(-1, Pull(7000).GetCodeData(1000000, &data));
    EXPECT_EQ(1, Pull(7001).PullFreeMem());
    EXPECT_EQ(-1, Pull(7001).GetCodeData(1000000, &data));
    // The host's own rows are never filtered: typing only selects the first record row.
    EXPECT_EQ(1, Pull(7001).PullMakeList(3, 0, 7, 0));
    EXPECT_EQ(7u, Pull(7001).m_pull.m_nSelect2);
    EXPECT_EQ(-1, Pull(7001).PullFreeMem());
    Type(7001, "7");
    EXPECT_EQ(7, Send(7001, CB_GETCOUNT));
    EXPECT_EQ(1, Send(7001, CB_GETCURSEL));
}

// Every repaint draws the list's field through the class framework's temporary object of its
// device context, which goes once the host's loop is idle: memory after 100,000 repaints is
// what it was after 1,000. The system keeps no records meanwhile.
TEST_F(PullComboTest, RepaintsKeepNoMemory) {
    REQUIRE_HEADLESS();
    if (test::HeapInUse() == 0)
        GTEST_SKIP() << "the heap in use cannot be told here";
    test::Headless()->KeepRecords(FALSE);
    const auto repaint = [&](int nTimes) {
        for (int i = 0; i < nTimes; ++i) {
            InvalidateRect(m_host.Item(7001), nullptr, TRUE);
            test::PumpDialog(Dialog());
        }
        return test::HeapInUse();
    };
    const size_t cbAfterThousand = repaint(1000);
    EXPECT_EQ(cbAfterThousand, repaint(99000));
    test::Headless()->KeepRecords(TRUE);
}

// The list the controller opens is sized when it asks for its colours: 50 average characters
// of its own font. A template combo box's object came after its creation's WM_MEASUREITEM. A
// list is made with its combo box's redraw off, and the redraw comes on again: a row put into
// the open list is repainted.
TEST_F(PullComboTest, OpenListIsSizedForItsKindWhenItIsColouredAndRepaintsItsChanges) {
    Type(7001, "\r");
    const test::DroppedList list = test::PaintedList(m_host.Item(7001));
    EXPECT_EQ(50 * list.tm.tmAveCharWidth, list.rc.right - list.rc.left);
    EXPECT_EQ(reinterpret_cast<LRESULT>(Pull(7001).m_pull.m_hBrush), list.lBrush);
    EXPECT_EQ(-1, Pull(7001).m_pull.m_nItemHeight);
    SendMessageA(m_host.Item(7001), CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("row"));
    RECT rc;
    EXPECT_TRUE(GetUpdateRect(list.hwnd, &rc, FALSE));
}

} // namespace
