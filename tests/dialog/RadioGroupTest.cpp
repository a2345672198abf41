// Radio groups and check boxes under the controller: entering and leaving groups, checking by
// key and by mouse, and the check message the host hears for every button set or cleared.
#include "CButtonSub.h"
#include "ControlledDialog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::ControlledDialog;
using test::kCheckMsg;
using test::lparam;
using test::MessagesAre;
using test::posted;
using test::sent;
using test::wparam;

UINT Checked(const ControlledDialog& d, int nID) {
    return static_cast<UINT>(d.Send(nID, BM_GETCHECK));
}

// Template 260: edits 261-263, radios 264-266 (items 3 to 5, one group), edit 267.
void FocusMiddleRadio(ControlledDialog& d) {
    d.sb.SetFocusID(263);
    SetFocus(d.Item(263));
    d.Type(VK_DOWN);
    ASSERT_EQ(264, d.FocusId()) << "Down enters a group at its first button";
    d.Type(VK_DOWN);
    ASSERT_EQ(265, d.FocusId());
    EXPECT_EQ(0u, Checked(d, 264)) << "keys move through a group without checking";
    EXPECT_EQ(0u, Checked(d, 265));
    test::ClearMessages();
}

// Enter on a radio button checks it and leaves its group for the next item, past a disabled
// one; at the last group the focus wraps to the checked button of the first, or stays while the
// owner hears of the edge. On a check box it moves on and changes nothing. Template 260: edits
// 261-263, radios 264-266, edit 267; 210: radios 211-212 (the first checked), edit 213, check box
// 214, edit 215, radio 216 in a group of its own; 270: radios 271-272 and 273-275 (two groups, the
// first and the last checked), edit 276.
struct EnterCase {
    const char* name;
    UINT nTemplate;
    int nDisabled;
    short bEdgeNotify;
    int nButton;
    int nFocusAfter;
    std::vector<test::ExpectedMessage> messages;
};

test::ExpectedMessage Focus(int nID) {
    return {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(nID, EN_SETFOCUS)};
}

const test::ExpectedMessage kWrapTop = {"dlg", WM_DLGSB_WRAPTOP, posted | wparam | lparam};

test::ExpectedMessage Check(int nID) {
    return {"dlg", kCheckMsg, posted | wparam, static_cast<WPARAM>(nID)};
}

// clang-format off
const EnterCase kEnterCases[] = {
    {"MiddleRadioMovesToTheNextItem", 260, 0, 0, 265, 267, {Focus(267), Check(265), Check(264), Check(266)}},
    {"DisabledNextItemIsPassed", 260, 267, 0, 265, 261, {Focus(261), Check(265), Check(264), Check(266), kWrapTop}},
    {"NextGroupIsEnteredAtItsCheckedButton", 270, 0, 0, 272, 275, {Check(272), Check(271)}},
    {"CheckBoxMovesOnUntouched", 210, 0, 0, 214, 215, {Focus(215)}},
    {"LastGroupWrapsToTheCheckedButtonOfTheFirst", 210, 0, 0, 216, 211, {Check(216), kWrapTop}},
    {"LastGroupStaysWhileTheOwnerHearsOfTheEdge", 210, 0, 1, 216, 216, {Check(216), {"owner", WM_DLGSB_LEAVEBOTTOM, posted | wparam | lparam}}},
};
// clang-format on

class RadioEnterTest : public ::testing::TestWithParam<EnterCase> {};

TEST_P(RadioEnterTest, EnterChecksTheRadioAndLeavesItsGroup) {
    const EnterCase& c = GetParam();
    test::ControllerSettings settings;
    settings.bWrapNotify = 1;
    settings.bEdgeNotify = c.bEdgeNotify;
    ControlledDialog d(c.nTemplate, settings, [&c](HWND hDlg) {
        for (const int nID : {211, 271, 275})
            CheckDlgButton(hDlg, nID, BST_CHECKED);
        EnableWindow(GetDlgItem(hDlg, c.nDisabled), c.nDisabled == 0);
    });
    d.sb.SetFocusID(static_cast<short>(c.nButton));
    SetFocus(d.Item(c.nButton));
    d.Pump();
    test::ClearMessages();
    d.Type(VK_RETURN);
    EXPECT_EQ(c.nFocusAfter, d.FocusId());
    EXPECT_TRUE(MessagesAre(c.messages)) << "every check the controller makes is posted";
}

INSTANTIATE_TEST_SUITE_P(Radios, RadioEnterTest, ::testing::ValuesIn(kEnterCases),
                         test::ParamName<EnterCase>);

TEST(RadioGroupTest, SpaceChecksTheRadioBeforeTheButtonClicksIt) {
    ControlledDialog d(260);
    FocusMiddleRadio(d);
    d.Type(VK_SPACE);
    EXPECT_EQ(265, d.FocusId());
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Checked(d, 265));
    EXPECT_TRUE(MessagesAre({
        {"dlg", kCheckMsg, posted | wparam, 265},
        {"dlg", kCheckMsg, posted | wparam, 264},
        {"dlg", kCheckMsg, posted | wparam, 266},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(265, BN_CLICKED)},
    }));
}

void Click(const ControlledDialog& d, int nID) {
    PostMessageA(d.Item(nID), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    d.Pump();
    PostMessageA(d.Item(nID), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    d.Pump();
}

// Template 290: plain check box 291, radios 292-293, edit 294.
TEST(RadioGroupTest, ClickingARadioChecksItAndClearsItsGroup) {
    ControlledDialog d(290, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 292, BST_CHECKED); });
    Click(d, 293);
    EXPECT_EQ(293, d.FocusId());
    EXPECT_EQ(2, d.sb.m_nFocus);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Checked(d, 293));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Checked(d, 292));
    EXPECT_TRUE(MessagesAre({
        {"dlg", kCheckMsg, posted | wparam, 293},
        {"dlg", kCheckMsg, posted | wparam, 292},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(293, BN_CLICKED)},
    }));
}

TEST(RadioGroupTest, ClickingOrFocusingACheckBoxLeavesItsStateToTheButton) {
    ControlledDialog d(290, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 292, BST_CHECKED); });
    SetFocus(d.Item(294));
    test::ClearMessages();
    Click(d, 291);
    EXPECT_EQ(291, d.FocusId());
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_EQ(0u, Checked(d, 291));
    SetFocus(d.Item(294));
    SetFocus(d.Item(291));
    EXPECT_EQ(0u, Checked(d, 291));
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(294, EN_KILLFOCUS)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(291, BN_CLICKED)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(294, EN_SETFOCUS)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(294, EN_KILLFOCUS)},
    }));
}

// A press inside a check box that has the focus marks the focus gain to come as the click's,
// and the next focus gain clears the mark; the edges of the client rectangle are inside.
TEST(RadioGroupTest, APressInsideACheckBoxMarksItUntilItsNextFocusGain) {
    ControlledDialog d(290, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 292, BST_CHECKED); });
    const auto* pCheck = static_cast<const CButtonSub*>(d.sb.m_ppSub[0]);
    RECT rc;
    GetClientRect(d.Item(291), &rc);
    const struct {
        POINT pt;
        int bClicked;
    } kPresses[] = {{{0, 0}, 1},  {{rc.right, rc.bottom}, 1}, {{-1, 0}, 0},
                    {{0, -1}, 0}, {{rc.right + 1, 0}, 0},     {{0, rc.bottom + 1}, 0}};
    for (const auto& press : kPresses) {
        SetFocus(d.Item(294));
        SetFocus(d.Item(291));
        d.Send(291, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.pt.x, press.pt.y));
        d.Send(291, WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
        EXPECT_EQ(press.bClicked, pCheck->m_bClicked) << press.pt.x << "," << press.pt.y;
    }
}

TEST(RadioGroupTest, MouseActivationReportsALeftButtonButNotARightOne) {
    ControlledDialog d(290, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 292, BST_CHECKED); });
    const WPARAM wTop = reinterpret_cast<WPARAM>(d.host.Owner());
    const LPARAM lRight = MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN);
    d.Send(293, WM_MOUSEACTIVATE, wTop, lRight);
    d.Pump();
    EXPECT_EQ(0u, Checked(d, 293));
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_TRUE(MessagesAre({{"dlg", WM_MOUSEACTIVATE, sent | lparam, 0, lRight}}));
    test::ClearMessages();
    const LPARAM lLeft = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    d.Send(293, WM_MOUSEACTIVATE, wTop, lLeft);
    d.Pump();
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Checked(d, 293));
    EXPECT_EQ(2, d.sb.m_nFocus);
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_MOUSEACTIVATE, sent | lparam, 0, lLeft},
        {"dlg", kCheckMsg, posted | wparam, 293},
        {"dlg", kCheckMsg, posted | wparam, 292},
    }));
}

} // namespace
