// Initialising the controller: where the template comes from, the input method of the edit items,
// and every way it can fail (where the focus goes at Init: the first steps of the walks in
// NavigationTest.cpp and SearchDialogTest.cpp, and FepSettingTest.cpp's disabled first item).
#include "CDlgSb.h"
#include "EditTemplate.h"
#include "Headless.h"
#include "HostDialog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <iterator>
#include <map>

namespace {

using test::HostDialog;

void ExpectNothingAllocated(const CDlgSb& sb) {
    EXPECT_EQ(0u, sb.m_nCount);
    EXPECT_EQ(nullptr, sb.m_pID);
    EXPECT_EQ(nullptr, sb.m_pKind);
    EXPECT_EQ(nullptr, sb.m_pGroup);
    EXPECT_EQ(nullptr, sb.m_phWnd);
    EXPECT_EQ(nullptr, sb.m_ppSub);
}

// Every edit gets an input context of its own, opened, so that each one's state shows what
// the controller did to it.
TEST(InitTest, ClosesTheInputMethodOfEveryEditItemItSubclasses) {
    HostDialog host(test::ProgramModule(), 230);
    const std::map<int, BOOL> expectedOpen = {{5500, TRUE}, {4999, FALSE}, {6000, TRUE},
                                              {6999, TRUE}, {5999, TRUE},  {7500, FALSE}};
    std::map<int, HIMC> contexts;
    for (const auto& entry : expectedOpen) {
        const HIMC hIMC = ImmCreateContext();
        ImmAssociateContext(host.Item(entry.first), hIMC);
        ImmSetOpenStatus(hIMC, TRUE);
        contexts[entry.first] = hIMC;
    }
    CDlgSb sb;
    ASSERT_EQ(1, sb.Init(host.DialogWnd(), 230, 0, 0, 0, 0, 0));
    for (const auto& entry : expectedOpen) {
        EXPECT_EQ(entry.second, ImmGetOpenStatus(contexts[entry.first])) << "edit " << entry.first;
        ImmAssociateContext(host.Item(entry.first), nullptr);
        ImmDestroyContext(contexts[entry.first]);
    }
}

TEST(InitTest, UncheckedRadioGroupAtTheTopIsAProgramError) {
    REQUIRE_HEADLESS(); // a real message box would wait for the user
    HostDialog host(test::LibraryModule(), 80);
    test::Headless()->ClearMessageBoxes();
    CDlgSb sb;
    EXPECT_EQ(0, sb.InitDll(host.DialogWnd(), test::LibraryModule(), 80, 0, 0, 0, 0, 0));
    ASSERT_EQ(1u, test::Headless()->GetMessageBoxCount());
    HEADLESS_MESSAGEBOX box;
    ASSERT_TRUE(test::Headless()->GetMessageBox(0, &box));
    EXPECT_EQ(test::ShiftJis("ﾌﾟﾛｸﾞﾗﾑﾐｽ\nｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。"), box.szText);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), box.uType);
    EXPECT_EQ(11u, sb.m_nCount);
}

// Missing (80 is the library's, not the program's, where Init looks), without items, in the
// extended form, cut short.
TEST(InitTest, TemplateThatCannotBeReadFailsWithNothingAllocated) {
    for (UINT nTemplate : {299u, 80u, 251u, 252u, 253u}) {
        SCOPED_TRACE(nTemplate);
        HostDialog host(test::ProgramModule(), 200);
        CDlgSb sb;
        EXPECT_EQ(0, sb.Init(host.DialogWnd(), nTemplate, 0, 0, 0, 0, 0));
        ExpectNothingAllocated(sb);
    }
}

// Item indices are 16-bit: a template of more items than they reach is refused. The dialog is
// made from the template, so that the items are there; it closes before the controller goes,
// as a host's does, taking its controls with it at once.
TEST(InitTest, TemplateOfMoreThan32767ItemsIsRefused) {
    REQUIRE_HEADLESS(); // the template is made at run time
    for (UINT nItems : {32767u, 32768u}) {
        const std::vector<BYTE> tmpl = test::EditTemplate(nItems);
        ASSERT_TRUE(test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(320),
                                                  tmpl.data(), static_cast<DWORD>(tmpl.size())));
        CDlgSb sb;
        HostDialog host(test::ProgramModule(), 320);
        EXPECT_EQ(nItems <= 32767 ? 1 : 0, sb.Init(host.DialogWnd(), 320, 0, 0, 0, 0, 0));
        if (nItems > 32767)
            ExpectNothingAllocated(sb);
    }
    test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(320), nullptr, 0);
}

// A template of one edit field, captioned "A": 54 bytes, with its item count at offset 8, its
// caption at 22, the field's text at 50 and its creation data size at 52.
const BYTE kOneEdit[] = {0,   0, 0xC0, 0x80, 0,    0,    0,    0, 1,   0, 0, 0, 0,  0,
                         100, 0, 50,   0,    0,    0,    0,    0, 'A', 0, 0, 0, 0,  0,
                         0,   0, 0x81, 0x50, 0,    0,    0,    0, 0,   0, 0, 0, 40, 0,
                         12,  0, 0xE8, 0x03, 0xFF, 0xFF, 0x81, 0, 0,   0, 0, 0};

// A resource that ends short of what its template says is in it: the dialog manager makes no
// dialog from it and Init refuses it, neither reading past its end. The template whole makes a
// dialog, which Init accepts.
struct HostileTemplate {
    const char* name;
    size_t cbKept; // the resource's bytes, from the start of kOneEdit
    size_t nAt;    // a byte changed to bValue, where nAt < cbKept
    BYTE bValue;
};

class HostileTemplateTest : public ::testing::TestWithParam<HostileTemplate> {};

TEST_P(HostileTemplateTest, MakesADialogAndIsAcceptedOnlyWhenWhole) {
    REQUIRE_HEADLESS(); // the template is made at run time
    const HostileTemplate& row = GetParam();
    std::vector<BYTE> tmpl(kOneEdit, kOneEdit + row.cbKept);
    tmpl[row.nAt] = row.bValue;
    const bool bWhole = tmpl == std::vector<BYTE>(std::begin(kOneEdit), std::end(kOneEdit));
    ASSERT_TRUE(test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(330),
                                              tmpl.data(), static_cast<DWORD>(tmpl.size())));
    SetLastError(0);
    const HWND hDlg = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(330), nullptr, nullptr, 0);
    EXPECT_EQ(bWhole, hDlg != nullptr);
    if (!bWhole) {
        EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND), GetLastError());
    }
    DestroyWindow(hDlg);
    HostDialog host(test::ProgramModule(), bWhole ? 330 : 200);
    CDlgSb sb;
    EXPECT_EQ(bWhole ? 1 : 0, sb.Init(host.DialogWnd(), 330, 0, 0, 0, 0, 0));
    if (!bWhole)
        ExpectNothingAllocated(sb);
    test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(330), nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(Templates, HostileTemplateTest,
                         ::testing::Values(HostileTemplate{"CutInTheHeader", 12, 8, 1},
                                           HostileTemplate{"CaptionWithoutTerminator", 24, 8, 1},
                                           HostileTemplate{"CutInTheControl", 40, 8, 1},
                                           HostileTemplate{"CutBeforeTheCreationData", 52, 8, 1},
                                           HostileTemplate{"MoreItemsThanData", 54, 8, 2},
                                           HostileTemplate{"CreationDataPastTheEnd", 54, 52, 8},
                                           HostileTemplate{"FieldTextWithoutTerminator", 52, 50,
                                                           'B'},
                                           HostileTemplate{"Whole", 54, 8, 1}),
                         test::ParamName<HostileTemplate>);

TEST(InitTest, ControlMissingFromTheDialogFailsAfterTheItemsBeforeIt) {
    HostDialog host(test::ProgramModule(), 200);
    CDlgSb sb;
    EXPECT_EQ(0, sb.Init(host.DialogWnd(), 250, 0, 0, 0, 0, 0));
    ASSERT_EQ(4u, sb.m_nCount);
    for (UINT i = 0; i < 3; ++i)
        EXPECT_EQ(sb.m_ppSub[i], CWnd::FromHandlePermanent(host.Item(static_cast<int>(201 + i))));
    EXPECT_EQ(nullptr, sb.m_phWnd[3]);
    EXPECT_EQ(nullptr, sb.m_ppSub[3]);
}

} // namespace
