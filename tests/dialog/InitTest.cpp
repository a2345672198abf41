// Initialising the controller: where the template comes from, the input method of the edit items,
// and every way it can fail (where the focus goes at Init: the first steps of the walks in
// NavigationTest.cpp, and FepSettingTest.cpp's disabled first item).
#include "ControlledDialog.h"
#include "EditTemplate.h"
#include "Headless.h"
#include "MessageBoxes.h"
#include "ParamName.h"
#include "ShiftJis.h"
#include "StandInControls.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <cstddef>
#include <map>
#include <vector>

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

// The dialog manager gave the focus to the first edit; the focus report of the checked radio
// that takes it over comes outside DialogKeyDown, so it checks the button again and clears the
// rest of its group.
TEST(InitTest, SearchDialogReportsTheCheckedRadioThreeTimes) {
    HostDialog host(test::LibraryModule(), 80);
    CheckDlgButton(host.Dialog(), 1081, BST_CHECKED);
    CDlgSb sb;
    ASSERT_EQ(1,
              sb.InitDll(host.DialogWnd(), test::LibraryModule(), 80, 0, 0, test::kCheckMsg, 0, 0));
    test::PumpDialog(host.Dialog());
    EXPECT_TRUE(test::MessagesAre({
        {"dlg", WM_COMMAND, test::sent | test::wparam, MAKEWPARAM(1080, EN_KILLFOCUS)},
        {"dlg", test::kCheckMsg, test::posted | test::wparam, 1081},
        {"dlg", test::kCheckMsg, test::posted | test::wparam, 1079},
        {"dlg", test::kCheckMsg, test::posted | test::wparam, 1083},
    }));
}

TEST(InitTest, UncheckedRadioGroupAtTheTopIsAProgramError) {
    HostDialog host(test::LibraryModule(), 80);
    const test::MessageBoxes boxes;
    CDlgSb sb;
    EXPECT_EQ(0, sb.InitDll(host.DialogWnd(), test::LibraryModule(), 80, 0, 0, 0, 0, 0));
    const std::vector<test::ShownMessageBox> shown = boxes.Shown();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(test::ShiftJis("ﾌﾟﾛｸﾞﾗﾑﾐｽ\nｵｰﾄﾗｼﾞｵﾎﾞﾀﾝにON項目が設定されていません。"),
              shown[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shown[0].uType);
    EXPECT_EQ(11u, sb.m_nCount);
}

// Missing (80 is the library's, not the program's, where Init looks), without items, cut short.
TEST(InitTest, TemplateThatCannotBeReadFailsWithNothingAllocated) {
    for (UINT nTemplate : {299u, 80u, 251u, 253u}) {
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

// A compiled template of each form, cut at any byte or saying it holds more than it does (one
// control more than it has, creation data after its last control, whose size is its last word):
// the dialog manager makes no dialog of it and the controller refuses it, neither reading past
// its end. Whole, both take it. The count is at offset 8 of a standard header, 16 of an extended
// one.
struct TemplateForm {
    const char* name;
    UINT nTemplate;
    size_t nCountAt;
};

class TemplateFormTest : public ::testing::TestWithParam<TemplateForm> {
protected:
    static constexpr UINT kMade = 331;

    void SetUp() override {
        REQUIRE_HEADLESS(); // the templates are made at run time
        ASSERT_TRUE(test::RegisterStandInControls());
    }

    static std::vector<BYTE> Compiled() {
        const HINSTANCE hInst = test::ProgramModule();
        const HRSRC hRes = FindResourceA(hInst, MAKEINTRESOURCEA(GetParam().nTemplate), RT_DIALOG);
        const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hInst, hRes)));
        return std::vector<BYTE>(p, p + SizeofResource(hInst, hRes));
    }

    static void Make(const std::vector<BYTE>& tmpl) {
        ASSERT_TRUE(test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(kMade),
                                                  tmpl.data(), static_cast<DWORD>(tmpl.size())));
    }
};

TEST_P(TemplateFormTest, IsTakenOnlyWhole) {
    const std::vector<BYTE> whole = Compiled();
    std::vector<std::vector<BYTE>> hostile;
    for (size_t cb = 1; cb < whole.size(); ++cb) // a resource of no byte is none at all
        hostile.emplace_back(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cb));
    for (size_t nAt : {GetParam().nCountAt, whole.size() - 2}) {
        hostile.push_back(whole);
        ++hostile.back()[nAt];
    }
    HostDialog elsewhere(test::ProgramModule(), 200);
    for (const std::vector<BYTE>& tmpl : hostile) {
        SCOPED_TRACE(testing::Message() << tmpl.size() << " of " << whole.size() << " bytes");
        Make(tmpl);
        SetLastError(0);
        EXPECT_EQ(nullptr,
                  CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kMade), nullptr, nullptr, 0));
        EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND), GetLastError());
        CDlgSb sb;
        EXPECT_EQ(0, sb.Init(elsewhere.DialogWnd(), kMade, 0, 0, 0, 0, 0));
        ExpectNothingAllocated(sb);
    }
    Make(whole);
    {
        CDlgSb sb; // the dialog closes first, as a host's does
        HostDialog host(test::ProgramModule(), kMade);
        EXPECT_EQ(1, sb.Init(host.DialogWnd(), kMade, 0, 0, 0, 0, 0));
    }
    test::Headless()->SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(kMade), nullptr, 0);
}

INSTANTIATE_TEST_SUITE_P(Forms, TemplateFormTest,
                         ::testing::Values(TemplateForm{"Standard", 200, 8},
                                           TemplateForm{"Extended", 252, 16}),
                         test::ParamName<TemplateForm>);

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
