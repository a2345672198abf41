// List boxes of one, multiple and extended selections as a host's dialog uses them: what clicks,
// Shift and Ctrl clicks, keys and the selection messages select, and where they leave the caret
// and the anchor (the controller's single-selection items: tests/dialog/ComboListTest.cpp).
#include "ControlHost.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using test::Text;

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(list, message, wParam, lParam);
}

// "cursel,anchor,caret,selcount:selected", the last the items that LB_GETSEL and (where the list
// keeps several) LB_GETSELITEMS name.
std::string StateOf(HWND list) {
    std::string state;
    for (UINT message : {LB_GETCURSEL, LB_GETANCHORINDEX, LB_GETCARETINDEX, LB_GETSELCOUNT})
        state += std::to_string(Send(list, message)) + ",";
    state.back() = ':';
    int items[4] = {};
    const LRESULT nListed = Send(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items));
    for (int i = 0; i < 4; ++i) {
        if (Send(list, LB_GETSEL, static_cast<WPARAM>(i)) > 0)
            state += std::to_string(i);
    }
    std::string listed;
    for (LRESULT i = 0; i < nListed; ++i)
        listed += std::to_string(items[i]);
    if (nListed != LB_ERR) {
        EXPECT_EQ(state.substr(state.find(':') + 1), listed);
    }
    return state;
}

void Click(HWND list, int nItem, WPARAM keys) {
    const LPARAM lPoint = MAKELPARAM(5, nItem * Send(list, LB_GETITEMHEIGHT) + 1);
    Send(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, lPoint);
    Send(list, WM_LBUTTONUP, keys, lPoint);
}

// Four items in a list of the style.
HWND CreateList(const test::ParentWindow& parent, DWORD style) {
    const HWND list = parent.Create("ListBox", style | LBS_NOINTEGRALHEIGHT, 8);
    for (const char* psz : {"zero", "one", "two", "three"})
        Send(list, LB_ADDSTRING, 0, Text(psz));
    return list;
}

// The states before and after a click on item 1, Down, a Shift click on 3, a Ctrl click on 0
// and Space.
struct StyleCase {
    const char* name;
    DWORD style;
    std::vector<std::string> states;
};

class ListBoxStyleTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(ListBoxStyleTest, ClicksAndKeysSelectAsTheStyleSays) {
    test::ParentWindow parent;
    const HWND list = CreateList(parent, GetParam().style);
    std::vector<std::string> states = {StateOf(list)};
    const struct {
        WPARAM vk;
        int nItem;
        WPARAM keys;
    } kSteps[] = {
        {0, 1, 0}, {VK_DOWN, 0, 0}, {0, 3, MK_SHIFT}, {0, 0, MK_CONTROL}, {VK_SPACE, 0, 0}};
    for (const auto& step : kSteps) {
        if (step.vk != 0)
            Send(list, WM_KEYDOWN, step.vk);
        else
            Click(list, step.nItem, step.keys);
        states.push_back(StateOf(list));
    }
    EXPECT_EQ(GetParam().states, states);
}

const StyleCase kStyles[] = {
    {"Single",
     0,
     {"-1,-1,0,-1:", "1,1,1,-1:1", "2,2,2,-1:2", "3,3,3,-1:3", "0,0,0,-1:0", "0,0,0,-1:0"}},
    {"Multiple",
     LBS_MULTIPLESEL,
     {"0,-1,0,0:", "1,1,1,1:1", "2,1,2,1:1", "2,1,3,2:13", "2,0,0,3:013", "2,0,0,2:13"}},
    {"Extended",
     LBS_EXTENDEDSEL,
     {"0,-1,0,0:", "1,1,1,1:1", "2,2,2,1:2", "2,2,3,2:23", "2,0,0,3:023", "0,0,0,1:0"}},
    {"NoSel",
     LBS_NOSEL,
     {"-1,-1,0,-1:", "1,1,1,-1:1", "2,2,2,-1:2", "3,3,3,-1:3", "0,0,0,-1:0", "0,0,0,-1:0"}},
};

INSTANTIATE_TEST_SUITE_P(Styles, ListBoxStyleTest, ::testing::ValuesIn(kStyles),
                         test::ParamName<StyleCase>);

// One message to a list whose item 0 was selected (with LB_SETSEL where the list keeps several),
// its answer and the state after it.
struct MessageCase {
    const char* name;
    DWORD style;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
    const char* after;
};

class ListBoxMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ListBoxMessageTest, AnswersAndSelects) {
    test::ParentWindow parent;
    const HWND list = CreateList(parent, GetParam().style);
    Send(list, GetParam().style != 0 ? LB_SETSEL : LB_SETCURSEL, GetParam().style != 0, 0);
    EXPECT_EQ(GetParam().result,
              Send(list, GetParam().message, GetParam().wParam, GetParam().lParam));
    EXPECT_EQ(GetParam().after, StateOf(list));
}

constexpr DWORD kExt = LBS_EXTENDEDSEL;

const MessageCase kMessages[] = {
    {"RangeInEitherOrder", kExt, LB_SELITEMRANGE, TRUE, MAKELPARAM(3, 1), 0, "0,0,0,4:0123"},
    {"RangePastTheEnd", kExt, LB_SELITEMRANGE, TRUE, MAKELPARAM(2, 0xFFFF), 0, "0,0,0,3:023"},
    {"RangeExLastFirstUnselects", kExt, LB_SELITEMRANGEEX, 3, 0, 0, "0,0,0,0:"},
    {"SetSelMovesAnchorAndCaret", LBS_MULTIPLESEL, LB_SETSEL, TRUE, 2, 0, "2,2,2,2:02"},
    {"SetSelAll", kExt, LB_SETSEL, TRUE, -1, 0, "0,-1,0,4:0123"},
    {"SetAnchorPastTheEnd", kExt, LB_SETANCHORINDEX, 4, 0, LB_ERR, "0,0,0,1:0"},
    {"SetCaretOfSeveral", kExt, LB_SETCARETINDEX, 2, 0, 0, "2,0,2,1:0"},
    {"SetCurSelOfSeveral", kExt, LB_SETCURSEL, 1, 0, LB_ERR, "0,0,0,1:0"},
    {"RangeOfOne", 0, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2), LB_ERR, "0,-1,0,-1:0"},
    {"SetCaretOfOneSelected", 0, LB_SETCARETINDEX, 2, 0, LB_ERR, "0,-1,0,-1:0"},
};

INSTANTIATE_TEST_SUITE_P(Messages, ListBoxMessageTest, ::testing::ValuesIn(kMessages),
                         test::ParamName<MessageCase>);

// LB_ITEMFROMPOINT: the nearest item in the low word; the high word says the point is outside
// the client area or below the last item.
TEST(ListBoxTest, ItemFromPointAnswersTheNearestItem) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_NOINTEGRALHEIGHT, 8);
    EXPECT_EQ(0x1FFFF, Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5)));
    Send(list, LB_ADDSTRING, 0, Text("zero"));
    Send(list, LB_ADDSTRING, 0, Text("one"));
    const int h = static_cast<int>(Send(list, LB_GETITEMHEIGHT));
    const int kPoints[][3] = {{5, 1, 0},        {5, h + 1, 1},    {5, 2 * h + 1, 0x10001},
                              {-5, 1, 0x10000}, {5, -5, 0x10000}, {500, h, 0x10001}};
    for (const auto& point : kPoints)
        EXPECT_EQ(point[2], Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point[0], point[1])));
}

} // namespace
