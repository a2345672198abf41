// Combo boxes and list boxes under the controller: Enter and Space open and close a list,
// an open list keeps its keys, Escape from the host closes it, and a list box moves through the
// dialog with Left and Right.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;
using test::MessagesAre;
using test::optional;
using test::sent;
using test::wparam;

// Template 240: edit 241, combo 242, edit 243, list 244, edit 245, combo 246.
void FillLists(HWND hDlg) {
    for (const char* pszRow : {"one", "two", "three"}) {
        SendDlgItemMessageA(hDlg, 242, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SendDlgItemMessageA(hDlg, 246, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SendDlgItemMessageA(hDlg, 244, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
    }
    SendDlgItemMessageA(hDlg, 242, CB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(hDlg, 244, LB_SETCURSEL, 0, 0);
}

class ComboListTest : public ::testing::Test {
protected:
    ComboListTest() : d(240, {}, FillLists) {}

    void Focus(int nID) {
        d.sb.SetFocusID(static_cast<short>(nID));
        SetFocus(d.Item(nID));
        test::ClearMessages();
    }
    bool Dropped(int nID) const { return d.Send(nID, CB_GETDROPPEDSTATE) != 0; }

    ControlledDialog d;
};

TEST_F(ComboListTest, EnterOpensAClosedListAndASecondEnterClosesItAndMovesOn) {
    Focus(242);
    d.Type(VK_RETURN);
    EXPECT_TRUE(Dropped(242));
    EXPECT_EQ(242, d.FocusId());
    EXPECT_EQ(1, d.sb.m_nFocus);
    EXPECT_TRUE(MessagesAre({{"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(242, CBN_DROPDOWN)}}));
    test::ClearMessages();
    d.Type(VK_RETURN);
    EXPECT_FALSE(Dropped(242));
    EXPECT_EQ(243, d.FocusId());
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(242, CBN_SELENDCANCEL)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(242, CBN_CLOSEUP)},
        {"dlg", WM_COMMAND, sent | wparam | optional, MAKEWPARAM(242, CBN_SELENDCANCEL)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(242, CBN_KILLFOCUS)},
        {"dlg", WM_COMMAND, sent | wparam, MAKEWPARAM(243, EN_SETFOCUS)},
    }));
}

TEST_F(ComboListTest, SpaceOpensAClosedList) {
    Focus(242);
    d.Type(VK_SPACE);
    EXPECT_TRUE(Dropped(242));
    EXPECT_EQ(242, d.FocusId());
}

TEST_F(ComboListTest, UpAndDownStayInsideAnOpenList) {
    Focus(242);
    d.Type(VK_RETURN);
    d.Type(VK_DOWN);
    d.Type(VK_DOWN);
    d.Type(VK_UP);
    EXPECT_TRUE(Dropped(242));
    EXPECT_EQ(242, d.FocusId());
    EXPECT_EQ(1, d.sb.m_nFocus);
    EXPECT_EQ(1, d.Send(242, CB_GETCURSEL));
}

TEST_F(ComboListTest, UpAndDownOnAClosedListMoveThroughTheDialog) {
    Focus(242);
    d.Type(VK_DOWN);
    EXPECT_EQ(243, d.FocusId());
    Focus(242);
    d.Type(VK_UP);
    EXPECT_EQ(241, d.FocusId());
    EXPECT_EQ(0, d.Send(242, CB_GETCURSEL));
}

TEST_F(ComboListTest, EscapeFromTheHostClosesAnOpenListAndReportsIt) {
    Focus(242);
    d.Type(VK_RETURN);
    ASSERT_TRUE(Dropped(242));
    EXPECT_EQ(0, d.sb.DialogKeyDown(VK_ESCAPE));
    EXPECT_FALSE(Dropped(242));
    EXPECT_EQ(242, d.FocusId());
    EXPECT_EQ(1, d.sb.m_nFocus);
    EXPECT_EQ(1, d.sb.DialogKeyDown(VK_ESCAPE));
    EXPECT_FALSE(Dropped(242));
}

TEST_F(ComboListTest, LeftAndRightMoveBetweenItemsWhileUpAndDownMoveTheSelection) {
    Focus(244);
    d.Type(VK_DOWN);
    d.Type(VK_DOWN);
    EXPECT_EQ(244, d.FocusId());
    EXPECT_EQ(2, d.Send(244, LB_GETCURSEL));
    d.Type(VK_UP);
    EXPECT_EQ(1, d.Send(244, LB_GETCURSEL));
    d.Type(VK_LEFT);
    EXPECT_EQ(243, d.FocusId());
    Focus(244);
    d.Type(VK_RIGHT);
    EXPECT_EQ(245, d.FocusId());
    Focus(244);
    d.Type(VK_RETURN);
    EXPECT_EQ(245, d.FocusId());
}

TEST_F(ComboListTest, LeftAndRightOnAnEditStayInTheEdit) {
    Focus(243);
    d.Type(VK_LEFT);
    d.Type(VK_RIGHT);
    EXPECT_EQ(243, d.FocusId());
    EXPECT_EQ(2, d.sb.m_nFocus);
}

} // namespace
