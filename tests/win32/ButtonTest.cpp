// Buttons as the controller uses them: the dialog code and the check state of each type it makes
// an item of, a click on an automatic radio button clearing its group, and the default
// push-button style.
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
using test::sent;
using test::wparam;

constexpr int kId = 100;

LPARAM Handle(HWND hwnd) {
    return reinterpret_cast<LPARAM>(hwnd);
}

WPARAM Command(int nId, WORD wCode) {
    return MAKEWPARAM(nId, wCode);
}

struct DialogCodeCase {
    const char* name;
    DWORD style;
    LRESULT code;
};

class ButtonDialogCodeTest : public ::testing::TestWithParam<DialogCodeCase> {};

TEST_P(ButtonDialogCodeTest, IsTheCodeOfItsType) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", GetParam().style, kId, "b");
    EXPECT_EQ(GetParam().code, SendMessageA(button, WM_GETDLGCODE, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Types, ButtonDialogCodeTest,
    ::testing::Values(
        DialogCodeCase{"PushButton", BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        DialogCodeCase{"DefPushButton", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
        DialogCodeCase{"CheckBox", BS_CHECKBOX, DLGC_BUTTON},
        DialogCodeCase{"AutoCheckBox", BS_AUTOCHECKBOX, DLGC_BUTTON},
        DialogCodeCase{"RadioButton", BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        DialogCodeCase{"ThreeState", BS_3STATE, DLGC_BUTTON},
        DialogCodeCase{"AutoThreeState", BS_AUTO3STATE, DLGC_BUTTON},
        DialogCodeCase{"AutoRadioButton", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON}),
    test::ParamName<DialogCodeCase>);

struct CheckCase {
    const char* name;
    DWORD style;
    WPARAM wRequested;
    LRESULT kept;
};

class ButtonSetCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ButtonSetCheckTest, KeepsAtMostTheLargestStateOfItsType) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", GetParam().style, kId, "b");
    EXPECT_EQ(0, SendMessageA(button, BM_SETCHECK, GetParam().wRequested, 0));
    EXPECT_EQ(GetParam().kept, SendMessageA(button, BM_GETCHECK, 0, 0));
    EXPECT_EQ(GetParam().kept, SendMessageA(button, BM_GETSTATE, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Types, ButtonSetCheckTest,
                         ::testing::Values(CheckCase{"CheckBoxChecked", BS_CHECKBOX, 1, 1},
                                           CheckCase{"CheckBoxIndeterminate", BS_CHECKBOX, 2, 1},
                                           CheckCase{"RadioFive", BS_AUTORADIOBUTTON, 5, 1},
                                           CheckCase{"ThreeStateIndeterminate", BS_3STATE, 2, 2},
                                           CheckCase{"AutoThreeStateFive", BS_AUTO3STATE, 5, 2},
                                           CheckCase{"PushButton", BS_PUSHBUTTON, 1, 0}),
                         test::ParamName<CheckCase>);

// Template 102: r1 (WS_GROUP), r2, r3 (not automatic), r4 | r5 (WS_GROUP). A click on r2 checks
// it and clears r3, r4 and r1, going round the group from r2; r5 is in the next group.
TEST(ButtonTest, ClickOnAutomaticRadioChecksItAndClearsTheOtherRadiosOfItsGroup) {
    test::HostDialog dialog(test::ProgramModule(), 102);
    const char* const names[] = {"r1", "r2", "r3", "r4", "r5"};
    for (int i = 0; i < 5; ++i) {
        SendMessageA(dialog.Item(10 + i), BM_SETCHECK, BST_CHECKED, 0);
        test::RecordControl(dialog.Item(10 + i), names[i]);
    }
    SetFocus(dialog.Item(10));
    test::Pump();
    test::ClearMessages();

    SendMessageA(dialog.Item(11), BM_CLICK, 0, 0);
    test::Pump();

    EXPECT_TRUE(MessagesAre({
        {"r2", BM_CLICK, sent, 0, 0},
        {"r2", WM_LBUTTONDOWN, sent, 0, 0},
        {"r1", WM_KILLFOCUS, sent, 0, 0},
        {"r2", WM_SETFOCUS, sent, 0, 0},
        {"r2", BM_SETSTATE, sent | wparam, TRUE, 0},
        {"r2", WM_LBUTTONUP, sent, 0, 0},
        {"r2", BM_SETSTATE, sent | wparam, FALSE, 0},
        {"r2", WM_GETDLGCODE, sent, 0, 0},
        {"r2", BM_SETCHECK, sent | wparam, BST_CHECKED, 0},
        {"r3", WM_GETDLGCODE, sent, 0, 0},
        {"r3", BM_SETCHECK, sent | wparam, BST_UNCHECKED, 0},
        {"r4", WM_GETDLGCODE, sent, 0, 0},
        {"r4", BM_SETCHECK, sent | wparam, BST_UNCHECKED, 0},
        {"r1", WM_GETDLGCODE, sent, 0, 0},
        {"r1", BM_SETCHECK, sent | wparam, BST_UNCHECKED, 0},
        {"r2", WM_CAPTURECHANGED, sent, 0, 0},
        {"dlg", WM_COMMAND, sent | wparam | lparam, Command(11, BN_CLICKED),
         Handle(dialog.Item(11))},
    }));
    const LRESULT expected[] = {0, 1, 0, 0, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], SendMessageA(dialog.Item(10 + i), BM_GETCHECK, 0, 0)) << names[i];
}

TEST(ButtonTest, SetStyleSwitchesTheDefaultPushButtonWithoutStyleMessages) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_PUSHBUTTON | WS_TABSTOP, kId, "ok");
    test::RecordControl(button, "button");

    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON),
              GetWindowLongA(button, GWL_STYLE));
    EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, SendMessageA(button, WM_GETDLGCODE, 0, 0));
    SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON),
              GetWindowLongA(button, GWL_STYLE));

    EXPECT_TRUE(MessagesAre({
        {"button", BM_SETSTYLE, sent | wparam, BS_DEFPUSHBUTTON, 0},
        {"button", WM_GETDLGCODE, sent, 0, 0},
        {"button", BM_SETSTYLE, sent | wparam, BS_PUSHBUTTON, 0},
    }));
}

} // namespace
