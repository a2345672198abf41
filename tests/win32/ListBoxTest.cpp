// List boxes of one, multiple and extended selections as a host's dialog uses them: what clicks,
// Shift and Ctrl clicks, keys and the selection messages select, where they leave the caret and
// the anchor, and the item under a point (single selection as the controller uses it:
// tests/dialog/ComboListTest.cpp).
#include "ControlHost.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using test::Send;
// "cursel,anchor,caret,selcount:selected", the selected items as LB_GETSEL names them and, in a
// list that keeps several, LB_GETSELITEMS too.
std::string StateOf(HWND list) {
    std::string state;
    for (UINT message : {LB_GETCURSEL, LB_GETANCHORINDEX, LB_GETCARETINDEX, LB_GETSELCOUNT})
        state += std::to_string(Send(list, message)) + (message == LB_GETSELCOUNT ? ":" : ",");
    int items[4] = {};
    std::string listed;
    for (LRESULT i = 0; i < Send(list, LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items)); ++i)
        listed += std::to_string(items[i]);
    for (int i = 0; i < 4; ++i)
        state += Send(list, LB_GETSEL, static_cast<WPARAM>(i)) > 0 ? std::to_string(i) : "";
    EXPECT_TRUE(Send(list, LB_GETSELCOUNT) == LB_ERR ||
                state.substr(state.find(':') + 1) == listed);
    return state;
}

// Steps on a list of four items: a message (and its answer), or with message 0 a click on item
// wParam with the keys lParam.
struct Step {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* result; // the answer (none for a click) and the state after
};

struct SelectionCase {
    const char* name;
    DWORD style;
    std::vector<Step> steps;
};

class ListBoxTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ListBoxTest, SelectsAsTheStyleSays) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", GetParam().style | LBS_NOINTEGRALHEIGHT, 8);
    for (const char* psz : {"zero", "one", "two", "three"})
        Send(list, LB_ADDSTRING, 0, test::Text(psz));
    for (const Step& step : GetParam().steps) {
        std::string result;
        if (step.message != 0) {
            result = std::to_string(Send(list, step.message, step.wParam, step.lParam)) + " ";
        } else {
            const LPARAM lPoint = MAKELPARAM(5, step.wParam * Send(list, LB_GETITEMHEIGHT) + 1);
            Send(list, WM_LBUTTONDOWN, MK_LBUTTON | step.lParam, lPoint);
            Send(list, WM_LBUTTONUP, step.lParam, lPoint);
        }
        EXPECT_EQ(step.result, result + StateOf(list)) << step.message << " " << step.wParam;
    }
    // A click gives the list the focus.
    EXPECT_EQ(GetParam().steps.front().message == 0, GetFocus() == list);
}

// A click on 1, Down, a Shift click on 3, a Ctrl click on 0, Space.
std::vector<Step> ClicksAndKeys(const char* p1, const char* p2, const char* p3, const char* p4,
                                const char* p5) {
    return {{0, 1, 0, p1},
            {WM_KEYDOWN, VK_DOWN, 0, p2},
            {0, 3, MK_SHIFT, p3},
            {0, 0, MK_CONTROL, p4},
            {WM_KEYDOWN, VK_SPACE, 0, p5}};
}

int g_items[4];
const LPARAM kItems = reinterpret_cast<LPARAM>(g_items);

const SelectionCase kCases[] = {
    {"Single", 0,
     ClicksAndKeys("1,1,1,-1:1", "0 2,2,2,-1:2", "3,3,3,-1:3", "0,0,0,-1:0", "0 0,0,0,-1:0")},
    {"Multiple", LBS_MULTIPLESEL,
     ClicksAndKeys("1,1,1,1:1", "0 2,1,2,1:1", "2,1,3,2:13", "2,0,0,3:013", "0 2,0,0,2:13")},
    {"Extended", LBS_EXTENDEDSEL,
     ClicksAndKeys("1,1,1,1:1", "0 2,2,2,1:2", "2,2,3,2:23", "2,0,0,3:023", "0 0,0,0,1:0")},
    {"NoSel", LBS_NOSEL,
     ClicksAndKeys("1,1,1,-1:1", "0 2,2,2,-1:2", "3,3,3,-1:3", "0,0,0,-1:0", "0 0,0,0,-1:0")},
    {"MultipleMessages",
     LBS_MULTIPLESEL,
     {{LB_SETSEL, TRUE, 0, "0 0,0,0,1:0"},
      {LB_SELITEMRANGE, TRUE, MAKELPARAM(3, 2), "0 0,0,0,3:023"},
      {LB_SELITEMRANGE, FALSE, MAKELPARAM(2, 0xFFFF), "0 0,0,0,1:0"},
      {LB_SELITEMRANGEEX, 2, 2, "0 0,0,0,2:02"},
      {LB_SELITEMRANGEEX, 1, 2, "0 0,0,0,3:012"},
      {LB_GETSELITEMS, 2, kItems, "2 0,0,0,3:012"},
      {LB_SELITEMRANGEEX, 3, 0, "0 0,0,0,0:"},
      {LB_SETSEL, TRUE, -1, "0 0,-1,0,4:0123"},
      {LB_SETSEL, TRUE, 2, "0 2,2,2,4:0123"},
      {LB_SETSEL, FALSE, 3, "0 2,2,2,3:012"},
      {LB_SETSEL, TRUE, 4, "-1 2,2,2,3:012"},
      {LB_SETCARETINDEX, 1, 0, "0 1,2,1,3:012"},
      {LB_SETANCHORINDEX, static_cast<WPARAM>(-1), 0, "0 1,-1,1,3:012"},
      {LB_SETANCHORINDEX, 4, 0, "-1 1,-1,1,3:012"},
      {LB_SETCURSEL, 1, 0, "-1 1,-1,1,3:012"},
      {LB_SELECTSTRING, static_cast<WPARAM>(-1), test::Text("th"), "3 3,-1,3,4:0123"},
      {LB_SETANCHORINDEX, 3, 0, "0 3,3,3,4:0123"},
      {LB_DELETESTRING, 3, 0, "3 2,2,2,3:012"},
      {LB_RESETCONTENT, 0, 0, "0 -1,-1,0,0:"}}},
    {"SingleMessages",
     0,
     {{LB_SETCARETINDEX, 2, 0, "0 -1,-1,2,-1:"},
      {LB_SETCURSEL, 1, 0, "1 1,-1,1,-1:1"},
      {LB_SETCARETINDEX, 2, 0, "-1 1,-1,1,-1:1"},
      {LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 3), "-1 1,-1,1,-1:1"},
      {LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), test::Text("t"), "-1 1,-1,1,-1:1"},
      {LB_DELETESTRING, 0, 0, "3 0,-1,1,-1:0"},
      {LB_DELETESTRING, 0, 0, "2 -1,-1,1,-1:"},
      {WM_KEYDOWN, VK_SPACE, 0, "0 1,1,1,-1:1"},
      {LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 1), "0 1,1,1,-1:1"},
      {LB_ITEMFROMPOINT, 0, MAKELPARAM(-5, 1), "65536 1,1,1,-1:1"},
      {LB_ITEMFROMPOINT, 0, MAKELPARAM(5, -5), "65536 1,1,1,-1:1"},
      {LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 99), "65537 1,1,1,-1:1"},
      {LB_RESETCONTENT, 0, 0, "0 -1,-1,0,-1:"},
      {LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 1), "131071 -1,-1,0,-1:"}}},
    {"NoSelMessages", LBS_NOSEL, {{LB_SETCURSEL, 2, 0, "-1 2,-1,0,-1:2"}}},
    {"PageDown", 0, {{WM_KEYDOWN, VK_NEXT, 0, "0 0,0,0,-1:0"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, ListBoxTest, ::testing::ValuesIn(kCases),
                         test::ParamName<SelectionCase>);

} // namespace
