// List boxes: the item operations and their results, sorting, item height and the integral
// height of the window, the caret keys and typed characters, focus and selection
// notifications, owner-drawn items, and painting.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::lparam;
using test::MessagesAre;
using test::optional;
using test::sent;
using test::wparam;

constexpr int kId = 5;

// The undocumented WM_LBTRACKPOINT that Windows and Wine send to the parent of a notifying
// list box when an item is pressed; the headless system does not send it.
constexpr UINT kTrackPoint = 0x0131;

LPARAM Text(const char* psz) {
    return reinterpret_cast<LPARAM>(psz);
}

void AddStrings(HWND list, std::initializer_list<const char*> texts) {
    for (const char* psz : texts)
        SendMessageA(list, LB_ADDSTRING, 0, Text(psz));
}

std::string ItemText(HWND list, int nIndex) {
    char buffer[64] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

int SystemFontHeight() {
    const HDC hdc = GetDC(nullptr);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(nullptr, hdc);
    return tm.tmHeight;
}

test::ExpectedMessage Notification(HWND list, WORD wCode) {
    return {"parent", WM_COMMAND, sent | wparam | lparam, MAKEWPARAM(kId, wCode),
            reinterpret_cast<LPARAM>(list)};
}

// One message to the list "apple", "banana", "apricot" and its result.
struct OperationCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

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
    ::testing::Values(
        OperationCase{"InsertAtTheEnd", LB_INSERTSTRING, static_cast<WPARAM>(-1), Text("x"), 3},
        OperationCase{"InsertInTheMiddle", LB_INSERTSTRING, 1, Text("x"), 1},
        OperationCase{"InsertBeyondTheEnd", LB_INSERTSTRING, 4, Text("x"), LB_ERR},
        OperationCase{"DeleteGivesTheItemsLeft", LB_DELETESTRING, 0, 0, 2},
        OperationCase{"DeleteOutside", LB_DELETESTRING, 3, 0, LB_ERR},
        OperationCase{"Count", LB_GETCOUNT, 0, 0, 3},
        OperationCase{"NoSelection", LB_GETCURSEL, 0, 0, LB_ERR},
        OperationCase{"TextLength", LB_GETTEXTLEN, 1, 0, 6},
        OperationCase{"TextLengthOutside", LB_GETTEXTLEN, 3, 0, LB_ERR},
        OperationCase{"DataStartsAtZero", LB_GETITEMDATA, 2, 0, 0},
        OperationCase{"DataOutside", LB_GETITEMDATA, 3, 0, LB_ERR},
        OperationCase{"SetDataIsTrue", LB_SETITEMDATA, 1, 77, TRUE},
        OperationCase{"SetDataOutside", LB_SETITEMDATA, 9, 77, LB_ERR},
        OperationCase{"FindFromTheStart", LB_FINDSTRING, static_cast<WPARAM>(-1), Text("ap"), 0},
        OperationCase{"FindAfterTheStart", LB_FINDSTRING, 0, Text("ap"), 2},
        OperationCase{"FindGoesRound", LB_FINDSTRING, 2, Text("AP"), 0},
        OperationCase{"FindIgnoresCase", LB_FINDSTRING, static_cast<WPARAM>(-1), Text("BAN"), 1},
        OperationCase{"FindNothing", LB_FINDSTRING, static_cast<WPARAM>(-1), Text("z"), LB_ERR},
        OperationCase{"FindEmptyText", LB_FINDSTRING, static_cast<WPARAM>(-1), Text(""), LB_ERR},
        OperationCase{"FindExact", LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text("APPLE"), 0},
        OperationCase{"FindExactNotAPrefix", LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                      Text("app"), LB_ERR},
        OperationCase{"SelectString", LB_SELECTSTRING, static_cast<WPARAM>(-1), Text("b"), 1},
        OperationCase{"SetCurSel", LB_SETCURSEL, 2, 0, 2},
        OperationCase{"SetCurSelOutside", LB_SETCURSEL, 5, 0, LB_ERR},
        OperationCase{"SetCurSelNone", LB_SETCURSEL, static_cast<WPARAM>(-1), 0, LB_ERR},
        OperationCase{"ItemHeightTooLarge", LB_SETITEMHEIGHT, 0, 256, LB_ERR},
        OperationCase{"ItemHeight", LB_SETITEMHEIGHT, 0, 18, LB_OKAY},
        OperationCase{"TopIndex", LB_GETTOPINDEX, 0, 0, 0}),
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
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCOUNT, 0, 0));
}

TEST(ListBoxTest, SortedListPlacesTextsWithoutRegardToCase) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_SORT | LBS_HASSTRINGS, kId);
    const char* const added[] = {"b", "C", "a", "B", "c"};
    const LRESULT positions[] = {0, 1, 0, 1, 3};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(positions[i], SendMessageA(list, LB_ADDSTRING, 0, Text(added[i]))) << added[i];
    const char* const order[] = {"a", "B", "b", "c", "C"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(order[i], ItemText(list, i));
}

TEST(ListBoxTest, ItemsAreAsHighAsTheFontAndTheWindowHoldsWholeItems) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId, "", 0, 100, 100);
    const HWND free = parent.Create("ListBox", LBS_NOINTEGRALHEIGHT, kId + 1, "", 0, 100, 100);
    const int nHeight = SystemFontHeight();
    EXPECT_EQ(nHeight, SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    RECT rc;
    GetWindowRect(list, &rc);
    EXPECT_EQ(100 - 100 % nHeight, rc.bottom - rc.top);
    GetWindowRect(free, &rc);
    EXPECT_EQ(100, rc.bottom - rc.top);
}

TEST(ListBoxTest, ItemRectFollowsTheTopIndex) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_NOINTEGRALHEIGHT, kId, "", 0, 100, 60);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, 10);
    AddStrings(list, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
    RECT rc;
    EXPECT_EQ(1, SendMessageA(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(30, rc.top);
    EXPECT_EQ(40, rc.bottom);
    EXPECT_EQ(100, rc.right);
    EXPECT_EQ(LB_OKAY, SendMessageA(list, LB_SETTOPINDEX, 8, 0));
    EXPECT_EQ(4, SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(0, SendMessageA(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rc)));
    EXPECT_EQ(-10, rc.top);
    EXPECT_EQ(LB_ERR, SendMessageA(list, LB_GETITEMRECT, 10, reinterpret_cast<LPARAM>(&rc)));
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

    EXPECT_TRUE(MessagesAre({Notification(list, LBN_SELCHANGE)}));
    EXPECT_EQ(GetParam().nExpected, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(GetParam().nTop, SendMessageA(list, LB_GETTOPINDEX, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListBoxKeyTest,
    ::testing::Values(KeyCase{"FirstDownSelectsTheCaretItem", -1, VK_DOWN, 0, 0},
                      KeyCase{"Down", 2, VK_DOWN, 3, 0}, KeyCase{"RightIsDown", 2, VK_RIGHT, 3, 0},
                      KeyCase{"DownAtTheEndStays", 9, VK_DOWN, 9, 4}, KeyCase{"Up", 2, VK_UP, 1, 0},
                      KeyCase{"LeftIsUp", 2, VK_LEFT, 1, 0},
                      KeyCase{"UpAtTheTopStays", 0, VK_UP, 0, 0}, KeyCase{"End", 0, VK_END, 9, 4},
                      KeyCase{"Home", 9, VK_HOME, 0, 0}, KeyCase{"PageDown", 0, VK_NEXT, 5, 0},
                      KeyCase{"PageUp", 9, VK_PRIOR, 4, 4}),
    test::ParamName<KeyCase>);

TEST(ListBoxTest, OtherKeysNeitherMoveNorNotify) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_NOTIFY, kId);
    AddStrings(list, {"a", "b"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(list, WM_KEYDOWN, VK_F5, 1);
    SendMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(MessagesAre({}));
    EXPECT_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
}

TEST(ListBoxTest, TypedCharacterSelectsTheNextItemStartingWithIt) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_NOTIFY, kId);
    AddStrings(list, {"apple", "banana", "cherry", "apricot"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(list, WM_CHAR, 'a', 1);
    EXPECT_EQ(3, SendMessageA(list, LB_GETCURSEL, 0, 0));
    SendMessageA(list, WM_CHAR, 'A', 1);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCURSEL, 0, 0));
    SendMessageA(list, WM_CHAR, 'z', 1);
    EXPECT_EQ(0, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(
        MessagesAre({Notification(list, LBN_SELCHANGE), Notification(list, LBN_SELCHANGE)}));
}

// Focus changes are reported whether or not the list has LBS_NOTIFY.
TEST(ListBoxTest, FocusChangesAreNotified) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId);
    SetFocus(list);
    SetFocus(parent.Handle());
    EXPECT_TRUE(MessagesAre({
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        Notification(list, LBN_SETFOCUS),
        Notification(list, LBN_KILLFOCUS),
        {"parent", WM_SETFOCUS, sent, 0, 0},
    }));
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, SendMessageA(list, WM_GETDLGCODE, 0, 0));
}

TEST(ListBoxTest, MousePressSelectsAndReleaseNotifies) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kId);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, 10);
    AddStrings(list, {"a", "b", "c"});
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 25));
    EXPECT_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(list, GetFocus());
    EXPECT_EQ(list, GetCapture());
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 25));
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_TRUE(MessagesAre({
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        Notification(list, LBN_SETFOCUS),
        {"parent", kTrackPoint, sent | optional | wparam, 2, 0},
        Notification(list, LBN_SELCHANGE),
    }));
}

TEST(ListBoxTest, OwnerDrawnFixedListAsksForItsItemHeightWhenCreated) {
    test::ParentWindow parent;
    test::SetMeasuredHeight(20);
    const HWND list = parent.Create("ListBox", LBS_OWNERDRAWFIXED, kId, "", 0, 100, 100);
    ASSERT_EQ(1u, test::MeasuredItems().size());
    const test::MeasuredItem& measured = test::MeasuredItems()[0];
    EXPECT_EQ(static_cast<UINT>(ODT_LISTBOX), measured.CtlType);
    EXPECT_EQ(static_cast<UINT>(kId), measured.CtlID);
    EXPECT_EQ(static_cast<UINT>(-1), measured.itemID);
    EXPECT_EQ(0u, measured.itemWidth);
    EXPECT_EQ(static_cast<UINT>(SystemFontHeight()), measured.itemHeight);
    EXPECT_EQ(20, SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
}

// Without LBS_HASSTRINGS the item is the value given.
TEST(ListBoxTest, OwnerDrawnItemsAreDrawnByTheOwnerWithTheirData) {
    test::ParentWindow parent;
    test::SetMeasuredHeight(20);
    const HWND list = parent.Create("ListBox", LBS_OWNERDRAWFIXED, kId, "", 0, 100, 100);
    SendMessageA(list, LB_ADDSTRING, 0, 0x1234);
    SendMessageA(list, LB_ADDSTRING, 0, 0x5678);
    ULONG_PTR data = 0;
    EXPECT_EQ(static_cast<LRESULT>(sizeof(data)),
              SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(&data)));
    EXPECT_EQ(0x5678u, data);
    test::ClearParentRecords();

    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);

    const struct {
        UINT itemID, itemAction, itemState;
        LONG top;
        ULONG_PTR itemData;
    } expected[] = {
        {0, ODA_DRAWENTIRE, 0, 0, 0x1234},         {1, ODA_DRAWENTIRE, 0, 20, 0x5678},
        {1, ODA_SELECT, ODS_SELECTED, 20, 0x5678}, {1, ODA_SELECT, 0, 20, 0x5678},
        {0, ODA_SELECT, ODS_SELECTED, 0, 0x1234},
    };
    const std::vector<test::DrawnItem>& drawn = test::DrawnItems();
    ASSERT_EQ(5u, drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(static_cast<UINT>(ODT_LISTBOX), drawn[i].CtlType);
        EXPECT_EQ(list, drawn[i].hwndItem);
        EXPECT_EQ(expected[i].itemID, drawn[i].itemID) << i;
        EXPECT_EQ(expected[i].itemAction, drawn[i].itemAction) << i;
        EXPECT_EQ(expected[i].itemState, drawn[i].itemState) << i;
        EXPECT_EQ(expected[i].top, drawn[i].rcItem.top) << i;
        EXPECT_EQ(expected[i].top + 20, drawn[i].rcItem.bottom) << i;
        EXPECT_EQ(expected[i].itemData, drawn[i].itemData) << i;
    }
}

TEST(ListBoxTest, DeletedOwnerDrawnItemIsAnnouncedToTheOwner) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", LBS_OWNERDRAWFIXED, kId);
    SendMessageA(list, LB_ADDSTRING, 0, 0x1234);
    SendMessageA(list, LB_ADDSTRING, 0, 0x5678);
    SendMessageA(list, LB_DELETESTRING, 0, 0);
    EXPECT_TRUE(MessagesAre({{"parent", WM_DELETEITEM, sent | wparam, kId, 0}}));
}

TEST(ListBoxTest, ParentChoosesTheColoursOfThePainting) {
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId);
    AddStrings(list, {"a"});
    test::ClearParentRecords();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    ASSERT_FALSE(test::ColourRequests().empty());
    for (const test::ColourRequest& request : test::ColourRequests()) {
        EXPECT_EQ(parent.Handle(), request.hwndReceiver);
        EXPECT_EQ(static_cast<UINT>(WM_CTLCOLORLISTBOX), request.message);
        EXPECT_EQ(list, request.hwndFrom);
    }
}

TEST(ListBoxTest, ItemsArePaintedOneUnderTheOtherInTheListsFont) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND list = parent.Create("ListBox", 0, kId, "", 0, 100, 100);
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    AddStrings(list, {"one", "two"});
    const std::vector<HEADLESS_TEXTOUT> texts = test::RepaintedText(list);
    ASSERT_EQ(2u, texts.size());
    const char* const items[] = {"one", "two"};
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_STREQ(items[i], texts[i].szText);
        EXPECT_EQ(hFont, texts[i].hFont);
        EXPECT_EQ(1, texts[i].x);
        EXPECT_EQ(static_cast<int>(i) * 12, texts[i].y);
    }
}

} // namespace
