// The host's own settings and queries of the focus item: SetFocusID, CheckNextEnableItem and
// CheckPageEnableItem, and focus reports the host makes itself.
#include "ControlledDialog.h"
#include "MessageBoxes.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;

// An unknown ID changes nothing; template 300 (edit 301, edit 40000) has an ID above 32767, which
// the signed ID SetFocusID takes never matches.
TEST(SetFocusIdTest, MakesTheFirstItemWithTheIdTheFocusItemWithoutMovingTheFocus) {
    ControlledDialog d(200);
    d.sb.SetFocusID(203);
    EXPECT_EQ(2, d.sb.m_nFocus);
    EXPECT_EQ(201, d.FocusId());
    d.sb.SetFocusID(999);
    EXPECT_EQ(2, d.sb.m_nFocus);
    ControlledDialog large(300);
    ASSERT_EQ(40000u, large.sb.m_pID[1]);
    large.sb.SetFocusID(static_cast<short>(40000));
    EXPECT_EQ(0, large.sb.m_nFocus);
}

// The next enabled item without wrapping, and the first enabled item.
TEST(CheckNextEnableItemTest, NextAndFirstEnabledItem) {
    ControlledDialog d(200);
    short nID = -1;
    EXPECT_EQ(1, d.sb.CheckNextEnableItem(&nID));
    EXPECT_EQ(202, nID);
    EnableWindow(d.Item(202), FALSE);
    EXPECT_EQ(1, d.sb.CheckNextEnableItem(&nID));
    EXPECT_EQ(203, nID);
    d.sb.SetFocusID(203);
    EXPECT_EQ(0, d.sb.CheckNextEnableItem(&nID));
    EXPECT_EQ(0, nID);
    EXPECT_EQ(1, d.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(201, nID);
    EnableWindow(d.Item(201), FALSE);
    EXPECT_EQ(1, d.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(203, nID);
    EXPECT_EQ(2, d.sb.m_nFocus);
    EnableWindow(d.Item(203), FALSE);
    EXPECT_EQ(0, d.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(0, nID);
}

// Template 270: radios 271-272 and 273-275 (two groups, the first and the last checked), edit
// 276. ResetFocusPos walks the focus item's own group, goes back to the first enabled item when
// none is enabled from the focus item on, and with none enabled leaves the focus alone. A case
// gives the focus item's ID, the first of the items disabled up to 276 (0: none), and where the
// focus and the focus item are after it.
TEST(ResetFocusPosTest, PlacesTheFocusOnTheProperItem) {
    const struct {
        int nFocusId;
        int nDisabledFrom;
        int nFocusAfter;
        int nItemAfter;
    } kCases[] = {{274, 0, 275, 4}, {276, 272, 271, 0}, {276, 271, 0, 5}};
    for (const auto& c : kCases) {
        ControlledDialog d(270, {}, [](HWND hDlg) {
            for (const int nID : {271, 275})
                CheckDlgButton(hDlg, nID, BST_CHECKED);
        });
        SetFocus(d.host.Owner());
        for (int nID = c.nDisabledFrom; nID != 0 && nID <= 276; ++nID)
            EnableWindow(d.Item(nID), FALSE);
        d.sb.SetFocusID(static_cast<short>(c.nFocusId));
        EXPECT_EQ(1, d.sb.ResetFocusPos());
        EXPECT_EQ(c.nFocusAfter, d.FocusId());
        EXPECT_EQ(c.nItemAfter, d.sb.m_nFocus);
    }
    EXPECT_EQ(0, CDlgSb().ResetFocusPos()) << "before Init";
}

// The host's own report of a check box (template 290: check box 291, radios 292-293) checks it,
// unless the host asks for no action.
TEST(DialogFocusTest, HostReportChecksACheckBoxUnlessNoAction) {
    for (const short bNoAction : {1, 0}) {
        ControlledDialog d(290, {}, [](HWND hDlg) { CheckDlgButton(hDlg, 292, BST_CHECKED); });
        d.sb.DialogFocus(0, bNoAction);
        EXPECT_EQ(bNoAction ? BST_UNCHECKED : BST_CHECKED, d.Send(291, BM_GETCHECK));
    }
}

// Template 260: edits 261-263, radios 264-266, edit 267.
void DisableLeadingEdits(HWND hDlg) {
    for (int nID = 261; nID <= 263; ++nID)
        EnableWindow(GetDlgItem(hDlg, nID), FALSE);
}

void CheckOnly(const ControlledDialog& d, int nChecked) {
    for (int nID = 264; nID <= 266; ++nID)
        CheckDlgButton(d.host.Dialog(), nID, nID == nChecked ? BST_CHECKED : BST_UNCHECKED);
}

// With the edits before it disabled, the group takes the focus at Init, and its focus report
// checks its first button; the test then sets the group as it needs it. Template 220: loose radios
// 221-222, push 223, then radio 224 in a group of its own that runs to the last item.
TEST(CheckPageEnableItemTest, RadioGroupFirstGivesItsCheckedButtonOrItsFirstEnabledOne) {
    ControlledDialog d(260, {}, DisableLeadingEdits);
    ASSERT_EQ(static_cast<LRESULT>(BST_CHECKED), d.Send(264, BM_GETCHECK));
    CheckOnly(d, 265);
    short nID = 0;
    EXPECT_EQ(1, d.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(265, nID);
    ControlledDialog last(220);
    for (int nItem = 221; nItem <= 223; ++nItem)
        EnableWindow(last.Item(nItem), FALSE);
    EXPECT_EQ(1, last.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(224, nID);
}

TEST(CheckPageEnableItemTest, UncheckedGroupFirstIsAProgramError) {
    ControlledDialog d(260, {}, DisableLeadingEdits);
    CheckOnly(d, 0);
    const test::MessageBoxes boxes;
    short nID = -1;
    EXPECT_EQ(0, d.sb.CheckPageEnableItem(&nID));
    EXPECT_EQ(0, nID);
    EXPECT_EQ(1u, boxes.Shown().size());
}

} // namespace
