// Every allocation Init and navigation make fails in turn: each failure gives the documented
// result and frees what was made (the sanitizer build checks for leaks), and the dialog works
// as before afterwards.
#include "CDlgSb.h"
#include "Headless.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using test::HostDialog;

// Runs prepare, then operation with allocation n + 1 failing, for n = 0, 1, ... until the
// operation makes no more than n; checked(bFailed) runs after each. Returns the number of
// failures injected.
template <typename TPrepare, typename TOperation, typename TCheck>
LONG FailEachAllocation(TPrepare prepare, TOperation operation, TCheck checked) {
    for (LONG n = 0;; ++n) {
        prepare();
        test::Headless()->FailAllocationAfter(n);
        operation();
        const bool bFailed = test::Headless()->FailAllocationAfter(-1) < 0;
        checked(bFailed);
        if (!bFailed || ::testing::Test::HasFailure())
            return n;
    }
}

// The records the system keeps for tests allocate too; these tests count the allocations made for
// the host alone.
class WithoutRecords {
public:
    WithoutRecords() { test::Headless()->KeepRecords(FALSE); }
    ~WithoutRecords() { test::Headless()->KeepRecords(TRUE); }
    WithoutRecords(const WithoutRecords&) = delete;
    WithoutRecords& operator=(const WithoutRecords&) = delete;
};

struct InitCase {
    const char* name;
    bool bLibrary; // one of the library's templates, or a test template of the program
    UINT nTemplate;
    int nRadioToCheck; // 0 when the template has no automatic radio group to set
    // A pull-down combo box's store makes its brush as it is made, and works without it
    // (coloured by its owner): the failures Init survives.
    LONG nPullCombos;
};

class InitFaultTest : public ::testing::TestWithParam<InitCase> {};

// Init allocates five arrays, for each item with a subclassing object the object, its handle map
// entry and its subclass record, for each pull-down combo box a brush, and the dialog's
// reflection record; a dialog is made afresh for each failure.
TEST_P(InitFaultTest, EachFailedAllocationFailsInitAndLeavesTheDialogUsable) {
    REQUIRE_HEADLESS();
    const WithoutRecords withoutRecords;
    const InitCase& row = GetParam();
    const HINSTANCE hInst = row.bLibrary ? test::LibraryModule() : test::ProgramModule();
    std::unique_ptr<HostDialog> pHost;
    CWnd* pDlg = nullptr;
    const auto init = [&](CDlgSb& sb) {
        return sb.InitDll(pDlg, hInst, row.nTemplate, 0, 0, 0, 0, 0);
    };
    UINT nSubs = 0;
    int nResult = 0;
    LONG nSurvived = 0;
    const LONG nFailures = FailEachAllocation(
        [&] {
            pHost.reset();
            pHost = std::make_unique<HostDialog>(hInst, row.nTemplate);
            if (row.nRadioToCheck != 0)
                CheckDlgButton(pHost->Dialog(), row.nRadioToCheck, BST_CHECKED);
            pDlg = CWnd::FromHandle(pHost->Dialog());
        },
        [&] {
            CDlgSb sb;
            nResult = init(sb);
            nSubs = 0;
            if (nResult == 1) {
                for (UINT i = 0; i < sb.m_nCount; ++i)
                    nSubs += sb.m_ppSub[i] != nullptr ? 1 : 0;
            }
        },
        [&](bool bFailed) {
            if (bFailed && nResult == 1)
                ++nSurvived;
            else
                EXPECT_EQ(bFailed ? 0 : 1, nResult);
            CDlgSb again;
            EXPECT_EQ(1, init(again)) << "after a failure";
        });
    EXPECT_EQ(row.nPullCombos, nSurvived);
    EXPECT_EQ(static_cast<LONG>(5 + 3 * nSubs + 1) + row.nPullCombos, nFailures);
}

INSTANTIATE_TEST_SUITE_P(Templates, InitFaultTest,
                         ::testing::Values(InitCase{"Search80", true, 80, 1079, 0},
                                           InitCase{"Search81", true, 81, 1088, 0},
                                           InitCase{"Search82", true, 82, 0, 0},
                                           InitCase{"Search83", true, 83, 0, 0},
                                           InitCase{"Search84", true, 84, 0, 0},
                                           InitCase{"Search85", true, 85, 1012, 0},
                                           InitCase{"EveryKind", false, 230, 0, 2}),
                         test::ParamName<InitCase>);

// A key script over edits and combo boxes: each key with each allocation of its handling failing
// in turn leaves the controller's focus where the system's is. The painting that follows is
// the system's, outside the key.
TEST(KeyFaultTest, EachFailedAllocationOfAKeyLeavesTheFocusConsistent) {
    REQUIRE_HEADLESS();
    const WithoutRecords withoutRecords;
    HostDialog host(test::ProgramModule(), 230);
    CDlgSb sb;
    ASSERT_EQ(1, sb.Init(CWnd::FromHandle(host.Dialog()), 230, 0, 0, 0, 0, 0));
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

} // namespace
