// What the standard controls rely on from the window manager: the groups that the dialog
// manager walks, and windows that are children of the desktop (as the list of a combo box).
#include "ControlHost.h"
#include "ParamName.h"

#include <gtest/gtest.h>

namespace {

// Buttons 10 (WS_GROUP), 11, 12 (disabled), 13, then 14 (WS_GROUP), 15.
struct GroupCase {
    const char* name;
    int nFrom;
    BOOL bPrevious;
    int nExpected;
};

class GroupItemTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupItemTest, GoesRoundTheGroupPastDisabledControls) {
    test::DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 100, 100);
    tmpl.Control(test::kButtonAtom, BS_AUTORADIOBUTTON | WS_GROUP, 0, 0, 50, 10, 10)
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON, 0, 10, 50, 10, 11)
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON | WS_DISABLED, 0, 20, 50, 10, 12)
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON, 0, 30, 50, 10, 13)
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON | WS_GROUP, 0, 40, 50, 10, 14)
        .Control(test::kButtonAtom, BS_AUTORADIOBUTTON, 0, 50, 50, 10, 15);
    test::ControlDialog dialog(tmpl);
    EXPECT_EQ(
        dialog.Item(GetParam().nExpected),
        GetNextDlgGroupItem(dialog.Handle(), dialog.Item(GetParam().nFrom), GetParam().bPrevious));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, GroupItemTest,
    ::testing::Values(GroupCase{"NextSkipsTheDisabled", 11, FALSE, 13},
                      GroupCase{"NextFromTheLastGoesToTheFirst", 13, FALSE, 10},
                      GroupCase{"PreviousFromTheFirstGoesToTheLast", 10, TRUE, 13},
                      GroupCase{"PreviousSkipsTheDisabled", 13, TRUE, 11},
                      GroupCase{"NextInTheSecondGroup", 14, FALSE, 15},
                      GroupCase{"NextFromTheEndOfTheDialog", 15, FALSE, 14}),
    test::ParamName<GroupCase>);

// A visible child of the desktop, which is what a combo box's list is.
class DesktopChildTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hwndChild =
            CreateWindowExA(WS_EX_TOOLWINDOW, "ListBox", nullptr, WS_CHILD | WS_BORDER, 0, 0, 50,
                            50, GetDesktopWindow(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hwndChild);
    }
    void TearDown() override { DestroyWindow(m_hwndChild); }

    HWND m_hwndChild = nullptr;
};

TEST_F(DesktopChildTest, NamesTheDesktopAsItsParentAndShowsOnTheVisibleDesktop) {
    EXPECT_TRUE(IsWindowVisible(GetDesktopWindow()));
    EXPECT_EQ(GetDesktopWindow(), GetParent(m_hwndChild));
    EXPECT_FALSE(IsWindowVisible(m_hwndChild));
    ShowWindow(m_hwndChild, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(m_hwndChild));
}

TEST_F(DesktopChildTest, IsNeverActivatedInPlaceOfALeavingWindow) {
    test::ParentWindow first;
    SetWindowPos(m_hwndChild, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const HWND second =
        CreateWindowExA(0, "Static", "second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(second, GetActiveWindow());
    DestroyWindow(second);
    EXPECT_EQ(first.Handle(), GetActiveWindow());
}

} // namespace
