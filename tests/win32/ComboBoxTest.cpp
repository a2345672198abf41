// Drop-down list combo boxes as the controller and the pull-down lists use them: opening and
// closing the list by message and by key with the notifications in the order the parent receives
// them, and the position change a new font makes (a closing list's:
// tests/afx/ComboBoxCloseTest.cpp; owner drawing: tests/afx/OwnerDrawTest.cpp).
#include "ControlHost.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::MessagesAre;
using test::Send;
using test::Text;

constexpr int kId = 7;
constexpr UINT kCloseFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

int SystemFontHeight() {
    const HDC hdc = GetDC(nullptr);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(nullptr, hdc);
    return tm.tmHeight;
}

RECT WindowRect(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc;
}

// A drop-down list combo box of 120 x 150 with "apple", "banana", "cherry", "apricot".
class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_combo = m_parent.Create("ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_BORDER, kId, "", 0,
                                  120, 150);
        for (const char* psz : {"apple", "banana", "cherry", "apricot"})
            Send(m_combo, CB_ADDSTRING, 0, Text(psz));
    }

    void Focus() {
        SetFocus(m_combo);
        test::Pump();
        test::ClearMessages();
    }

    void Open() {
        Send(m_combo, CB_SHOWDROPDOWN, TRUE, 0);
        test::Pump();
        test::ClearMessages();
    }

    LRESULT Selected() const { return Send(m_combo, CB_GETCURSEL); }

    test::ParentWindow m_parent;
    HWND m_combo = nullptr;
};

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

constexpr WORD kOk = CBN_SELENDOK;
constexpr WORD kCancel = CBN_SELENDCANCEL;
constexpr WORD kClose = CBN_CLOSEUP;
constexpr WORD kChange = CBN_SELCHANGE;
constexpr LPARAM kAlt = 0x20000001; // the key's lParam with the Alt key down

TEST_P(ComboBoxKeyTest, NotifiesInOrder) {
    Send(m_combo, CB_SETCURSEL, 1, 0);
    Focus();
    if (GetParam().bOpen)
        Open();
    PostMessageA(m_combo, GetParam().message, GetParam().wKey, GetParam().lParam);
    test::Pump();
    std::vector<test::ExpectedMessage> expected;
    for (WORD wCode : GetParam().notifications)
        expected.push_back(test::ParentNotification(m_combo, wCode));
    EXPECT_TRUE(MessagesAre(expected));
    EXPECT_EQ(GetParam().bOpenAfter, Send(m_combo, CB_GETDROPPEDSTATE) != FALSE);
    EXPECT_EQ(GetParam().selected, Selected());
    EXPECT_EQ(m_combo, GetFocus());
}

const KeyCase kKeys[] = {
    {"ClosedDownSelectsTheNext", false, WM_KEYDOWN, VK_DOWN, 1, {kOk, kChange}, false, 2},
    {"ClosedUpSelectsThePrevious", false, WM_KEYDOWN, VK_UP, 1, {kOk, kChange}, false, 0},
    {"ClosedCharacterSelectsTheNextWithIt", false, WM_CHAR, 'a', 1, {kOk, kChange}, false, 3},
    {"ClosedF4Opens", false, WM_KEYDOWN, VK_F4, 1, {CBN_DROPDOWN}, true, 1},
    {"ClosedAltDownOpens", false, WM_SYSKEYDOWN, VK_DOWN, kAlt, {CBN_DROPDOWN}, true, 1},
    {"ClosedEnterDoesNothing", false, WM_KEYDOWN, VK_RETURN, 1, {}, false, 1},
    {"OpenDownMovesInTheList", true, WM_KEYDOWN, VK_DOWN, 1, {kChange}, true, 2},
    {"OpenEnterClosesWithTheChoice", true, WM_KEYDOWN, VK_RETURN, 1, {kOk, kClose}, false, 1},
    {"OpenEscapeClosesWithoutAChoice", true, WM_KEYDOWN, VK_ESCAPE, 1, {kCancel, kClose}, false, 1},
    {"OpenF4ClosesWithoutAChoice", true, WM_KEYDOWN, VK_F4, 1, {kCancel, kClose}, false, 1},
    {"OpenAltUpCloses", true, WM_SYSKEYDOWN, VK_UP, kAlt, {kCancel, kClose}, false, 1},
    {"OpenCharacterChoosesAndCloses", true, WM_CHAR, 'c', 1, {kOk, kClose, kChange}, false, 2},
};

INSTANTIATE_TEST_SUITE_P(Keys, ComboBoxKeyTest, ::testing::ValuesIn(kKeys),
                         test::ParamName<KeyCase>);

// A width below the list's present one brings it back to the combo box's width (120); 0 keeps
// it. The open list and the dropped rectangle take the width.
TEST_F(ComboBoxTest, DroppedWidthIsNeverBelowTheComboBoxs) {
    const struct {
        int nAsked;
        LRESULT nWidth;
    } kWidths[] = {{-1, 120}, {0, 120}, {100, 120}, {240, 240}, {0, 240}, {1, 120}, {200, 200}};
    for (const auto& width : kWidths) {
        EXPECT_EQ(width.nWidth, Send(m_combo, CB_SETDROPPEDWIDTH, width.nAsked, 0)) << width.nAsked;
        EXPECT_EQ(width.nWidth, Send(m_combo, CB_GETDROPPEDWIDTH)) << width.nAsked;
    }
    RECT rcDropped;
    Send(m_combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rcDropped));
    EXPECT_EQ(200, rcDropped.right - rcDropped.left);
    Open();
    const RECT rcList = WindowRect(GetCapture());
    EXPECT_EQ(rcDropped.left, rcList.left);
    EXPECT_EQ(200, rcList.right - rcList.left);
    EXPECT_TRUE(GetWindowLongA(GetCapture(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// What a message leaves to repaint of the open list, which was painted before it.
enum class Repaint { kNothing, kSome, kWholeList };
struct RedrawStep {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Repaint repaint;
};

// With the redraw off the list leaves out the repaints of its changes, until it is turned on.
TEST_F(ComboBoxTest, ListChangedWithTheRedrawOffIsRepaintedWholeWhenItComesOn) {
    Open();
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(m_combo, &info));
    const RedrawStep kSteps[] = {
        {"off", WM_SETREDRAW, FALSE, 0, Repaint::kNothing},
        {"row inserted", CB_INSERTSTRING, 0, Text("date"), Repaint::kNothing},
        {"on after changes", WM_SETREDRAW, TRUE, 0, Repaint::kWholeList},
        {"off again", WM_SETREDRAW, FALSE, 0, Repaint::kNothing},
        {"on without a change", WM_SETREDRAW, TRUE, 0, Repaint::kNothing},
        {"row inserted with the redraw on", CB_INSERTSTRING, 0, Text("elder"), Repaint::kSome},
    };
    for (const RedrawStep& step : kSteps) {
        SCOPED_TRACE(step.name);
        UpdateWindow(info.hwndList);
        EXPECT_NE(CB_ERR, Send(m_combo, step.message, step.wParam, step.lParam));
        RECT rc, rcList;
        EXPECT_EQ(step.repaint != Repaint::kNothing, GetUpdateRect(info.hwndList, &rc, FALSE) != 0);
        GetClientRect(info.hwndList, &rcList);
        if (step.repaint == Repaint::kWholeList) {
            EXPECT_TRUE(EqualRect(&rcList, &rc));
        }
    }
    // Unlike DefWindowProc's, the combo box's WM_SETREDRAW shows no hidden window.
    ShowWindow(m_combo, SW_HIDE);
    Send(m_combo, WM_SETREDRAW, FALSE, 0);
    Send(m_combo, WM_SETREDRAW, TRUE, 0);
    EXPECT_FALSE(IsWindowVisible(m_combo));
}

// The flags of each position change the combo box is asked for.
std::vector<UINT> g_positionFlags;
WNDPROC g_comboProc = nullptr;

LRESULT CALLBACK PositionRecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING)
        g_positionFlags.push_back(reinterpret_cast<const WINDOWPOS*>(lParam)->flags);
    return CallWindowProcA(g_comboProc, hwnd, message, wParam, lParam);
}

// The combo box keeps the height of its selection field in step with its font, and says so
// with the position change a pull-down list also hears when its list closes.
TEST_F(ComboBoxTest, NewFontSetsTheHeightOfTheSelectionFieldWithAPositionChange) {
    const HFONT hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const HDC hdc = GetDC(m_combo);
    SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(m_combo, hdc);
    EXPECT_EQ(SystemFontHeight() + 8, WindowRect(m_combo).bottom - WindowRect(m_combo).top);
    g_comboProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        m_combo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PositionRecordingProc)));
    Send(m_combo, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    EXPECT_EQ(reinterpret_cast<LRESULT>(hFont), Send(m_combo, WM_GETFONT));
    EXPECT_EQ(tm.tmHeight + 8, WindowRect(m_combo).bottom - WindowRect(m_combo).top);
    EXPECT_EQ(tm.tmHeight, Send(m_combo, CB_GETITEMHEIGHT));
    ASSERT_FALSE(g_positionFlags.empty());
    EXPECT_EQ(kCloseFlags, g_positionFlags[0] & 0xFFFF);
    // A field set lower than the font is as high as the font again once the combo box is sized.
    Send(m_combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 1);
    SetWindowPos(m_combo, nullptr, 0, 0, 120, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(tm.tmHeight + 4, Send(m_combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
}

} // namespace
