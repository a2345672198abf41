// Buttons as the controller uses them: the dialog code and the check state of each type it makes
// an item of, and a click on an automatic radio button clearing its group.
#include "ControlHost.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

namespace {

using test::lparam;
using test::MessagesAre;
using test::Send;
using test::sent;
using test::wparam;

constexpr int kId = 100;

// Each type of button the controller makes an item of: its dialog code, and the check state it
// keeps of the two it is given (checked, then a larger one).
struct TypeCase {
    const char* name;
    DWORD style;
    LRESULT code;
    LRESULT checked;
    LRESULT largest;
};

class ButtonTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(ButtonTypeTest, HasTheDialogCodeAndKeepsAtMostTheLargestStateOfItsType) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", GetParam().style, kId, "b");
    EXPECT_EQ(GetParam().code, Send(button, WM_GETDLGCODE));
    EXPECT_EQ(0, Send(button, BM_SETCHECK, BST_CHECKED, 0));
    EXPECT_EQ(GetParam().checked, Send(button, BM_GETCHECK));
    EXPECT_EQ(0, Send(button, BM_SETCHECK, 5, 0));
    EXPECT_EQ(GetParam().largest, Send(button, BM_GETCHECK));
    EXPECT_EQ(GetParam().largest, Send(button, BM_GETSTATE));
}

constexpr LRESULT kPush = DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
constexpr LRESULT kRadio = DLGC_BUTTON | DLGC_RADIOBUTTON;

INSTANTIATE_TEST_SUITE_P(
    Types, ButtonTypeTest,
    ::testing::Values(TypeCase{"PushButton", BS_PUSHBUTTON, kPush, 0, 0},
                      TypeCase{"DefPushButton", BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON,
                               0, 0},
                      TypeCase{"UserButtonIsAPushButton", BS_USERBUTTON, kPush, 0, 0},
                      TypeCase{"CheckBox", BS_CHECKBOX, DLGC_BUTTON, 1, 1},
                      TypeCase{"AutoCheckBox", BS_AUTOCHECKBOX, DLGC_BUTTON, 1, 1},
                      TypeCase{"RadioButton", BS_RADIOBUTTON, kRadio, 1, 1},
                      TypeCase{"AutoRadioButton", BS_AUTORADIOBUTTON, kRadio, 1, 1},
                      TypeCase{"ThreeState", BS_3STATE, DLGC_BUTTON, 1, 2},
                      TypeCase{"AutoThreeState", BS_AUTO3STATE, DLGC_BUTTON, 1, 2}),
    test::ParamName<TypeCase>);

// Template 102: r1 (WS_GROUP), r2, r3 (not automatic), r4 | r5 (WS_GROUP). A click on r2 checks
// it and clears r3, r4 and r1, going round the group from r2; r5 is in the next group.
TEST(ButtonTest, ClickOnAutomaticRadioChecksItAndClearsTheOtherRadiosOfItsGroup) {
    test::HostDialog dialog(test::ProgramModule(), 102);
    const char* const names[] = {"r1", "r2", "r3", "r4", "r5"};
    for (int i = 0; i < 5; ++i) {
        Send(dialog.Item(10 + i), BM_SETCHECK, BST_CHECKED, 0);
        test::RecordControl(dialog.Item(10 + i), names[i]);
    }
    SetFocus(dialog.Item(10));
    test::Pump();
    test::ClearMessages();

    Send(dialog.Item(11), BM_CLICK);
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
        {"dlg", WM_COMMAND, sent | wparam | lparam, MAKEWPARAM(11, BN_CLICKED),
         reinterpret_cast<LPARAM>(dialog.Item(11))},
    }));
    const LRESULT expected[] = {0, 1, 0, 0, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(expected[i], Send(dialog.Item(10 + i), BM_GETCHECK)) << names[i];
        EXPECT_EQ(Send(dialog.Dialog(), WM_GETFONT), Send(dialog.Item(10 + i), WM_GETFONT))
            << "the dialog's font";
    }
}

} // namespace
