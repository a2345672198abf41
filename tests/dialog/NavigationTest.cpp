// Moving through a dialog with Enter, Up and Down: wrapping at the ends, telling the dialog or
// its owner, the default push button following the focus, and disabled items.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;
using test::ControllerSettings;
using test::ExpectedMessage;
using test::lparam;
using test::MessagesAre;
using test::optional;
using test::posted;
using test::sent;
using test::TypeKey;
using test::wparam;

// Template 200: push button 201, edits 202 and 203.
void FocusLastEdit(ControlledDialog& d) {
    TypeKey(VK_DOWN);
    TypeKey(VK_DOWN);
    ASSERT_EQ(203, d.FocusId());
    test::ClearMessages();
}

TEST(NavigationTest, DownOnTheLastItemWrapsToThePushButtonWhichBecomesDefault) {
    ControlledDialog d(200);
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    EXPECT_EQ(201, d.FocusId());
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_EQ(static_cast<UINT>(BS_DEFPUSHBUTTON), d.ButtonType(201));
    EXPECT_TRUE(MessagesAre({{"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(203, EN_KILLFOCUS)}}));
}

TEST(NavigationTest, UpOnTheFirstItemWrapsToTheLastAndThePushButtonIsNoLongerDefault) {
    ControlledDialog d(200);
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    test::ClearMessages();
    TypeKey(VK_UP);
    EXPECT_EQ(203, d.FocusId());
    EXPECT_EQ(static_cast<UINT>(BS_PUSHBUTTON), d.ButtonType(201));
    EXPECT_TRUE(MessagesAre({{"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(203, EN_SETFOCUS)}}));
}

TEST(NavigationTest, WrapNotifyPostsTheWrapMessagesToTheDialog) {
    ControllerSettings settings;
    settings.bWrapNotify = 1;
    ControlledDialog d(200, settings);
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    TypeKey(VK_UP);
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(203, EN_KILLFOCUS)},
        {"dlg", WM_DLGSB_WRAPTOP, posted | wparam | lparam, 0, 0},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(203, EN_SETFOCUS)},
        {"dlg", WM_DLGSB_WRAPBOTTOM, posted | wparam | lparam, 0, 0},
    }));
}

// At the edges the focus stays and the owner hears it, even when wrapping would be announced.
TEST(NavigationTest, EdgeNotifyTellsTheOwnerAndKeepsTheFocus) {
    ControllerSettings settings;
    settings.bEdgeNotify = 1;
    settings.bWrapNotify = 1;
    ControlledDialog d(200, settings);
    ASSERT_EQ(201, d.FocusId());
    TypeKey(VK_UP);
    EXPECT_EQ(201, d.FocusId());
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_TRUE(MessagesAre({{"owner", WM_DLGSB_LEAVETOP, posted | wparam | lparam, 0, 0}}));
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    EXPECT_EQ(203, d.FocusId());
    EXPECT_EQ(2, d.sb.m_nFocus);
    EXPECT_TRUE(MessagesAre({{"owner", WM_DLGSB_LEAVEBOTTOM, posted | wparam | lparam, 0, 0}}));
}

TEST(NavigationTest, EdgeMessageGoesToTheParentOfADialogWithoutOwner) {
    ControllerSettings settings;
    settings.bEdgeNotify = 1;
    ControlledDialog d(201, settings); // a child dialog inside the owner window
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    EXPECT_EQ(203, d.FocusId());
    EXPECT_TRUE(MessagesAre({{"owner", WM_DLGSB_LEAVEBOTTOM, posted | wparam | lparam, 0, 0}}));
}

TEST(NavigationTest, EdgeMessageGoesNowhereWithoutOwnerOrParent) {
    ControllerSettings settings;
    settings.bEdgeNotify = 1;
    settings.bOwned = false;
    ControlledDialog d(200, settings);
    FocusLastEdit(d);
    TypeKey(VK_DOWN);
    EXPECT_EQ(203, d.FocusId());
    EXPECT_TRUE(MessagesAre({}));
}

TEST(NavigationTest, EnterOnAnEditMovesLikeDown) {
    ControlledDialog d(200);
    TypeKey(VK_DOWN);
    ASSERT_EQ(202, d.FocusId());
    TypeKey(VK_RETURN);
    EXPECT_EQ(203, d.FocusId());
    EXPECT_EQ(2, d.sb.m_nFocus);
}

// Template 230 starts with edit 5500, which the host keeps.
TEST(NavigationTest, EnterOnAHostFieldChangesNothing) {
    ControlledDialog d(230);
    ASSERT_EQ(5500, d.FocusId());
    EXPECT_EQ(1, d.sb.DialogKeyDown(VK_RETURN));
    EXPECT_EQ(0, d.sb.m_nFocus);
    EXPECT_EQ(5500, d.FocusId());
}

TEST(NavigationTest, DisabledItemsAreSkippedBothWays) {
    ControlledDialog d(200, {}, [](HWND hDlg) { EnableWindow(GetDlgItem(hDlg, 202), FALSE); });
    ASSERT_EQ(201, d.FocusId());
    TypeKey(VK_DOWN);
    EXPECT_EQ(203, d.FocusId());
    TypeKey(VK_UP);
    EXPECT_EQ(201, d.FocusId());
}

TEST(NavigationTest, DisabledLastItemIsSkippedAcrossTheWrap) {
    ControlledDialog d(200, {}, [](HWND hDlg) { EnableWindow(GetDlgItem(hDlg, 203), FALSE); });
    TypeKey(VK_DOWN);
    ASSERT_EQ(202, d.FocusId());
    TypeKey(VK_DOWN);
    EXPECT_EQ(201, d.FocusId());
    TypeKey(VK_UP);
    EXPECT_EQ(202, d.FocusId());
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
