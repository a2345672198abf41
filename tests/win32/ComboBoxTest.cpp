// Drop-down list combo boxes: their size and their list window, the item messages, opening and
// closing the list by message, keys and mouse with the notifications in the order the parent
// receives them, colours and owner drawing through the combo box, and the position change
// that follows a closing list.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::lparam;
using test::MessagesAre;
using test::sent;
using test::wparam;

constexpr int kId = 7;

LPARAM Text(const char* psz) {
    return reinterpret_cast<LPARAM>(psz);
}

int SystemFontHeight() {
    const HDC hdc = GetDC(nullptr);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(nullptr, hdc);
    return tm.tmHeight;
}

HWND ListOf(HWND combo) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

RECT WindowRect(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc;
}

test::ExpectedMessage Notification(HWND combo, WORD wCode) {
    return {"parent", WM_COMMAND, sent | wparam | lparam, MAKEWPARAM(kId, wCode),
            reinterpret_cast<LPARAM>(combo)};
}

bool IsDropped(HWND combo) {
    return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
}

// A drop-down list combo box of 120 x 150 with "apple", "banana", "cherry", "apricot".
class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_combo = m_parent.Create("ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_BORDER, kId, "", 0,
                                  120, 150);
        for (const char* psz : {"apple", "banana", "cherry", "apricot"})
            SendMessageA(m_combo, CB_ADDSTRING, 0, Text(psz));
        m_list = ListOf(m_combo);
    }

    void Focus() {
        SetFocus(m_combo);
        test::Pump();
        test::ClearMessages();
    }

    void Open() {
        SendMessageA(m_combo, CB_SHOWDROPDOWN, TRUE, 0);
        test::Pump();
        test::ClearMessages();
        test::ClearParentRecords();
    }

    LRESULT Selected() const { return SendMessageA(m_combo, CB_GETCURSEL, 0, 0); }

    test::ParentWindow m_parent;
    HWND m_combo = nullptr;
    HWND m_list = nullptr;
};

TEST_F(ComboBoxTest, IsAsHighAsItsSelectionFieldAndKeepsTheRestForItsList) {
    const int nFont = SystemFontHeight();
    const RECT rc = WindowRect(m_combo);
    EXPECT_EQ(120, rc.right - rc.left);
    EXPECT_EQ(nFont + 8, rc.bottom - rc.top);
    EXPECT_EQ(nFont + 4, SendMessageA(m_combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(nFont, SendMessageA(m_combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(0, GetWindowLongA(m_combo, GWL_STYLE) & (WS_BORDER | WS_VSCROLL));
    RECT rcDropped;
    EXPECT_EQ(CB_OKAY, SendMessageA(m_combo, CB_GETDROPPEDCONTROLRECT, 0,
                                    reinterpret_cast<LPARAM>(&rcDropped)));
    EXPECT_EQ(rc.left, rcDropped.left);
    EXPECT_EQ(rc.top, rcDropped.top);
    EXPECT_EQ(rc.right, rcDropped.right);
    EXPECT_EQ(rc.top + 150 - (nFont + 8), rcDropped.bottom);
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, SendMessageA(m_combo, WM_GETDLGCODE, 0, 0));
}

TEST_F(ComboBoxTest, ListIsAHiddenChildOfTheDesktop) {
    ASSERT_NE(nullptr, m_list);
    char szClass[32] = {};
    GetClassNameA(m_list, szClass, sizeof(szClass));
    EXPECT_STREQ("ComboLBox", szClass);
    EXPECT_EQ(GetDesktopWindow(), GetParent(m_list));
    const LONG style = GetWindowLongA(m_list, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_BORDER | LBS_COMBOBOX | LBS_NOTIFY | LBS_HASSTRINGS),
              style & (WS_CHILD | WS_BORDER | LBS_COMBOBOX | LBS_NOTIFY | LBS_HASSTRINGS));
    EXPECT_NE(0, GetWindowLongA(m_list, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(IsWindowVisible(m_list));
    EXPECT_EQ(4, SendMessageA(m_list, LB_GETCOUNT, 0, 0));
}

struct OperationCase {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

class ComboBoxOperationTest : public ComboBoxTest,
                              public ::testing::WithParamInterface<OperationCase> {};

TEST_P(ComboBoxOperationTest, ReturnsTheListsResult) {
    EXPECT_EQ(GetParam().result,
              SendMessageA(m_combo, GetParam().message, GetParam().wParam, GetParam().lParam));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ComboBoxOperationTest,
    ::testing::Values(OperationCase{"Add", CB_ADDSTRING, 0, Text("x"), 4},
                      OperationCase{"DeleteGivesTheItemsLeft", CB_DELETESTRING, 0, 0, 3},
                      OperationCase{"SetCurSelOutside", CB_SETCURSEL, 10, 0, CB_ERR},
                      OperationCase{"Find", CB_FINDSTRING, 0, Text("AP"), 3},
                      OperationCase{"Select", CB_SELECTSTRING, static_cast<WPARAM>(-1), Text("ch"),
                                    2},
                      OperationCase{"ListItemHeightOfATextList", CB_SETITEMHEIGHT, 0, 25, CB_ERR},
                      OperationCase{"Dropped", CB_GETDROPPEDSTATE, 0, 0, FALSE}),
    test::ParamName<OperationCase>);

TEST_F(ComboBoxTest, TextIsTheSelectedItem) {
    char szText[16] = "x";
    EXPECT_EQ(0, GetWindowTextA(m_combo, szText, sizeof(szText)));
    EXPECT_STREQ("", szText);
    SendMessageA(m_combo, CB_SETCURSEL, 3, 0);
    EXPECT_EQ(7, GetWindowTextLengthA(m_combo));
    EXPECT_EQ(7, GetWindowTextA(m_combo, szText, sizeof(szText)));
    EXPECT_STREQ("apricot", szText);
    char szItem[16] = {};
    EXPECT_EQ(6, SendMessageA(m_combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(szItem)));
    EXPECT_STREQ("banana", szItem);
    SendMessageA(m_combo, CB_SETITEMDATA, 1, 99);
    EXPECT_EQ(99, SendMessageA(m_combo, CB_GETITEMDATA, 1, 0));
}

TEST_F(ComboBoxTest, ShowDropDownPlacesTheListUnderTheComboBoxWithoutTakingTheFocus) {
    Focus();
    SendMessageA(m_combo, CB_SHOWDROPDOWN, TRUE, 0);
    test::Pump();
    EXPECT_TRUE(MessagesAre({Notification(m_combo, CBN_DROPDOWN)}));
    EXPECT_TRUE(IsDropped(m_combo));
    EXPECT_TRUE(IsWindowVisible(m_list));
    EXPECT_EQ(m_combo, GetFocus());
    EXPECT_EQ(m_list, GetCapture());
    const RECT rcCombo = WindowRect(m_combo);
    const RECT rcList = WindowRect(m_list);
    EXPECT_EQ(rcCombo.left, rcList.left);
    EXPECT_EQ(rcCombo.bottom, rcList.top);
    EXPECT_EQ(rcCombo.right, rcList.right);
    EXPECT_EQ(4 * SendMessageA(m_combo, CB_GETITEMHEIGHT, 0, 0) + 2, rcList.bottom - rcList.top);
}

TEST_F(ComboBoxTest, ShowDropDownFalseClosesWithoutAChoice) {
    Focus();
    Open();
    SendMessageA(m_combo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageA(m_combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(
        MessagesAre({Notification(m_combo, CBN_SELENDCANCEL), Notification(m_combo, CBN_CLOSEUP)}));
    EXPECT_FALSE(IsDropped(m_combo));
    EXPECT_FALSE(IsWindowVisible(m_list));
    EXPECT_EQ(nullptr, GetCapture());
}

// One key with the list closed or open: the notifications, the list's state after it and the
// selection (banana is selected before).
struct KeyCase {
    const char* name;
    bool bOpen;
    UINT message;
    WPARAM wKey;
    LPARAM lParam;
    std::vector<WORD> notifications;
    bool bOpenAfter;
    LRESULT selected;
};

class ComboBoxKeyTest : public ComboBoxTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ComboBoxKeyTest, NotifiesInOrder) {
    SendMessageA(m_combo, CB_SETCURSEL, 1, 0);
    Focus();
    if (GetParam().bOpen)
        Open();
    PostMessageA(m_combo, GetParam().message, GetParam().wKey, GetParam().lParam);
    test::Pump();
    std::vector<test::ExpectedMessage> expected;
    for (WORD wCode : GetParam().notifications)
        expected.push_back(Notification(m_combo, wCode));
    EXPECT_TRUE(MessagesAre(expected));
    EXPECT_EQ(GetParam().bOpenAfter, IsDropped(m_combo));
    EXPECT_EQ(GetParam().selected, Selected());
    EXPECT_EQ(m_combo, GetFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ComboBoxKeyTest,
    ::testing::Values(
        KeyCase{"ClosedDownSelectsTheNext",
                false,
                WM_KEYDOWN,
                VK_DOWN,
                1,
                {CBN_SELENDOK, CBN_SELCHANGE},
                false,
                2},
        KeyCase{"ClosedUpSelectsThePrevious",
                false,
                WM_KEYDOWN,
                VK_UP,
                1,
                {CBN_SELENDOK, CBN_SELCHANGE},
                false,
                0},
        KeyCase{"ClosedCharacterSelectsTheNextStartingWithIt",
                false,
                WM_CHAR,
                'a',
                1,
                {CBN_SELENDOK, CBN_SELCHANGE},
                false,
                3},
        KeyCase{"ClosedF4Opens", false, WM_KEYDOWN, VK_F4, 1, {CBN_DROPDOWN}, true, 1},
        KeyCase{"ClosedAltDownOpens",
                false,
                WM_SYSKEYDOWN,
                VK_DOWN,
                0x20000001,
                {CBN_DROPDOWN},
                true,
                1},
        KeyCase{"ClosedEnterDoesNothing", false, WM_KEYDOWN, VK_RETURN, 1, {}, false, 1},
        KeyCase{"OpenDownMovesInTheList", true, WM_KEYDOWN, VK_DOWN, 1, {CBN_SELCHANGE}, true, 2},
        KeyCase{"OpenEnterClosesWithTheChoice",
                true,
                WM_KEYDOWN,
                VK_RETURN,
                1,
                {CBN_SELENDOK, CBN_CLOSEUP},
                false,
                1},
        KeyCase{"OpenEscapeClosesWithoutAChoice",
                true,
                WM_KEYDOWN,
                VK_ESCAPE,
                1,
                {CBN_SELENDCANCEL, CBN_CLOSEUP},
                false,
                1},
        KeyCase{"OpenF4ClosesWithoutAChoice",
                true,
                WM_KEYDOWN,
                VK_F4,
                1,
                {CBN_SELENDCANCEL, CBN_CLOSEUP},
                false,
                1},
        KeyCase{"OpenAltUpCloses",
                true,
                WM_SYSKEYDOWN,
                VK_UP,
                0x20000001,
                {CBN_SELENDCANCEL, CBN_CLOSEUP},
                false,
                1},
        KeyCase{"OpenCharacterChoosesAndCloses",
                true,
                WM_CHAR,
                'c',
                1,
                {CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE},
                false,
                2}),
    test::ParamName<KeyCase>);

TEST_F(ComboBoxTest, FocusNotificationsAndLosingTheFocusClosesTheList) {
    SetFocus(m_combo);
    SendMessageA(m_combo, CB_SHOWDROPDOWN, TRUE, 0);
    SetFocus(m_parent.Handle());
    EXPECT_TRUE(MessagesAre({
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        Notification(m_combo, CBN_SETFOCUS),
        Notification(m_combo, CBN_DROPDOWN),
        Notification(m_combo, CBN_SELENDCANCEL),
        Notification(m_combo, CBN_CLOSEUP),
        Notification(m_combo, CBN_KILLFOCUS),
        {"parent", WM_SETFOCUS, sent, 0, 0},
    }));
    EXPECT_FALSE(IsDropped(m_combo));
}

TEST_F(ComboBoxTest, ClickOpensAndASecondClickClosesWithTheChoice) {
    SendMessageA(m_combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(m_combo, GetCapture());
    SendMessageA(m_combo, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_list, GetCapture());
    EXPECT_TRUE(IsDropped(m_combo));
    SendMessageA(m_combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(m_combo, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(MessagesAre({
        {"parent", WM_KILLFOCUS, sent, 0, 0},
        Notification(m_combo, CBN_SETFOCUS),
        Notification(m_combo, CBN_DROPDOWN),
        Notification(m_combo, CBN_SELENDOK),
        Notification(m_combo, CBN_CLOSEUP),
    }));
    EXPECT_FALSE(IsDropped(m_combo));
    EXPECT_EQ(m_combo, GetFocus());
}

TEST_F(ComboBoxTest, ClickOnAnItemOfTheListChoosesIt) {
    Focus();
    Open();
    const LPARAM ptItem = MAKELPARAM(5, 2 * SendMessageA(m_combo, CB_GETITEMHEIGHT, 0, 0) + 2);
    SendMessageA(m_list, WM_LBUTTONDOWN, MK_LBUTTON, ptItem);
    SendMessageA(m_list, WM_LBUTTONUP, 0, ptItem);
    EXPECT_TRUE(MessagesAre({
        Notification(m_combo, CBN_SELENDOK),
        Notification(m_combo, CBN_CLOSEUP),
        Notification(m_combo, CBN_SELCHANGE),
    }));
    EXPECT_EQ(2, Selected());
    EXPECT_FALSE(IsDropped(m_combo));
    EXPECT_EQ(m_combo, GetFocus());
}

// The list asks the combo box for its colours, and the combo box asks its parent.
TEST_F(ComboBoxTest, ListColoursComeFromTheParentThroughTheComboBox) {
    test::RecordColourRequestsOf(m_combo);
    Focus();
    Open();
    InvalidateRect(m_list, nullptr, TRUE);
    UpdateWindow(m_list);
    std::vector<test::ColourRequest> listRequests;
    for (const test::ColourRequest& request : test::ColourRequests()) {
        if (request.message == WM_CTLCOLORLISTBOX)
            listRequests.push_back(request);
    }
    ASSERT_GE(listRequests.size(), 2u);
    EXPECT_EQ(0u, listRequests.size() % 2);
    for (size_t i = 0; i < listRequests.size(); ++i) {
        EXPECT_EQ(i % 2 == 0 ? m_combo : m_parent.Handle(), listRequests[i].hwndReceiver) << i;
        EXPECT_EQ(m_list, listRequests[i].hwndFrom) << i;
    }
}

// The combo box keeps its height when its font changes, and says so with a position change.
TEST_F(ComboBoxTest, NewFontSetsTheHeightOfTheSelectionField) {
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HDC hdc = GetDC(m_combo);
    SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(m_combo, hdc);
    SendMessageA(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(hFont), SendMessageA(m_combo, WM_GETFONT, 0, 0));
    EXPECT_EQ(tm.tmHeight + 8, WindowRect(m_combo).bottom - WindowRect(m_combo).top);
    EXPECT_EQ(tm.tmHeight, SendMessageA(m_combo, CB_GETITEMHEIGHT, 0, 0));
}

std::vector<UINT>& PositionFlags() {
    static std::vector<UINT> flags;
    return flags;
}

WNDPROC g_comboProc = nullptr;

// The flags of every position change, and when it comes with the list's closing, the
// notification the parent had last.
LRESULT CALLBACK PositionRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING)
        PositionFlags().push_back(reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
    return CallWindowProcA(g_comboProc, hwnd, message, wParam, lParam);
}

void RecordPositionChanges(HWND combo) {
    PositionFlags().clear();
    g_comboProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PositionRecordingProc)));
}

TEST_F(ComboBoxTest, NewFontIsAPositionChangeWithoutMoveZOrderOrActivation) {
    RecordPositionChanges(m_combo);
    SendMessageA(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ASSERT_FALSE(PositionFlags().empty());
    EXPECT_EQ(static_cast<UINT>(SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE),
              PositionFlags()[0] & 0xFFFF);
}

// Windows sets the combo box's position again, unchanged, after its list closed; Wine does not,
// so this is checked on the headless system only.
TEST_F(ComboBoxTest, ClosingListIsFollowedByAPositionChangeWithoutMoveZOrderOrActivation) {
    if (test::Headless() == nullptr)
        GTEST_SKIP() << "Wine does not set the combo box's position when its list closes";
    Focus();
    Open();
    const RECT rcBefore = WindowRect(m_combo);
    RecordPositionChanges(m_combo);
    SendMessageA(m_combo, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_EQ(1u, PositionFlags().size());
    EXPECT_EQ(static_cast<UINT>(SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE), PositionFlags()[0]);
    EXPECT_TRUE(
        MessagesAre({Notification(m_combo, CBN_SELENDOK), Notification(m_combo, CBN_CLOSEUP)}));
    const RECT rcAfter = WindowRect(m_combo);
    EXPECT_TRUE(EqualRect(&rcBefore, &rcAfter));
    PositionFlags().clear();
    SendMessageA(m_combo, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(PositionFlags().empty());
}

TEST_F(ComboBoxTest, SelectionFieldShowsTheSelectedItemInTheComboBoxsFont) {
    REQUIRE_HEADLESS();
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    SendMessageA(m_combo, CB_SETCURSEL, 1, 0);
    const std::vector<HEADLESS_TEXTOUT> texts = test::RepaintedText(m_combo);
    ASSERT_EQ(1u, texts.size());
    const HEADLESS_TEXTOUT& text = texts[0];
    EXPECT_EQ(m_combo, text.hwnd);
    EXPECT_STREQ("banana", text.szText);
    EXPECT_EQ(hFont, text.hFont);
}

// The owner answers 18 for every item it is asked to measure.
class OwnerDrawnComboBoxTest : public ::testing::Test {
protected:
    HWND Create(DWORD style) {
        test::SetMeasuredHeight(18);
        return m_parent.Create("ComboBox", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | style, kId, "",
                               0, 120, 150);
    }

    test::ParentWindow m_parent;
};

TEST_F(OwnerDrawnComboBoxTest, AsksForTheHeightOfTheSelectionFieldAndOfTheItems) {
    const HWND combo = Create(0);
    const UINT nText = static_cast<UINT>(SystemFontHeight() + 4);
    const std::vector<test::MeasuredItem>& measured = test::MeasuredItems();
    ASSERT_EQ(2u, measured.size());
    const UINT itemIDs[] = {static_cast<UINT>(-1), 0};
    const UINT proposed[] = {nText - 6, nText};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(static_cast<UINT>(ODT_COMBOBOX), measured[i].CtlType);
        EXPECT_EQ(static_cast<UINT>(kId), measured[i].CtlID);
        EXPECT_EQ(itemIDs[i], measured[i].itemID);
        EXPECT_EQ(120u, measured[i].itemWidth);
        EXPECT_EQ(proposed[i], measured[i].itemHeight);
    }
    EXPECT_EQ(24, SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(18, SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(28, WindowRect(combo).bottom - WindowRect(combo).top);
    EXPECT_EQ(0, SendMessageA(combo, CB_SETITEMHEIGHT, 0, 20));
    EXPECT_EQ(20, SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
}

TEST_F(OwnerDrawnComboBoxTest, OwnerDrawsTheSelectionFieldAndTheItemsOfTheOpenList) {
    const HWND combo = Create(0);
    SendMessageA(combo, CB_ADDSTRING, 0, 0x1111);
    SendMessageA(combo, CB_ADDSTRING, 0, 0x2222);
    EXPECT_EQ(0x1111, SendMessageA(combo, CB_GETITEMDATA, 0, 0));
    SetFocus(combo);
    test::Pump();
    test::ClearParentRecords();

    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    test::Pump();

    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    RECT rcField = info.rcItem;
    InflateRect(&rcField, -1, -1);
    const std::vector<test::DrawnItem>& drawn = test::DrawnItems();
    ASSERT_GE(drawn.size(), 3u);
    for (const test::DrawnItem& item : drawn) {
        EXPECT_EQ(static_cast<UINT>(ODT_COMBOBOX), item.CtlType);
        EXPECT_EQ(static_cast<UINT>(kId), item.CtlID);
        EXPECT_EQ(combo, item.hwndItem);
        EXPECT_EQ(static_cast<UINT>(ODA_DRAWENTIRE), item.itemAction);
    }
    // The field as the selection changed (the combo box has the focus), and the list's items.
    EXPECT_EQ(1u, drawn.front().itemID);
    EXPECT_EQ(static_cast<UINT>(ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS),
              drawn.front().itemState);
    EXPECT_EQ(0x2222u, drawn.front().itemData);
    EXPECT_TRUE(EqualRect(&rcField, &drawn.front().rcItem));
    const test::DrawnItem& first = drawn[drawn.size() - 2];
    const test::DrawnItem& second = drawn.back();
    EXPECT_EQ(0u, first.itemID);
    EXPECT_EQ(0u, first.itemState);
    EXPECT_EQ(0x1111u, first.itemData);
    EXPECT_EQ(0, first.rcItem.top);
    EXPECT_EQ(118, first.rcItem.right);
    EXPECT_EQ(1u, second.itemID);
    EXPECT_EQ(static_cast<UINT>(ODS_SELECTED), second.itemState);
    EXPECT_EQ(18, second.rcItem.top);
    EXPECT_EQ(36, second.rcItem.bottom);
}

TEST_F(OwnerDrawnComboBoxTest, FieldWithoutSelectionIsDrawnForItemMinusOne) {
    const HWND combo = Create(CBS_HASSTRINGS);
    SendMessageA(combo, CB_ADDSTRING, 0, Text("one"));
    EXPECT_EQ(3, SendMessageA(combo, CB_GETLBTEXTLEN, 0, 0));
    test::ClearParentRecords();
    InvalidateRect(combo, nullptr, TRUE);
    UpdateWindow(combo);
    const std::vector<test::DrawnItem>& drawn = test::DrawnItems();
    ASSERT_EQ(1u, drawn.size());
    EXPECT_EQ(static_cast<UINT>(-1), drawn[0].itemID);
    EXPECT_EQ(static_cast<UINT>(ODS_COMBOBOXEDIT), drawn[0].itemState);
}

} // namespace
