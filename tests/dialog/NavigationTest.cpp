// Moving through a dialog with Enter, Up and Down: wrapping at the ends, telling the dialog or
// its owner, the default push button following the focus, and disabled items.
#include "ControlledDialog.h"
#include "ParamName.h"
#include "StandInControls.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::ControlledDialog;
using test::ControllerSettings;
using test::ExpectedMessage;
using test::lparam;
using test::MessagesAre;
using test::posted;
using test::sent;
using test::wparam;

// A key typed and the control that has the focus after it.
struct Step {
    UINT vk;
    int nFocusId;
};

// How the walk's dialog is made: template 200 (push button 201, edits 202 and 203), or 201, the
// same as a child of the owner window; the controller's notices; an item disabled first.
enum SetupFlags : UINT { kWrapNotify = 1, kEdgeNotify = 2, kNotOwned = 4 };
struct DialogSetup {
    UINT nTemplate;
    UINT flags;
    int nDisabled;
};

// The focus starts on the push button; the messages are those of the walk's last step.
struct WalkCase {
    const char* name;
    DialogSetup setup;
    std::vector<Step> steps;
    std::vector<ExpectedMessage> lastStepMessages;
};

ExpectedMessage EditFocus(int nID, WORD wCode) {
    return {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(nID, wCode)};
}

ExpectedMessage Private(const char* pszWindow, UINT message) {
    return {pszWindow, message, posted | wparam | lparam, 0, 0};
}

// At the edges the focus stays and the owner hears it, even when wrapping would be announced.
// clang-format off
const WalkCase kWalks[] = {
    {"DownOnTheLastItemWrapsToTheFirst", {200, 0, 0}, {{VK_UP, 203}, {VK_DOWN, 201}}, {EditFocus(203, EN_KILLFOCUS)}},
    {"UpOnTheFirstItemWrapsToTheLast", {200, 0, 0}, {{VK_UP, 203}}, {EditFocus(203, EN_SETFOCUS)}},
    {"WrapNotifyPostsTheWrapDownToTheDialog", {200, kWrapNotify, 0}, {{VK_UP, 203}, {VK_DOWN, 201}},
     {EditFocus(203, EN_KILLFOCUS), Private("dlg", WM_DLGSB_WRAPTOP)}},
    {"WrapNotifyPostsTheWrapUpToTheDialog", {200, kWrapNotify, 0}, {{VK_UP, 203}},
     {EditFocus(203, EN_SETFOCUS), Private("dlg", WM_DLGSB_WRAPBOTTOM)}},
    {"EdgeNotifyAtTheTopTellsTheOwner", {200, kWrapNotify | kEdgeNotify, 0}, {{VK_UP, 201}}, {Private("owner", WM_DLGSB_LEAVETOP)}},
    {"EdgeNotifyAtTheBottomTellsTheOwner", {200, kWrapNotify | kEdgeNotify, 0}, {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}},
     {Private("owner", WM_DLGSB_LEAVEBOTTOM)}},
    {"EdgeNotifyTellsTheParentOfADialogWithoutOwner", {201, kEdgeNotify, 0}, {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}},
     {Private("owner", WM_DLGSB_LEAVEBOTTOM)}},
    {"EdgeNotifyTellsNobodyWithoutOwnerOrParent", {200, kEdgeNotify | kNotOwned, 0}, {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}}, {}},
    {"EnterOnAnEditMovesLikeDown", {200, 0, 0}, {{VK_DOWN, 202}, {VK_RETURN, 203}},
     {EditFocus(202, EN_KILLFOCUS), EditFocus(203, EN_SETFOCUS)}},
    {"DisabledItemsAreSkippedBothWays", {200, 0, 202}, {{VK_DOWN, 203}, {VK_UP, 201}}, {EditFocus(203, EN_KILLFOCUS)}},
    {"DisabledLastItemIsSkippedAcrossTheWrap", {200, 0, 203}, {{VK_DOWN, 202}, {VK_DOWN, 201}, {VK_UP, 202}}, {EditFocus(202, EN_SETFOCUS)}},
};
// clang-format on

class NavigationWalkTest : public ::testing::TestWithParam<WalkCase> {};

// A push button is the default one while it has the focus.
TEST_P(NavigationWalkTest, FocusAndMessagesFollowTheKeys) {
    const DialogSetup& setup = GetParam().setup;
    ControllerSettings settings;
    settings.bWrapNotify = (setup.flags & kWrapNotify) != 0;
    settings.bEdgeNotify = (setup.flags & kEdgeNotify) != 0;
    settings.bOwned = (setup.flags & kNotOwned) == 0;
    ControlledDialog d(setup.nTemplate, settings, [&setup](HWND hDlg) {
        if (setup.nDisabled != 0)
            EnableWindow(GetDlgItem(hDlg, setup.nDisabled), FALSE);
    });
    ASSERT_EQ(201, d.FocusId());
    for (const Step& step : GetParam().steps) {
        test::ClearMessages();
        d.Type(step.vk);
        ASSERT_EQ(step.nFocusId, d.FocusId()) << "after key 0x" << std::hex << step.vk;
        EXPECT_EQ(step.nFocusId - 201, d.sb.m_nFocus);
        const UINT nExpected = step.nFocusId == 201 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        EXPECT_EQ(nExpected, d.ButtonType(201));
    }
    EXPECT_TRUE(MessagesAre(GetParam().lastStepMessages));
}

INSTANTIATE_TEST_SUITE_P(Walks, NavigationWalkTest, ::testing::ValuesIn(kWalks),
                         test::ParamName<WalkCase>);

// Template 230 starts with edit 5500, which the host keeps.
TEST(NavigationTest, EnterOnAHostFieldChangesNothing) {
    ControlledDialog d(230);
    ASSERT_EQ(5500, d.FocusId());
    EXPECT_EQ(1, d.sb.DialogKeyDown(VK_RETURN));
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_EQ(5500, d.FocusId());
}

// Enter given to the controller on a combo box item (7999 in template 230) opens its list and
// stays; on the open list it closes it and moves on as Down does, also where Down comes back to
// the combo box itself, the only enabled item, which keeps the focus.
TEST(NavigationTest, EnterOnAComboBoxOpensItsListThenClosesItAndMovesOn) {
    ControlledDialog d(230);
    d.sb.SetFocusID(7999);
    const int nItem = d.sb.m_nFocus;
    for (bool bAlone : {false, true}) {
        SCOPED_TRACE(bAlone);
        for (int i = 0; bAlone && i < static_cast<int>(d.sb.m_nCount); ++i)
            EnableWindow(d.sb.m_phWnd[i], i == nItem);
        d.sb.SetFocusID(7999);
        EXPECT_EQ(1, d.sb.DialogKeyDown(VK_RETURN));
        EXPECT_EQ(TRUE, d.Send(7999, CB_GETDROPPEDSTATE));
        EXPECT_EQ(nItem, d.sb.m_nFocus);
        d.sb.DialogKeyDown(VK_RETURN);
        EXPECT_EQ(FALSE, d.Send(7999, CB_GETDROPPEDSTATE));
        EXPECT_EQ(bAlone ? nItem : nItem + 1, d.sb.m_nFocus);
    }
}

// Template 340: edit 341 (item 0), a host's field 342, push button 343 (item 1), a list view
// 344, radios 345 and 346 (items 2 and 3, the second checked) and edit 347 (item 4). Tab and
// Shift+Tab, and the arrows on the host's field, are the dialog manager's, as in Win32: they
// reach controls that are no item, where the focus item stays the item left, and items too,
// which report the focus. A step gives the key, Shift, the focus control after it, the focus
// item and the button whose click the dialog got.
struct TabStep {
    UINT vk;
    bool bShift;
    int nFocusId;
    int nFocusItem;
    int nClicked;
};

int ClickedButton() {
    for (const test::RecordedMessage& m : test::RecordedMessages()) {
        if (m.message == WM_COMMAND && HIWORD(m.wParam) == BN_CLICKED)
            return LOWORD(m.wParam);
    }
    return 0;
}

TEST(NavigationTest, TabReachesControlsThatAreNoItem) {
    ASSERT_TRUE(test::RegisterStandInControls() && test::RegisterStandIn("HostField"));
    ControlledDialog d(340, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 346, BST_CHECKED); });
    ASSERT_EQ(341, d.FocusId());
    // clang-format off
    const TabStep kSteps[] = {
        {VK_TAB, false, 342, 0, 0}, {VK_UP, false, 341, 0, 0}, {VK_TAB, false, 342, 0, 0},
        {VK_RETURN, false, 342, 0, 0}, {VK_DOWN, false, 343, 1, 0}, {VK_RETURN, false, 343, 1, 343},
        {VK_DOWN, false, 345, 2, 0}, {VK_TAB, true, 344, 2, 0}, {VK_TAB, true, 343, 1, 0},
        {VK_TAB, false, 344, 1, 0}, {VK_TAB, false, 346, 3, 0}, {VK_TAB, false, 347, 4, 0},
        {VK_DOWN, false, 341, 0, 0},
    };
    // clang-format on
    for (const TabStep& step : kSteps) {
        ASSERT_TRUE(!step.bShift || test::HoldShift(true));
        test::ClearMessages();
        d.Type(step.vk);
        ASSERT_TRUE(!step.bShift || test::HoldShift(false));
        ASSERT_EQ(step.nFocusId, d.FocusId()) << "after key 0x" << std::hex << step.vk;
        EXPECT_EQ(step.nFocusItem, d.sb.m_nFocus);
        EXPECT_EQ(step.nClicked, ClickedButton());
        EXPECT_EQ(step.nFocusId == 343 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, d.ButtonType(343));
    }
}

// The round passes each end once, wrapping or telling the owner of the edge: Down from the
// last item and Up from the first.
TEST(NavigationTest, NoEnabledItemEndsTheKeyAfterOneRound) {
    for (const short bEdge : {0, 1}) {
        ControllerSettings settings;
        settings.bWrapNotify = 1;
        settings.bEdgeNotify = bEdge;
        ControlledDialog d(200, settings);
        for (int nID = 201; nID <= 203; ++nID)
            EnableWindow(d.Item(nID), FALSE);
        for (const Step& step : {Step{VK_DOWN, 203}, Step{VK_UP, 201}}) {
            d.sb.SetFocusID(static_cast<short>(step.nFocusId));
            test::ClearMessages();
            EXPECT_EQ(1, d.sb.DialogKeyDown(step.vk));
            EXPECT_EQ(step.nFocusId - 201, d.sb.m_nFocus);
            d.Pump();
            const bool bDown = step.vk == VK_DOWN;
            EXPECT_TRUE(MessagesAre(
                {bEdge ? Private("owner", bDown ? WM_DLGSB_LEAVEBOTTOM : WM_DLGSB_LEAVETOP)
                       : Private("dlg", bDown ? WM_DLGSB_WRAPTOP : WM_DLGSB_WRAPBOTTOM)}));
        }
    }
}

} // namespace
