// A template dialog's department and account pull-down combo boxes, filled from master files
// and driven by keys through the host's dialog loop.
#include "DroppedList.h"
#include "HostDialog.h"
#include "MasterData.h"
#include "MasterFolder.h"
#include "ShiftJis.h"

#include <CDlgSb.h>
#include <CPullComboSub.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr UINT kPullCloseMsg = WM_APP + 2;

using test::MessagesAre;
using test::sent;

class PullComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::string> depts = test::kDepts;
        depts.push_back("x,12345,経理部,経理,KEIRI,2,1");
        m_folder.Write("m_bumon.csv", depts);
        m_folder.Write("m_kamoku.csv", test::kAccounts);
        m_folder.Write("m_hojo.csv", test::kSubAccounts);
        m_pNext = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(Dialog(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostDialogProc)));
        SetPropA(Dialog(), "test", this);
        ASSERT_EQ(1, m_pSb->Init(CWnd::FromHandle(Dialog()), 100, 0, kPullCloseMsg, 0, 0, 0));
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
    // Each character's key (digits and letters), or a virtual key, through the host's loop.
    void Type(const char* pszKeys) {
        for (const char* p = pszKeys; *p != '\0'; ++p)
            test::TypeKeyInDialog(Dialog(), static_cast<UINT>(*p));
    }
    void Focus(int nID) {
        SetFocus(m_host.Item(nID));
        test::PumpDialog(Dialog());
        test::ClearMessages();
    }

    // The host reads the code when it hears that a list closed; it closes the dialog there
    // when asked to.
    static LRESULT CALLBACK HostDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        PullComboTest* pTest = static_cast<PullComboTest*>(GetPropA(hwnd, "test"));
        if (message == kPullCloseMsg) {
            pTest->m_codesHeard.push_back(pTest->Pull(static_cast<int>(wParam)).GetCurCode());
            if (pTest->m_bCloseOnReport) {
                pTest->m_pSb.reset();
                DestroyWindow(hwnd);
                return 0;
            }
        }
        return CallWindowProcA(pTest->m_pNext, hwnd, message, wParam, lParam);
    }

    test::MasterFolder m_folder;
    test::HostDialog m_host{test::ProgramModule(), 100};
    std::unique_ptr<CDlgSb> m_pSb = std::make_unique<CDlgSb>();
    WNDPROC m_pNext = nullptr;
    std::vector<ULONG> m_codesHeard;
    bool m_bCloseOnReport = false;
};

// The first character decides between a search by code (four digits) and by key (five
// characters); a text that chooses no record loses its last character again.
TEST_F(PullComboTest, TypingNarrowsTheListAndDropsItDown) {
    const struct {
        int nID;
        const char* pszKeys;
        const char* pszTyped;
        int nRows, nSel;
    } kCases[] = {{7000, "12345", "1234", 2, 1},   {7001, "5", "5", 4, 1}, {7001, "S1", "s", 3, 1},
                  {7001, "SANKAX", "sanka", 2, 1}, {7001, "9", "", 8, 0},  {7001, "0", "", 8, 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.pszKeys);
        MakeLists(0);
        Focus(c.nID);
        Type(c.pszKeys);
        EXPECT_STREQ(c.pszTyped, Pull(c.nID).m_pull.m_szTyped);
        EXPECT_EQ(c.nRows, Send(c.nID, CB_GETCOUNT));
        EXPECT_EQ(c.nSel, Send(c.nID, CB_GETCURSEL));
        EXPECT_NE(0, Send(c.nID, CB_GETDROPPEDSTATE));
        Send(c.nID, CB_SHOWDROPDOWN, FALSE);
    }
}

TEST_F(PullComboTest, LeftAndBackspaceInTheOpenListTakeBackATypedCharacter) {
    Focus(7001);
    Type("51");
    EXPECT_EQ(2, Send(7001, CB_GETCOUNT));
    const struct {
        UINT vk;
        const char* pszTyped;
        int nRows;
    } kSteps[] = {{VK_BACK, "5", 4}, {VK_LEFT, "", 8}};
    for (const auto& step : kSteps) {
        test::TypeKeyInDialog(Dialog(), step.vk);
        EXPECT_STREQ(step.pszTyped, Pull(7001).m_pull.m_szTyped);
        EXPECT_EQ(step.nRows, Send(7001, CB_GETCOUNT));
        EXPECT_EQ(0, Send(7001, CB_GETCURSEL));
        EXPECT_NE(0, Send(7001, CB_GETDROPPEDSTATE));
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
        Focus(7001);
        test::TypeKeyInDialog(Dialog(), c.vk);
        EXPECT_EQ(c.nFocusID, GetDlgCtrlID(GetFocus())) << c.vk;
        EXPECT_EQ(c.bDropped, Send(7001, CB_GETDROPPEDSTATE)) << c.vk;
        EXPECT_EQ(2, Send(7001, CB_GETCURSEL)) << c.vk;
    }
}

// Enter in the open list: the controller closes it and moves on, the host hears of the closed
// list while the code is the chosen row's, and the full list comes back with that row.
TEST_F(PullComboTest, EnterPicksTheTypedRowMovesOnAndTellsTheHost) {
    Focus(7000);
    Type("2\r1");
    test::TypeKeyInDialog(Dialog(), VK_DOWN);
    test::TypeKeyInDialog(Dialog(), VK_RETURN);
    EXPECT_EQ(102, GetDlgCtrlID(GetFocus()));
    EXPECT_TRUE(MessagesAre({{"dlg", kPullCloseMsg, sent | test::wparam | test::lparam, 7000, 0},
                             {"dlg", kPullCloseMsg, sent | test::wparam | test::lparam, 7001, 0}}));
    EXPECT_EQ((std::vector<ULONG>{20, 1000003}), m_codesHeard);
    for (int nID : {7000, 7001})
        EXPECT_STREQ("", Pull(nID).m_pull.m_szTyped);
    EXPECT_EQ(8, Send(7001, CB_GETCOUNT));
    EXPECT_EQ(20u, Pull(7000).GetCurCode());
    EXPECT_EQ(1000003u, Pull(7001).GetCurCode());
    CODEDATA data;
    ASSERT_EQ(1, Pull(7001).GetCodeData(1000003, &data));
    EXPECT_EQ(100, data.wCode);
    EXPECT_EQ(test::ShiftJis("現金"), data.szShortName);
    EXPECT_EQ(1, data.byClass);
    EXPECT_EQ(3, data.wSubCode);
    EXPECT_EQ(test::ShiftJis("小口"), data.szSubShortName);
}

TEST_F(PullComboTest, HostClosingTheDialogOnTheReportEndsTheKeyQuietly) {
    m_bCloseOnReport = true;
    Focus(7001);
    Type("1\r");
    EXPECT_FALSE(IsWindow(Dialog()));
    EXPECT_EQ(1u, m_codesHeard.size());
}

TEST_F(PullComboTest, CodesAreReadAndSetThroughTheControl) {
    MakeLists(0, 1230005);
    EXPECT_EQ(4, Send(7001, CB_GETCURSEL));
    EXPECT_EQ(1230005u, Pull(7001).GetCurCode());
    MakeLists(0x01, 1230005); // no "none" row
    EXPECT_EQ(3, Send(7001, CB_GETCURSEL));
    Pull(7001).SetCurCode(5000000);
    EXPECT_EQ(4, Send(7001, CB_GETCURSEL));
    CODEDATA data;
    EXPECT_EQ(-1, Pull(7000).GetCodeData(1000000, &data));
    EXPECT_EQ(1, Pull(7001).PullFreeMem());
    EXPECT_EQ(-1, Pull(7001).GetCodeData(1000000, &data));
}

// The host's own rows are never filtered: typing selects the first record row and opens the
// list.
TEST_F(PullComboTest, ListTheHostFillsIsOnlyOpenedByTyping) {
    ASSERT_EQ(1, Pull(7001).PullMakeList(3, 0, 0, 0));
    Send(7001, CB_RESETCONTENT);
    for (const char* pszRow : {"none", "first       12", "second      34"})
        SendMessageA(m_host.Item(7001), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
    Focus(7001);
    Type("7");
    EXPECT_EQ(3, Send(7001, CB_GETCOUNT));
    EXPECT_EQ(1, Send(7001, CB_GETCURSEL));
    EXPECT_EQ(12u, Pull(7001).GetCurCode());
    EXPECT_NE(0, Send(7001, CB_GETDROPPEDSTATE));
    EXPECT_EQ(-1, Pull(7001).PullFreeMem());
}

// The list opened by the controller is sized by its store when it asks for its colours: 50
// average characters of its own font wide; a template combo box's object came
// after its creation's WM_MEASUREITEM, which the dialog answered.
TEST_F(PullComboTest, OpenListIsSizedForItsKindWhenItIsColoured) {
    Focus(7001);
    test::TypeKeyInDialog(Dialog(), VK_RETURN);
    const test::DroppedList list = test::PaintedList(m_host.Item(7001));
    EXPECT_EQ(50 * list.tm.tmAveCharWidth, list.rc.right - list.rc.left);
    EXPECT_EQ(1, Pull(7001).m_pull.m_bSized);
    EXPECT_EQ(-1, Pull(7001).m_pull.m_nItemHeight);
}

} // namespace
