// Moving through a dialog with Enter, Up and Down: wrapping at the ends, telling the dialog or
// its owner, the default push button following the focus, and disabled items.
#include "ControlledDialog.h"
#include "ParamName.h"

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

const WalkCase kWalks[] = {
    {"DownOnTheLastItemWrapsToTheFirst",
     {200, 0, 0},
     {{VK_UP, 203}, {VK_DOWN, 201}},
     {EditFocus(203, EN_KILLFOCUS)}},
    {"UpOnTheFirstItemWrapsToTheLast", {200, 0, 0}, {{VK_UP, 203}}, {EditFocus(203, EN_SETFOCUS)}},
    {"WrapNotifyPostsTheWrapDownToTheDialog",
     {200, kWrapNotify, 0},
     {{VK_UP, 203}, {VK_DOWN, 201}},
     {EditFocus(203, EN_KILLFOCUS), Private("dlg", WM_DLGSB_WRAPTOP)}},
    {"WrapNotifyPostsTheWrapUpToTheDialog",
     {200, kWrapNotify, 0},
     {{VK_UP, 203}},
     {EditFocus(203, EN_SETFOCUS), Private("dlg", WM_DLGSB_WRAPBOTTOM)}},
    // At the edges the focus stays and the owner hears it, even when wrapping would be announced.
    {"EdgeNotifyAtTheTopTellsTheOwner",
     {200, kWrapNotify | kEdgeNotify, 0},
     {{VK_UP, 201}},
     {Private("owner", WM_DLGSB_LEAVETOP)}},
    {"EdgeNotifyAtTheBottomTellsTheOwner",
     {200, kWrapNotify | kEdgeNotify, 0},
     {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}},
     {Private("owner", WM_DLGSB_LEAVEBOTTOM)}},
    {"EdgeNotifyTellsTheParentOfADialogWithoutOwner",
     {201, kEdgeNotify, 0},
     {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}},
     {Private("owner", WM_DLGSB_LEAVEBOTTOM)}},
    {"EdgeNotifyTellsNobodyWithoutOwnerOrParent",
     {200, kEdgeNotify | kNotOwned, 0},
     {{VK_DOWN, 202}, {VK_DOWN, 203}, {VK_DOWN, 203}},
     {}},
    {"EnterOnAnEditMovesLikeDown",
     {200, 0, 0},
     {{VK_DOWN, 202}, {VK_RETURN, 203}},
     {EditFocus(202, EN_KILLFOCUS), EditFocus(203, EN_SETFOCUS)}},
    {"DisabledItemsAreSkippedBothWays",
     {200, 0, 202},
     {{VK_DOWN, 203}, {VK_UP, 201}},
     {EditFocus(203, EN_KILLFOCUS)}},
    {"DisabledLastItemIsSkippedAcrossTheWrap",
     {200, 0, 203},
     {{VK_DOWN, 202}, {VK_DOWN, 201}, {VK_UP, 202}},
     {EditFocus(202, EN_SETFOCUS)}},
};

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

TEST(NavigationTest, NoEnabledItemEndsTheKeyAfterOneRound) {
    ControlledDialog d(200);
    for (int nID = 201; nID <= 203; ++nID)
        EnableWindow(d.Item(nID), FALSE);
    d.sb.SetFocusID(202);
    EXPECT_EQ(1, d.sb.DialogKeyDown(VK_DOWN));
    EXPECT_EQ(1, d.sb.m_nFocus);
    EXPECT_EQ(1, d.sb.DialogKeyDown(VK_UP));
    EXPECT_EQ(1, d.sb.m_nFocus);
}

} // namespace
