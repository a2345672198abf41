// The item table the controller builds from a dialog template: kinds, control IDs, groups,
// windows and subclassing objects.
#include "CDlgSb.h"
#include "HostDialog.h"
#include "ParamName.h"
#include "SearchTemplates.h"
#include "StandInControls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using test::HostDialog;

struct ExpectedItem {
    UINT id;
    BYTE kind;
    short group;
};

bool HasSubclassingObject(BYTE kind) {
    return kind != KIND_EDIT5000 && kind != KIND_EDIT6000;
}

// Builds the controller's table from template nTemplate of hInst, with nRadioToCheck checked
// first (a group at the top needs a checked button for Init to succeed), and compares it with
// the expected items.
void ExpectItemTable(HINSTANCE hInst, UINT nTemplate, UINT nRadioToCheck,
                     const std::vector<ExpectedItem>& items) {
    HostDialog host(hInst, nTemplate);
    ASSERT_NE(nullptr, host.Dialog());
    if (nRadioToCheck != 0)
        CheckDlgButton(host.Dialog(), static_cast<int>(nRadioToCheck), BST_CHECKED);
    CDlgSb sb;
    ASSERT_EQ(1, sb.InitDll(host.DialogWnd(), hInst, nTemplate, 0, 0, 0, 0, 0));
    ASSERT_EQ(items.size(), sb.m_nCount);
    for (UINT i = 0; i < sb.m_nCount; ++i) {
        const ExpectedItem& want = items[i];
        SCOPED_TRACE(testing::Message() << "item " << i);
        EXPECT_EQ(want.id, sb.m_pID[i]);
        EXPECT_EQ(want.kind, sb.m_pKind[i]);
        EXPECT_EQ(want.group, sb.m_pGroup[i]);
        EXPECT_EQ(host.Item(static_cast<int>(want.id)), sb.m_phWnd[i]);
        EXPECT_EQ(HasSubclassingObject(want.kind), sb.m_ppSub[i] != nullptr);
        EXPECT_EQ(sb.m_ppSub[i], CWnd::FromHandlePermanent(sb.m_phWnd[i]));
    }
}

class SearchTemplateItemTableTest : public ::testing::TestWithParam<test::SearchTemplate> {};

// The items are the controls the table gives a kind, in template order.
TEST_P(SearchTemplateItemTableTest, MatchesTheTemplate) {
    std::vector<ExpectedItem> items;
    UINT nRadioToCheck = 0;
    for (size_t i = 0; i < GetParam().nControls; ++i) {
        const test::TemplateControl& control = GetParam().pControls[i];
        if (control.kind == test::kNoItem)
            continue;
        items.push_back({control.id, control.kind, control.group});
        if (control.kind == KIND_RADIO && nRadioToCheck == 0)
            nRadioToCheck = control.id;
    }
    ExpectItemTable(test::LibraryModule(), GetParam().wId, nRadioToCheck, items);
}

std::string TemplateName(const ::testing::TestParamInfo<test::SearchTemplate>& param) {
    return "Template" + std::to_string(param.param.wId);
}

INSTANTIATE_TEST_SUITE_P(Library, SearchTemplateItemTableTest,
                         ::testing::ValuesIn(test::kSearchTemplates), TemplateName);

// Template 210: a label, an edit and a group box each start a group; the number is the index of
// the next item placed, even when that item is an edit. 255 is standard although its style's low
// word is an extended template's version, and its first entry's creation data is one byte long.
// 230: ID ranges come before ES_WANTRETURN; a predefined class given by name is the class itself;
// group boxes, push boxes, owner-drawn buttons and labels make no item. 252: the extended form
// takes the same rules, with its DWORD control IDs whole; classes given by name in any case are
// the predefined ones, and a scroll bar and a common control (a stand-in where the system lacks
// it) are no item.
struct TableCase {
    const char* name;
    UINT nTemplate;
    UINT nRadioToCheck;
    std::vector<ExpectedItem> items;
};

// clang-format off
const TableCase kTables[] = {
    {"Groups", 210, 211, {{211, KIND_RADIO, 0}, {212, KIND_RADIO, 0}, {213, KIND_EDIT, -1},
                          {214, KIND_CHECK, 2}, {215, KIND_EDIT, -1}, {216, KIND_RADIO, 4}}},
    {"VersionLikeStyle", 255, 0, {{348, KIND_EDIT, -1}, {349, KIND_EDIT, -1}}},
    {"RadiosBeforeAnyGroup", 220, 0, {{221, KIND_RADIO, -1}, {222, KIND_RADIO, -1}, {223, KIND_PUSH, -1},
                                      {224, KIND_RADIO, 3}}},
    {"KindsAndIdBoundaries", 230, 0, {{5500, KIND_EDIT5000, -1}, {4999, KIND_EDITMULTI, -1},
        {6000, KIND_EDIT6000, -1}, {6999, KIND_EDIT6000, -1}, {5999, KIND_EDIT5000, -1},
        {7500, KIND_EDIT, -1}, {7000, KIND_PULLCOMBO, -1}, {7999, KIND_PULLCOMBO, -1},
        {8000, KIND_COMBO, -1}, {231, KIND_LIST, -1}, {232, KIND_PUSH, -1}, {233, KIND_CHECK, -1},
        {234, KIND_CHECK, -1}, {235, KIND_RADIO, -1}, {236, KIND_RADIO, -1}, {237, KIND_RADIO, -1},
        {241, KIND_PUSH, -1}}},
    {"Extended", 252, 204, {{201, KIND_PUSH, -1}, {202, KIND_EDIT, -1}, {71036, KIND_EDIT, -1},
        {204, KIND_RADIO, 3}, {205, KIND_RADIO, 3}, {206, KIND_COMBO, -1}, {207, KIND_LIST, -1}}},
};
// clang-format on

class ItemTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(ItemTableTest, MatchesTheTemplate) {
    ASSERT_TRUE(test::RegisterStandInControls());
    ExpectItemTable(test::ProgramModule(), GetParam().nTemplate, GetParam().nRadioToCheck,
                    GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Program, ItemTableTest, ::testing::ValuesIn(kTables),
                         test::ParamName<TableCase>);

// GetItem walks a standard template's entries one by one, giving each predefined class its code
// whether the template names it by atom or by name in any case, and 0xFFFF to any other name
// (template 254: offsets, codes and the next offsets below).
// The controller's destructor is not virtual, and no walker is deleted through a CDlgSb*.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class ItemWalker : public CDlgSb {
public:
    using CDlgSb::GetItem;
};
#pragma GCC diagnostic pop

TEST(ItemTableTest, GetItemGivesPredefinedClassesTheirCodeByAtomOrByName) {
    const HINSTANCE hInst = test::ProgramModule();
    auto* pTemplate = static_cast<BYTE*>(
        LockResource(LoadResource(hInst, FindResourceA(hInst, MAKEINTRESOURCEA(254), RT_DIALOG))));
    const struct {
        size_t offset;
        WORD wClass;
        size_t next;
    } entries[] = {{24, 0, 60}, {60, 0xFFFF, 112}, {112, 5, 140}, {140, 2, 176}};
    ItemWalker walker;
    for (const auto& entry : entries) {
        WORD wClass = 0;
        const CDlgSb::ITEM* pNext =
            walker.GetItem(reinterpret_cast<CDlgSb::ITEM*>(pTemplate + entry.offset), &wClass);
        EXPECT_EQ(entry.wClass, wClass) << entry.offset;
        EXPECT_EQ(entry.next, static_cast<size_t>(reinterpret_cast<const BYTE*>(pNext) - pTemplate))
            << entry.offset;
    }
}

// The subclassing objects are windows of the framework, which as in MFC take their windows with
// them: a controller deleted while its dialog stays destroys the controls it has objects for,
// and leaves the others (the 5000 and 6000 edits, the statics) as they were.
TEST(ItemTableLifetimeTest, DestroyingTheControllerTakesTheControlsOfItsObjects) {
    HostDialog host(test::ProgramModule(), 230);
    std::vector<HWND> controls;
    for (HWND hwnd = GetWindow(host.Dialog(), GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        controls.push_back(hwnd);
    std::vector<HWND> subclassed;
    {
        CDlgSb sb;
        ASSERT_EQ(1, sb.Init(host.DialogWnd(), 230, 0, 0, 0, 0, 0));
        for (UINT i = 0; i < sb.m_nCount; ++i) {
            if (sb.m_ppSub[i] != nullptr)
                subclassed.push_back(sb.m_phWnd[i]);
        }
    }
    EXPECT_LT(subclassed.size(), controls.size());
    for (const HWND hwnd : controls) {
        const bool bSubclassed =
            std::find(subclassed.begin(), subclassed.end(), hwnd) != subclassed.end();
        EXPECT_EQ(!bSubclassed, IsWindow(hwnd) != FALSE) << GetDlgCtrlID(hwnd);
    }
    EXPECT_TRUE(IsWindow(host.Dialog()));
}

} // namespace
