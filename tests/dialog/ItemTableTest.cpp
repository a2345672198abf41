// The item table the controller builds from a dialog template: kinds, control IDs, groups,
// windows and subclassing objects.
#include "CDlgSb.h"
#include "HostDialog.h"
#include "ParamName.h"
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::HostDialog;

struct ExpectedItem {
    UINT id;
    BYTE kind;
    short group;
};

struct TableCase {
    const char* name;
    bool bLibrary;
    UINT nTemplate;
    UINT nRadioToCheck; // a group at the top needs a checked button for Init to succeed
    std::vector<ExpectedItem> items;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

bool HasSubclassingObject(BYTE kind) {
    return kind != KIND_EDIT5000 && kind != KIND_EDIT6000;
}

const TableCase kTables[] = {
    {"Template80",
     true,
     80,
     1081,
     {{1079, KIND_RADIO, 0},
      {1081, KIND_RADIO, 0},
      {1083, KIND_RADIO, 0},
      {1080, KIND_EDIT, -1},
      {1082, KIND_EDIT, -1},
      {1084, KIND_EDIT, -1},
      {5085, KIND_EDIT5000, -1},
      {5086, KIND_EDIT5000, -1},
      {1087, KIND_PUSH, -1},
      {2, KIND_PUSH, -1},
      {9, KIND_PUSH, -1}}},
    {"Template81",
     true,
     81,
     1090,
     {{1088, KIND_RADIO, 0},
      {1090, KIND_RADIO, 0},
      {1092, KIND_RADIO, 0},
      {1089, KIND_EDIT, -1},
      {1091, KIND_EDIT, -1},
      {5093, KIND_EDIT5000, -1},
      {5094, KIND_EDIT5000, -1},
      {1095, KIND_PUSH, -1},
      {2, KIND_PUSH, -1},
      {9, KIND_PUSH, -1}}},
    {"Template82",
     true,
     82,
     0,
     {{1096, KIND_EDIT, -1},
      {5097, KIND_EDIT5000, -1},
      {5098, KIND_EDIT5000, -1},
      {1100, KIND_PUSH, -1},
      {2, KIND_PUSH, -1},
      {9, KIND_PUSH, -1}}},
    {"Template83",
     true,
     83,
     0,
     {{1001, KIND_EDIT, -1}, {285, KIND_PUSH, -1}, {2, KIND_PUSH, -1}, {9, KIND_PUSH, -1}}},
    {"Template84",
     true,
     84,
     0,
     {{1006, KIND_EDIT, -1},
      {5085, KIND_EDIT5000, -1},
      {1030, KIND_PUSH, -1},
      {2, KIND_PUSH, -1},
      {9, KIND_PUSH, -1}}},
    {"Template85",
     true,
     85,
     1013,
     {{1012, KIND_RADIO, 0},
      {1013, KIND_RADIO, 0},
      {1014, KIND_RADIO, 0},
      {1011, KIND_EDIT, -1},
      {1015, KIND_EDIT, -1},
      {1018, KIND_EDIT, -1},
      {5085, KIND_EDIT5000, -1},
      {5086, KIND_EDIT5000, -1},
      {1025, KIND_PUSH, -1},
      {2, KIND_PUSH, -1},
      {9, KIND_PUSH, -1}}},
    // A label, an edit and a group box each start a group; the number is the index of the
    // next item placed, even when that item is an edit.
    {"GroupsFromLabelEditAndGroupBox",
     false,
     210,
     211,
     {{211, KIND_RADIO, 0},
      {212, KIND_RADIO, 0},
      {213, KIND_EDIT, -1},
      {214, KIND_CHECK, 2},
      {215, KIND_EDIT, -1},
      {216, KIND_RADIO, 4}}},
    {"RadiosBeforeAnyGroupHaveNone",
     false,
     220,
     0,
     {{221, KIND_RADIO, -1}, {222, KIND_RADIO, -1}, {223, KIND_PUSH, -1}, {224, KIND_RADIO, 3}}},
    // ID ranges come before ES_WANTRETURN; classes given by name, group boxes, push boxes and
    // owner-drawn buttons make no item.
    {"KindsAndIdBoundaries",
     false,
     230,
     0,
     {{5500, KIND_EDIT5000, -1},
      {4999, KIND_EDITMULTI, -1},
      {6000, KIND_EDIT6000, -1},
      {6999, KIND_EDIT6000, -1},
      {5999, KIND_EDIT5000, -1},
      {7500, KIND_EDIT, -1},
      {7000, KIND_PULLCOMBO, -1},
      {7999, KIND_PULLCOMBO, -1},
      {8000, KIND_COMBO, -1},
      {231, KIND_LIST, -1},
      {232, KIND_PUSH, -1},
      {233, KIND_CHECK, -1},
      {234, KIND_CHECK, -1},
      {235, KIND_RADIO, -1},
      {236, KIND_RADIO, -1},
      {237, KIND_RADIO, -1}}},
};

class ItemTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(ItemTableTest, MatchesTheTemplate) {
    const TableCase& c = GetParam();
    const HINSTANCE hInst = c.bLibrary ? test::LibraryModule() : test::ProgramModule();
    HostDialog host(hInst, c.nTemplate);
    ASSERT_NE(nullptr, host.Dialog());
    if (c.nRadioToCheck != 0)
        CheckDlgButton(host.Dialog(), static_cast<int>(c.nRadioToCheck), BST_CHECKED);

    CDlgSb sb;
    ASSERT_EQ(1, sb.InitDll(CWnd::FromHandle(host.Dialog()), hInst, c.nTemplate, 0, 0, 0, 0, 0));
    ASSERT_EQ(c.items.size(), sb.m_nCount);
    for (UINT i = 0; i < sb.m_nCount; ++i) {
        const ExpectedItem& want = c.items[i];
        SCOPED_TRACE(testing::Message() << "item " << i);
        EXPECT_EQ(want.id, sb.m_pID[i]);
        EXPECT_EQ(want.kind, sb.m_pKind[i]);
        EXPECT_EQ(want.group, sb.m_pGroup[i]);
        EXPECT_EQ(host.Item(static_cast<int>(want.id)), sb.m_phWnd[i]);
        EXPECT_EQ(HasSubclassingObject(want.kind), sb.m_ppSub[i] != nullptr);
        EXPECT_EQ(sb.m_ppSub[i], CWnd::FromHandlePermanent(sb.m_phWnd[i]));
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, ItemTableTest, ::testing::ValuesIn(kTables),
                         test::ParamName<TableCase>);

TEST(ItemTableLifetimeTest, DestroyingTheControllerGivesEveryControlBack) {
    HostDialog host(test::ProgramModule(), 230);
    std::vector<HWND> controls;
    std::vector<LONG_PTR> procs;
    for (HWND hwnd = GetWindow(host.Dialog(), GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        controls.push_back(hwnd);
        procs.push_back(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    }
    {
        CDlgSb sb;
        ASSERT_EQ(1, sb.Init(CWnd::FromHandle(host.Dialog()), 230, 0, 0, 0, 0, 0));
        // Item 1, the multi-line edit 4999, has a subclassing object.
        EXPECT_NE(procs[1], GetWindowLongPtrA(controls[1], GWLP_WNDPROC));
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(controls[i]));
        EXPECT_EQ(procs[i], GetWindowLongPtrA(controls[i], GWLP_WNDPROC));
    }
}

TEST(ItemTableLifetimeTest, DialogDestroyedBeforeTheControllerLeavesNothingBehind) {
    CDlgSb sb;
    {
        HostDialog host(test::ProgramModule(), 200);
        ASSERT_EQ(1, sb.Init(CWnd::FromHandle(host.Dialog()), 200, 0, 0, 0, 0, 0));
    }
    for (UINT i = 0; i < sb.m_nCount; ++i)
        EXPECT_EQ(nullptr, sb.m_ppSub[i]->m_hWnd);
}

} // namespace
