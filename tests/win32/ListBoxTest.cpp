// List boxes as the controller uses them, and as the list of every combo box is one: the item
// operations and their results, and Up and Down moving the selection with its notification.
#include "ControlHost.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::MessagesAre;
using test::OperationCase;
using test::Text;

constexpr int kId = 5;

void AddStrings(HWND list, std::initializer_list<const char*> texts) {
    for (const char* psz : texts)
        SendMessageA(list, LB_ADDSTRING, 0, Text(psz));
}

std::string ItemText(HWND list, int nIndex) {
    char buffer[64] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

class ListBoxOperationTest : public ::testing::TestWithParam<OperationCase> {};

TEST_P(ListBoxOperationTest, ReturnsItsResult) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId);
    AddStrings(list, {"apple", "banana", "apricot"});
    EXPECT_EQ(GetParam().result,
              SendMessageA(list, GetParam().message, GetParam().wParam, GetParam().lParam));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ListBoxOperationTest,
    ::testing::Values(OperationCase{"InsertAtTheEnd", LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                    Text("x"), 3},
                      OperationCase{"InsertInTheMiddle", LB_INSERTSTRING, 1, Text("x"), 1},
                      OperationCase{"DeleteGivesTheItemsLeft", LB_DELETESTRING, 0, 0, 2},
                      OperationCase{"Count", LB_GETCOUNT, 0, 0, 3},
                      OperationCase{"NoSelection", LB_GETCURSEL, 0, 0, LB_ERR},
                      OperationCase{"TextLength", LB_GETTEXTLEN, 1, 0, 6},
                      OperationCase{"DataStartsAtZero", LB_GETITEMDATA, 2, 0, 0},
                      OperationCase{"SetDataIsTrue", LB_SETITEMDATA, 1, 77, TRUE},
                      OperationCase{"SetCurSel", LB_SETCURSEL, 2, 0, 2},
                      OperationCase{"SetCurSelOutside", LB_SETCURSEL, 5, 0, LB_ERR},
                      OperationCase{"ItemHeight", LB_SETITEMHEIGHT, 0, 18, LB_OKAY}),
    test::ParamName<OperationCase>);

TEST(ListBoxTest, GetTextCopiesTheTextAndSelectionFollowsInsertions) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId);
    AddStrings(list, {"apple", "banana"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(list, LB_INSERTSTRING, 0, Text("cherry"));
    EXPECT_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ("banana", ItemText(list, 2));
    SendMessageA(list, LB_DELETESTRING, 2, 0);
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0));
    // Most of the texts gone: the one left is still whole.
    SendMessageA(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ("apple", ItemText(list, 0));
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCOUNT, 0, 0));
}

// Ten items, six to a page.
struct KeyCase {
    const char* name;
    int nSelected; // -1: none yet
    UINT vk;
    int nExpected;
    int nTop;
};

class ListBoxKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ListBoxKeyTest, MovesTheSelectionAndNotifies) {
    test::ParentWindow parent;
    const HWND list =
        parent.Create("ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kId, "", 0, 100, 60);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, 10);
    AddStrings(list, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    if (GetParam().nSelected >= 0)
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(GetParam().nSelected), 0);
    SetFocus(list);
    test::ClearMessages();

    SendMessageA(list, WM_KEYDOWN, GetParam().vk, 1);

    EXPECT_TRUE(MessagesAre({test::ParentNotification(list, LBN_SELCHANGE)}));
    EXPECT_EQ(GetParam().nExpected, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(GetParam().nTop, SendMessageA(list, LB_GETTOPINDEX, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListBoxKeyTest,
    ::testing::Values(KeyCase{"FirstDownSelectsTheCaretItem", -1, VK_DOWN, 0, 0},
                      KeyCase{"Down", 2, VK_DOWN, 3, 0},
                      KeyCase{"DownAtTheEndStaysAndScrolls", 9, VK_DOWN, 9, 4},
                      KeyCase{"Up", 2, VK_UP, 1, 0}, KeyCase{"UpAtTheTopStays", 0, VK_UP, 0, 0}),
    test::ParamName<KeyCase>);

} // namespace
