// Combo boxes and list boxes under the controller: Enter and Space open and close a list,
// an open list keeps its keys, and a list box moves through the dialog with Left and Right.
#include "ControlledDialog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::ControlledDialog;

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

    // The control's own focus report makes it the focus item.
    void Focus(int nID) {
        SetFocus(d.Item(nID));
        test::ClearMessages();
    }
    bool Dropped(int nID) const { return d.Send(nID, CB_GETDROPPEDSTATE) != 0; }

    ControlledDialog d;
};

// Keys typed on one item, and where the focus, the list and its selection are after them.
struct KeyWalk {
    int nStartId;
    std::vector<UINT> keys;
    int nFocusId;
    bool bDropped;
    int nCurSel; // of the start item, a combo box or a list box
};

TEST_F(ComboListTest, KeysOnAListKeepOrMoveTheFocusByTheListsState) {
    const KeyWalk kWalks[] = {
        {242, {VK_SPACE}, 242, true, 0},                           // Space opens a closed list
        {242, {VK_RETURN, VK_RETURN}, 243, false, 0},              // Enter closes it, moves on
        {242, {VK_RETURN, VK_DOWN, VK_DOWN, VK_UP}, 242, true, 1}, // an open list keeps them
        {242, {VK_DOWN}, 243, false, 0},                           // a closed one moves on
        {242, {VK_UP}, 241, false, 0},
        {244, {VK_DOWN, VK_DOWN}, 244, false, 2},                 // a list box's Up and Down select
        {244, {VK_DOWN, VK_DOWN, VK_UP, VK_LEFT}, 243, false, 1}, // Left and Right move
        {244, {VK_RIGHT}, 245, false, 0},
        {244, {VK_RETURN}, 245, false, 0},
        {243, {VK_LEFT, VK_RIGHT}, 243, false, -1}, // on an edit they stay in the edit
    };
    for (const KeyWalk& w : kWalks) {
        SCOPED_TRACE(testing::Message() << "walk " << &w - kWalks);
        d.Send(242, CB_SHOWDROPDOWN, FALSE);
        d.Send(242, CB_SETCURSEL, 0);
        d.Send(244, LB_SETCURSEL, 0);
        Focus(w.nStartId);
        for (const UINT vk : w.keys)
            d.Type(vk);
        EXPECT_EQ(w.nFocusId, d.FocusId());
        EXPECT_EQ(w.nFocusId - 241, d.sb.m_nFocus);
        EXPECT_EQ(w.bDropped, Dropped(242));
        if (w.nCurSel >= 0) {
            EXPECT_EQ(w.nCurSel,
                      d.Send(w.nStartId, w.nStartId == 244 ? LB_GETCURSEL : CB_GETCURSEL));
        }
    }
}

} // namespace
