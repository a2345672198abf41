// Button controls: dialog codes and check states by type, clicks with the mouse, with Space and
// with BM_CLICK, automatic radio groups, focus notifications, the default push-button style,
// owner drawing and the caption's painting.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <cstring>

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

LPARAM InsideOnScreen(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return MAKELPARAM(rc.left + 5, rc.top + 5);
}

UINT PressAndFocus(HWND hwnd) {
    return static_cast<UINT>(SendMessageA(hwnd, BM_GETSTATE, 0, 0)) &
           (BST_CHECKED | BST_INDETERMINATE | BST_PUSHED | BST_FOCUS);
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
        DialogCodeCase{"GroupBox", BS_GROUPBOX, DLGC_STATIC},
        DialogCodeCase{"UserButton", BS_USERBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
        DialogCodeCase{"AutoRadioButton", BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
        DialogCodeCase{"PushBox", BS_PUSHBOX, DLGC_BUTTON},
        DialogCodeCase{"OwnerDraw", BS_OWNERDRAW, DLGC_BUTTON}),
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
                                           CheckCase{"PushButton", BS_PUSHBUTTON, 1, 0},
                                           CheckCase{"GroupBox", BS_GROUPBOX, 1, 0},
                                           CheckCase{"OwnerDraw", BS_OWNERDRAW, 1, 0}),
                         test::ParamName<CheckCase>);

struct ClickCase {
    const char* name;
    DWORD style;
    std::vector<LRESULT> statesAfterClicks;
};

class ButtonClickCheckTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ButtonClickCheckTest, AutomaticTypesAdvanceTheirStateAndOthersKeepIt) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", GetParam().style, kId, "b");
    for (LRESULT expected : GetParam().statesAfterClicks) {
        SendMessageA(button, BM_CLICK, 0, 0);
        EXPECT_EQ(expected, SendMessageA(button, BM_GETCHECK, 0, 0));
    }
}

INSTANTIATE_TEST_SUITE_P(Types, ButtonClickCheckTest,
                         ::testing::Values(ClickCase{"AutoCheckBox", BS_AUTOCHECKBOX, {1, 0, 1}},
                                           ClickCase{"AutoThreeState", BS_AUTO3STATE, {1, 2, 0, 1}},
                                           ClickCase{"AutoRadioButton", BS_AUTORADIOBUTTON, {1, 1}},
                                           ClickCase{"CheckBox", BS_CHECKBOX, {0, 0}},
                                           ClickCase{"ThreeState", BS_3STATE, {0, 0}},
                                           ClickCase{"RadioButton", BS_RADIOBUTTON, {0, 0}}),
                         test::ParamName<ClickCase>);

TEST(ButtonTest, UserButtonIsMadeAPushButton) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_USERBUTTON, kId, "b");
    EXPECT_EQ(static_cast<LONG>(BS_PUSHBUTTON), GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
}

// R1 (WS_GROUP), R2, R3 (not automatic), R4 | R5 (WS_GROUP): a click on R2 checks it and clears
// R3, R4 and R1, going round the group from R2; R5 is in the next group.
TEST(ButtonTest, ClickOnAutomaticRadioChecksItAndClearsTheOtherRadiosOfItsGroup) {
    test::DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 200, 100);
    tmpl.Control(test::kButtonAtom, BS_AUTORADIOBUTTON | WS_GROUP, 0, 0, 50, 10, 10, "r1")
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON, 0, 10, 50, 10, 11, "r2")
        .Control(test::kButtonAtom, BS_RADIOBUTTON, 0, 20, 50, 10, 12, "r3")
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON, 0, 30, 50, 10, 13, "r4")
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON | WS_GROUP, 0, 40, 50, 10, 14, "r5");
    test::ControlDialog dialog(tmpl);
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

TEST(ButtonTest, CheckedRadioCarriesTheTabStop) {
    test::ParentWindow parent;
    const HWND radio = parent.Create("Button", BS_RADIOBUTTON, kId, "r");
    const HWND check = parent.Create("Button", BS_CHECKBOX, kId + 1, "c");
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_NE(0, GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(0, GetWindowLongA(check, GWL_STYLE) & WS_TABSTOP);
    SendMessageA(radio, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(0, GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP);
}

TEST(ButtonTest, SpacePushesOnKeyDownAndClicksOnKeyUp) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_PUSHBUTTON, kId, "b");
    SetFocus(button);
    test::RecordControl(button, "button");
    test::ClearMessages();

    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(static_cast<UINT>(BST_PUSHED | BST_FOCUS), PressAndFocus(button));
    EXPECT_EQ(button, GetCapture());
    SendMessageA(button, WM_KEYUP, 'A', 0xC0000001);
    EXPECT_EQ(static_cast<UINT>(BST_PUSHED | BST_FOCUS), PressAndFocus(button));
    SendMessageA(button, WM_KEYUP, VK_SPACE, 0xC0000001);

    EXPECT_TRUE(MessagesAre({
        {"button", WM_KEYDOWN, sent | wparam, VK_SPACE, 0},
        {"button", BM_SETSTATE, sent | wparam, TRUE, 0},
        {"button", BM_GETSTATE, sent, 0, 0},
        {"button", WM_KEYUP, sent | wparam, 'A', 0},
        {"button", BM_GETSTATE, sent, 0, 0},
        {"button", WM_KEYUP, sent | wparam, VK_SPACE, 0},
        {"button", BM_SETSTATE, sent | wparam, FALSE, 0},
        {"button", WM_CAPTURECHANGED, sent, 0, 0},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_CLICKED), Handle(button)},
    }));
    EXPECT_EQ(static_cast<UINT>(BST_FOCUS), PressAndFocus(button));
    EXPECT_EQ(nullptr, GetCapture());
}

TEST(ButtonTest, MousePressTakesFocusAndCaptureAndReleaseOutsideDoesNotClick) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_AUTOCHECKBOX, kId, "b", 0, 50, 20);
    test::RecordControl(button, "button");

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button, GetFocus());
    EXPECT_EQ(button, GetCapture());
    EXPECT_EQ(static_cast<UINT>(BST_PUSHED | BST_FOCUS), PressAndFocus(button));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(60, 5));

    EXPECT_TRUE(MessagesAre({
        {"button", WM_LBUTTONDOWN, sent, 0, 0},
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        {"button", WM_SETFOCUS, sent, 0, 0},
        {"button", BM_SETSTATE, sent | wparam, TRUE, 0},
        {"button", BM_GETSTATE, sent, 0, 0},
        {"button", WM_LBUTTONUP, sent, 0, 0},
        {"button", BM_SETSTATE, sent | wparam, FALSE, 0},
        {"button", WM_CAPTURECHANGED, sent, 0, 0},
    }));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(button, BM_GETCHECK, 0, 0));
    EXPECT_EQ(nullptr, GetCapture());
}

TEST(ButtonTest, MouseReleaseInsideChecksAndThenNotifies) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_AUTOCHECKBOX, kId, "b", 0, 50, 20);
    SetFocus(button);
    test::RecordControl(button, "button");
    test::ClearMessages();

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(49, 19));

    EXPECT_TRUE(MessagesAre({
        {"button", WM_LBUTTONDOWN, sent, 0, 0},
        {"button", BM_SETSTATE, sent | wparam, TRUE, 0},
        {"button", WM_LBUTTONUP, sent, 0, 0},
        {"button", BM_SETSTATE, sent | wparam, FALSE, 0},
        {"button", BM_SETCHECK, sent | wparam, BST_CHECKED, 0},
        {"button", WM_CAPTURECHANGED, sent, 0, 0},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_CLICKED), Handle(button)},
    }));
}

TEST(ButtonTest, LosingTheFocusWhilePushedReleasesWithoutClick) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_PUSHBUTTON, kId, "b");
    SetFocus(button);
    test::RecordControl(button, "button");
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    test::ClearMessages();

    SetFocus(parent.Handle());

    EXPECT_TRUE(MessagesAre({
        {"button", WM_KILLFOCUS, sent, 0, 0},
        {"button", WM_CAPTURECHANGED, sent, 0, 0},
        {"button", BM_SETSTATE, sent | wparam, FALSE, 0},
        {"parent", WM_SETFOCUS, sent, 0, 0},
    }));
    EXPECT_EQ(0u, PressAndFocus(button));
}

TEST(ButtonTest, FocusNotificationsOnlyWithNotifyStyle) {
    test::ParentWindow parent;
    const HWND notifying = parent.Create("Button", BS_PUSHBUTTON | BS_NOTIFY, kId, "n");
    const HWND plain = parent.Create("Button", BS_PUSHBUTTON, kId + 1, "p");

    SetFocus(notifying);
    EXPECT_EQ(static_cast<UINT>(BST_FOCUS), PressAndFocus(notifying));
    SetFocus(plain);
    EXPECT_EQ(0u, PressAndFocus(notifying));
    SetFocus(notifying);
    SetFocus(parent.Handle());

    EXPECT_TRUE(MessagesAre({
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_SETFOCUS),
         Handle(notifying)},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_KILLFOCUS),
         Handle(notifying)},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_SETFOCUS),
         Handle(notifying)},
        {"parent", WM_COMMAND, sent | wparam | lparam, Command(kId, BN_KILLFOCUS),
         Handle(notifying)},
        {"parent", WM_SETFOCUS, sent, 0, 0},
    }));
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

TEST(ButtonTest, GroupBoxIsTransparentToTheMouse) {
    test::ParentWindow parent;
    const HWND group = parent.Create("Button", BS_GROUPBOX, kId, "g");
    const HWND push = parent.Create("Button", BS_PUSHBUTTON, kId + 1, "p");
    EXPECT_EQ(HTTRANSPARENT, SendMessageA(group, WM_NCHITTEST, 0, InsideOnScreen(group)));
    EXPECT_EQ(HTCLIENT, SendMessageA(push, WM_NCHITTEST, 0, InsideOnScreen(push)));
}

// The owner draws each change at once: the focus, the pushed state (even when it stays as it
// was), and the whole button when it is painted.
TEST(ButtonTest, OwnerDrawnButtonIsDrawnByItsParent) {
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_OWNERDRAW, kId, "od", 0, 80, 20);
    test::ClearParentRecords();

    SetFocus(button);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);

    const std::vector<test::DrawnItem>& drawn = test::DrawnItems();
    ASSERT_EQ(4u, drawn.size());
    const UINT actions[] = {ODA_FOCUS, ODA_SELECT, ODA_SELECT, ODA_DRAWENTIRE};
    const UINT states[] = {ODS_FOCUS, ODS_SELECTED | ODS_FOCUS, ODS_SELECTED | ODS_FOCUS,
                           ODS_SELECTED | ODS_FOCUS};
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(static_cast<UINT>(ODT_BUTTON), drawn[i].CtlType);
        EXPECT_EQ(static_cast<UINT>(kId), drawn[i].CtlID);
        EXPECT_EQ(0u, drawn[i].itemID);
        EXPECT_EQ(actions[i], drawn[i].itemAction) << i;
        EXPECT_EQ(states[i], drawn[i].itemState) << i;
        EXPECT_EQ(button, drawn[i].hwndItem);
        EXPECT_EQ(0, drawn[i].rcItem.left);
        EXPECT_EQ(80, drawn[i].rcItem.right);
        EXPECT_EQ(20, drawn[i].rcItem.bottom);
    }
}

TEST(ButtonTest, CaptionIsPaintedInTheButtonsFont) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND button = parent.Create("Button", BS_PUSHBUTTON, kId, "OK", 0, 80, 20);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(hFont), SendMessageA(button, WM_GETFONT, 0, 0));

    const std::vector<HEADLESS_TEXTOUT> texts = test::RepaintedText(button);

    ASSERT_EQ(1u, texts.size());
    const HEADLESS_TEXTOUT& text = texts[0];
    EXPECT_EQ(button, text.hwnd);
    EXPECT_EQ(hFont, text.hFont);
    EXPECT_STREQ("OK", text.szText);
}

} // namespace
