// Function keys reach the host from every kind of control, and the focus stays.
#include "ControlledDialog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

namespace {

using test::ControlledDialog;
using test::ControllerSettings;
using test::lparam;
using test::MessagesAre;
using test::sent;
using test::wparam;

// Template 280: push 281, check box 282, radio 283, edit 284, combo 285, list 286.
void Prepare(HWND hDlg) {
    CheckDlgButton(hDlg, 283, BST_CHECKED);
    SendDlgItemMessageA(hDlg, 285, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    SendDlgItemMessageA(hDlg, 286, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
}

struct FocusCase {
    const char* name;
    int nID;
    bool bOpenList;
};

class FunctionKeyTest : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FunctionKeyTest, F5IsSentToTheDialogAndTheFocusStays) {
    for (const UINT nFuncKeyMsg : {test::kFuncKeyMsg, 0u}) {
        ControllerSettings settings;
        settings.nFuncKeyMsg = nFuncKeyMsg;
        ControlledDialog d(280, settings, Prepare);
        const FocusCase& c = GetParam();
        d.sb.SetFocusID(static_cast<short>(c.nID));
        SetFocus(d.Item(c.nID));
        if (c.bOpenList)
            d.Send(c.nID, CB_SHOWDROPDOWN, TRUE);
        const int nFocusItem = d.sb.m_nFocus;
        d.Pump();
        test::ClearMessages();
        d.Type(VK_F5);
        EXPECT_EQ(c.nID, d.FocusId());
        EXPECT_EQ(nFocusItem, d.sb.m_nFocus);
        EXPECT_TRUE(MessagesAre({{"dlg", nFuncKeyMsg, sent | wparam | lparam, VK_F5, 0}}))
            << "host message " << nFuncKeyMsg;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, FunctionKeyTest,
    ::testing::Values(FocusCase{"PushButton", 281, false}, FocusCase{"CheckBox", 282, false},
                      FocusCase{"RadioButton", 283, false}, FocusCase{"Edit", 284, false},
                      FocusCase{"ClosedCombo", 285, false}, FocusCase{"OpenCombo", 285, true},
                      FocusCase{"ListBox", 286, false}),
    test::ParamName<FocusCase>);

} // namespace
