// Radio groups and check boxes under the controller: entering and leaving groups, checking by
// key and by mouse, and the check message the host hears for every button set or cleared.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

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

TEST(RadioGroupTest, EnterOnTheMiddleRadioChecksItAndLeavesTheGroup) {
    ControlledDialog d(260);
    FocusMiddleRadio(d);
    d.Type(VK_RETURN);
    EXPECT_EQ(267, d.FocusId());
    EXPECT_EQ(6, d.sb.m_nFocus);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), Checked(d, 265));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Checked(d, 264));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), Checked(d, 266));
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(267, EN_SETFOCUS)},
        {"dlg", kCheckMsg, posted | wparam, 265},
        {"dlg", kCheckMsg, posted | wparam, 264},
        {"dlg", kCheckMsg, posted | wparam, 266},
    }));
}

// Template 270: radios 271-272 (group A), 273-275 (group B), edit 276. Enter leaves group A for
// group B's checked button; Down goes through group A into group B at its first button.
TEST(RadioGroupTest, EnterFromTheGroupBeforeLandsOnTheCheckedButtonAndDownOnTheFirst) {
    for (const UINT vk : {VK_RETURN, VK_DOWN}) {
        ControlledDialog d(270, {}, [](HWND hDlg) {
            CheckDlgButton(hDlg, 271, BST_CHECKED);
            CheckDlgButton(hDlg, 275, BST_CHECKED);
        });
        ASSERT_EQ(271, d.FocusId());
        d.Type(vk);
        if (vk == VK_DOWN)
            d.Type(VK_DOWN);
        EXPECT_EQ(vk == VK_RETURN ? 275 : 273, d.FocusId());
        EXPECT_EQ(vk == VK_RETURN ? 4 : 2, d.sb.m_nFocus);
        EXPECT_EQ(0u, Checked(d, 273));
    }
}

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

// Template 210: radios 211-212, edit 213, check box 214 (group 2), edit 215, radio 216.
TEST(RadioGroupTest, EnterOnACheckBoxMovesOnWithoutTogglingIt) {
    ControlledDialog d(210, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 211, BST_CHECKED); });
    d.sb.SetFocusID(214);
    SetFocus(d.Item(214));
    d.Pump();
    test::ClearMessages();
    d.Type(VK_RETURN);
    EXPECT_EQ(215, d.FocusId());
    EXPECT_EQ(4, d.sb.m_nFocus);
    EXPECT_EQ(0u, Checked(d, 214));
    EXPECT_TRUE(MessagesAre({{"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(215, EN_SETFOCUS)}}));
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
