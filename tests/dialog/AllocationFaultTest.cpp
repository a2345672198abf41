// Every allocation that Init, navigation, the entry fields' Init, the input method's first switch
// and the pull-down lists make fails in turn: each failure gives the documented result and frees
// what was made (the sanitizer build checks for leaks), and all works as before afterwards.
#include "CDlgSb.h"
#include "CEditNum.h"
#include "CEditStr.h"
#include "CEditSub.h"
#include "CFep.h"
#include "CPullComboSub.h"
#include "ControlledDialog.h"
#include "Headless.h"
#include "HostDialog.h"
#include "MasterData.h"
#include "MasterFolder.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using test::HostDialog;

// Runs prepare, then operation with allocation n + 1 failing, for n = 0, 1, ... until the
// operation makes no more than n; checked(bFailed) runs after each. Returns the number of
// failures injected, which the test's record keeps. The records the system keeps for tests
// allocate too, so they are off while the operation runs: the allocations counted are the host's.
template <typename TPrepare, typename TOperation, typename TCheck>
LONG FailEachAllocation(TPrepare prepare, TOperation operation, TCheck checked) {
    for (LONG n = 0;; ++n) {
        prepare();
        test::Headless()->KeepRecords(FALSE);
        test::Headless()->FailAllocationAfter(n);
        operation();
        const bool bFailed = test::Headless()->FailAllocationAfter(-1) < 0;
        test::Headless()->KeepRecords(TRUE);
        checked(bFailed);
        if (!bFailed || ::testing::Test::HasFailure()) {
            ::testing::Test::RecordProperty("InjectedFailures", static_cast<int>(n));
            return n;
        }
    }
}

struct InitCase {
    const char* name;
    UINT nTemplate;    // below 100 the library's own
    int nRadioToCheck; // 0 when the template has no automatic radio group to set
    // A pull-down combo box's store makes its brush as it is made, and works without it
    // (coloured by its owner): the failures Init survives.
    LONG nPullCombos;
};

class InitFaultTest : public ::testing::TestWithParam<InitCase> {};

// Init allocates five arrays, for each item with a subclassing object the object, its handle map
// entry and its subclass record, for each pull-down combo box a brush, and the dialog's
// reflection record; a dialog is made afresh for each failure, and again for the controller
// made after it (the failed one took the controls it had objects for with it).
TEST_P(InitFaultTest, EachFailedAllocationFailsInitAndLeavesTheDialogUsable) {
    const InitCase& row = GetParam();
    const HINSTANCE hInst = row.nTemplate < 100 ? test::LibraryModule() : test::ProgramModule();
    std::unique_ptr<HostDialog> pHost;
    CWnd* pDlg = nullptr;
    const auto init = [&](CDlgSb& sb) {
        return sb.InitDll(pDlg, hInst, row.nTemplate, 0, 0, 0, 0, 0);
    };
    std::unique_ptr<CDlgSb> pSb;
    UINT nSubs = 0;
    int nResult = 0;
    LONG nSurvived = 0;
    const auto makeDialog = [&] {
        pHost.reset();
        pHost = std::make_unique<HostDialog>(hInst, row.nTemplate);
        if (row.nRadioToCheck != 0)
            CheckDlgButton(pHost->Dialog(), row.nRadioToCheck, BST_CHECKED);
        pDlg = pHost->DialogWnd();
    };
    const LONG nFailures = FailEachAllocation(
        makeDialog,
        [&] {
            pSb = std::make_unique<CDlgSb>();
            nResult = init(*pSb);
            nSubs = 0;
            if (nResult == 1) {
                for (UINT i = 0; i < pSb->m_nCount; ++i)
                    nSubs += pSb->m_ppSub[i] != nullptr ? 1 : 0;
            }
        },
        [&](bool bFailed) {
            pSb.reset();
            if (bFailed && nResult == 1)
                ++nSurvived;
            else
                EXPECT_EQ(bFailed ? 0 : 1, nResult);
            makeDialog();
            CDlgSb again;
            EXPECT_EQ(1, init(again)) << "after a failure";
        });
    EXPECT_EQ(row.nPullCombos, nSurvived);
    EXPECT_EQ(static_cast<LONG>(5 + 3 * nSubs + 1) + row.nPullCombos, nFailures);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, InitFaultTest,
    ::testing::Values(InitCase{"Search80", 80, 1079, 0}, InitCase{"Search81", 81, 1088, 0},
                      InitCase{"Search82", 82, 0, 0}, InitCase{"Search83", 83, 0, 0},
                      InitCase{"Search84", 84, 0, 0}, InitCase{"Search85", 85, 1012, 0},
                      InitCase{"EveryKind", 230, 0, 2}),
    test::ParamName<InitCase>);

// A key script over edits and combo boxes: each key with each allocation of its handling failing
// in turn leaves the controller's focus where the system's is. The painting that follows is
// the system's, outside the key.
TEST(KeyFaultTest, EachFailedAllocationOfAKeyLeavesTheFocusConsistent) {
    HostDialog host(test::ProgramModule(), 230);
    CDlgSb sb;
    ASSERT_EQ(1, sb.Init(host.DialogWnd(), 230, 0, 0, 0, 0, 0));
    test::Pump();
    const auto key = [](UINT vk) {
        SendMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
        SendMessageA(GetFocus(), WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
    };
    LONG nFailures = 0;
    for (UINT vk : {VK_DOWN, VK_DOWN, VK_RETURN, VK_UP, VK_RIGHT, VK_LEFT, VK_DOWN}) {
        nFailures += FailEachAllocation([] {}, [&] { key(vk); },
                                        [&](bool) {
                                            test::Pump();
                                            EXPECT_EQ(GetFocus(), sb.m_phWnd[sb.m_nFocus])
                                                << "key " << vk;
                                        });
    }
    // Navigation allocates nothing.
    EXPECT_EQ(0, nFailures);
}

// A thread's first window brings the thread's input context: without memory for either there is
// no window, and a window made has one for the input method to open in. Each try is a new thread.
TEST(FepFaultTest, AThreadsFirstWindowComesWithTheContextItsInputMethodOpensIn) {
    const auto firstWindowOfAThread = [] {
        std::thread([] {
            const HWND hWnd = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 50, 10, nullptr,
                                              nullptr, nullptr, nullptr);
            CFep fep;
            const int nOn = fep.FepOn(CWnd::FromHandle(hWnd), 0, 0, 0);
            EXPECT_EQ(nOn == 1, test::IsImeOpen(hWnd));
            fep.FepOff();
            DestroyWindow(hWnd);
        }).join();
    };
    FailEachAllocation([] {}, firstWindowOfAThread, [](bool) {});
}

TEST(FepFaultTest, NoMemoryForTheSwitchStoresNothing) {
    test::ControlledDialog d(200);
    test::Headless()->FailAllocationAfter(0);
    EXPECT_EQ(0, d.sb.SetFep(202, 0, 0, 0, 1, 0));
    test::Headless()->FailAllocationAfter(-1);
    EXPECT_EQ(nullptr, static_cast<CEditSub*>(d.sb.m_ppSub[1])->m_pFep);
}

struct FieldCase {
    const char* name;
    short nFepMode; // of a string field; -1 for a number field
};

class FieldFaultTest : public ::testing::TestWithParam<FieldCase> {};

// An entry field's Init makes its window and, for a string field with an input method mode, its
// CFep, whose failure alone leaves the window (and the arguments recorded) for the host to
// destroy; a field made afterwards takes a typed value.
TEST_P(FieldFaultTest, EachFailedAllocationFailsInitAndAFieldMadeAfterwardsWorks) {
    const short nFepMode = GetParam().nFepMode;
    HostDialog host(test::ProgramModule(), 230);
    CWnd* const pOwner = host.OwnerWnd();
    CWnd* const pDlg = host.DialogWnd();
    std::unique_ptr<CEditNum> pNum;
    std::unique_ptr<CEditStr> pStr;
    const auto field = [&]() -> CWnd& { return nFepMode < 0 ? static_cast<CWnd&>(*pNum) : *pStr; };
    // The host makes the objects; Init makes what may fail.
    const auto make = [&] {
        pNum = std::make_unique<CEditNum>();
        pStr = std::make_unique<CEditStr>();
    };
    int nResult = 0;
    const auto init = [&] {
        nResult =
            nFepMode < 0
                ? pNum->Init(pOwner, pDlg, 900, nullptr, 0, 0, nullptr, 0, 0, 0, 0, 0, 0)
                : pStr->Init(pOwner, pDlg, 900, nullptr, 0, 0, nullptr, 0, 0, 0, nFepMode, 0, 0, 0);
    };
    FailEachAllocation(make, init, [&](bool bFailed) {
        const HWND hWnd = field().m_hWnd;
        EXPECT_EQ(bFailed ? 0 : 1, nResult);
        EXPECT_EQ(GetDlgItem(host.Dialog(), 900), hWnd);
        EXPECT_EQ(hWnd != nullptr ? pOwner : nullptr,
                  nFepMode < 0 ? pNum->m_pOwner : pStr->m_pOwner);
        EXPECT_TRUE(!bFailed || hWnd == nullptr || (nFepMode > 0 && pStr->m_pFep == nullptr));
        DestroyWindow(hWnd);
        make();
        init();
        ASSERT_EQ(1, nResult) << "after a failure";
        LONG lValue = 7;
        char szText[128] = "7";
        nFepMode < 0 ? pNum->SetText(&lValue, 0, 100) : pStr->SetText(szText);
        field().SendMessage(EM_SETSEL, 0, -1);
        for (const char ch : {'4', '2'})
            field().SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 1);
        EXPECT_EQ(1, nFepMode < 0 ? pNum->GetData() : pStr->GetData()) << "42 committed";
        DestroyWindow(field().m_hWnd);
    });
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldFaultTest,
                         ::testing::Values(FieldCase{"Number", -1},
                                           FieldCase{"StringInKana", FEPMODE_KANA}),
                         test::ParamName<FieldCase>);

struct ListCase {
    const char* name;
    short nKind; // 3: the host fills the list
};

class ListFaultTest : public ::testing::TestWithParam<ListCase> {};

// A list made from the master files holds all its rows or, where memory failed, its fixed rows
// only, as without master files; the next list made holds all. A list the host fills keeps the
// host's rows.
TEST_P(ListFaultTest, EachFailedAllocationLeavesTheWholeListOrItsFixedRows) {
    const ListCase& row = GetParam();
    constexpr WORD kStyle = 0x30; // the company-wide and add-new rows
    const test::MasterFolder masters, none;
    masters.Write("m_bumon.csv", test::kDepts);
    masters.Write("m_kamoku.csv", test::kAccounts);
    masters.Write("m_hojo.csv", test::kSubAccounts);
    const test::ControlledDialog d(230);
    CPullComboSub& pull = *static_cast<CPullComboSub*>(CWnd::FromHandlePermanent(d.Item(7000)));
    // The host's rows, which PullMakeList keeps and a list made from the master files replaces.
    for (const char* pszRow : {"host 1", "host 2"})
        d.Send(7000, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
    int nResult = 0;
    const auto rowsMadeFrom = [&](const test::MasterFolder& from) {
        nResult = row.nKind == 3 ? pull.PullMakeList(row.nKind, 0, 0, kStyle)
                                 : pull.PullMakeList2(row.nKind, 0, 0, kStyle,
                                                      const_cast<char*>(from.Path().c_str()));
        std::vector<std::string> texts;
        char szRow[256];
        for (LRESULT i = 0; i < d.Send(7000, CB_GETCOUNT); ++i)
            texts.emplace_back(szRow,
                               d.Send(7000, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szRow)));
        return texts;
    };
    const std::vector<std::string> fixedRows = rowsMadeFrom(none), allRows = rowsMadeFrom(masters);
    EXPECT_EQ(row.nKind == 3, allRows == fixedRows);
    std::vector<std::string> made;
    FailEachAllocation([] {}, [&] { made = rowsMadeFrom(masters); },
                       [&](bool bFailed) {
                           EXPECT_EQ(1, nResult);
                           EXPECT_TRUE(made == allRows || (bFailed && made == fixedRows));
                           EXPECT_EQ(allRows, rowsMadeFrom(masters)) << "after a failure";
                       });
}

// Drawing a row makes the framework's object of the item's device context, a brush and the row's
// text: each failing in turn leaves the row undrawn or drawn in part, and the next one is drawn
// whole.
TEST(ListFaultTest, EachFailedAllocationOfADrawnRowLeavesTheNextOneWhole) {
    const test::ControlledDialog d(230);
    const HWND hCombo = d.Item(7000);
    d.Send(7000, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    HDC hdc = nullptr;
    const auto draw = [&] {
        DRAWITEMSTRUCT item = {ODT_COMBOBOX,    7000, 0, ODA_DRAWENTIRE, 0, hCombo, hdc,
                               {0, 0, 100, 16}, 0};
        SendMessageA(d.host.Dialog(), WM_DRAWITEM, 7000, reinterpret_cast<LPARAM>(&item));
    };
    EXPECT_GE(FailEachAllocation([&] { hdc = GetDC(hCombo); }, draw,
                                 [&](bool) { ReleaseDC(hCombo, hdc); }),
              1);
    test::Headless()->ClearTextOut();
    hdc = GetDC(hCombo);
    draw();
    ReleaseDC(hCombo, hdc);
    EXPECT_EQ(1u, test::Headless()->GetTextOutCount());
}

INSTANTIATE_TEST_SUITE_P(Lists, ListFaultTest,
                         ::testing::Values(ListCase{"HostFilled", 3}, ListCase{"Departments", 1},
                                           ListCase{"Accounts", 2}),
                         test::ParamName<ListCase>);

} // namespace
