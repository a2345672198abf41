// Edits as the controller and the entry fields use them: the text limit, the selection, the keys a
// single-line and a multi-line edit keep, code page 932 text, the notifications their parent
// receives, and the layout of the text in the format rectangle.
#include "ControlHost.h"
#include "Headless.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

using test::MessagesAre;
using test::Send;
using test::WindowText;

constexpr int kId = 7;

// Start and end.
using Selection = std::pair<DWORD, DWORD>;

Selection SelectionOf(HWND hwnd) {
    Selection selection = {0xDEAD, 0xDEAD};
    const LRESULT result = Send(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.first),
                                reinterpret_cast<LPARAM>(&selection.second));
    EXPECT_EQ(MAKELONG(selection.first, selection.second), result);
    return selection;
}

// The metrics of the font an edit is given, measured as the edit measures it.
TEXTMETRICA MetricsOf(HWND hwnd, HGDIOBJ hFont) {
    Send(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    const HDC hdc = GetDC(hwnd);
    const HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm = {};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, hOld);
    ReleaseDC(hwnd, hdc);
    return tm;
}

std::vector<test::ExpectedMessage> TextChanged(HWND hwnd) {
    return {test::ParentNotification(hwnd, EN_UPDATE), test::ParentNotification(hwnd, EN_CHANGE)};
}

// One key, character or selection on an edit's text (UTF-8 here, code page 932 in the edit) with
// a selection; the text and selection after it. A multi-line edit has "abcdef", "x", "abcdef", its
// lines starting at 0, 8 and 11.
enum EditKind { kSingleLine, kMultiLine, kDoubleByte };
constexpr const char* kLines = "abcdef\r\nx\r\nabcdef";
struct EditingCase {
    const char* name;
    EditKind kind;
    Selection before;
    UINT message; // 0 for none
    WPARAM wKey;
    const char* pszText;
    Selection after;
};

class EditingTest : public ::testing::TestWithParam<EditingCase> {};

// Wine's ANSI edit keeps its text in UTF-16: it counts characters rather than bytes and takes
// each WM_CHAR byte as a character of its own, so the double-byte cases ("aあb", あ being the
// two bytes 0x82 0xA0 at 1 and 2) run on the headless system only.
TEST_P(EditingTest, KeyChangesTextAndCaret) {
    const EditingCase& c = GetParam();
    if (c.kind == kDoubleByte)
        REQUIRE_HEADLESS();
    const char* const kTexts[] = {"hello", kLines, "aあb"};
    test::ParentWindow parent;
    const HWND edit =
        parent.Create("Edit", c.kind == kMultiLine ? ES_MULTILINE | ES_WANTRETURN : 0, kId);
    SetWindowTextA(edit, test::ShiftJis(kTexts[c.kind]).c_str());
    Send(edit, EM_SETSEL, c.before.first, c.before.second);
    if (c.message != 0)
        Send(edit, c.message, c.wKey, 1);
    EXPECT_EQ(test::ShiftJis(c.pszText), WindowText(edit));
    EXPECT_EQ(c.after, SelectionOf(edit));
}

const EditingCase kEditing[] = {
    {"SelectForward", kSingleLine, {1, 3}, 0, 0, "hello", {1, 3}},
    {"SelectBackward", kSingleLine, {4, 2}, 0, 0, "hello", {2, 4}},
    {"SelectBeyondTheText", kSingleLine, {2, 100}, 0, 0, "hello", {2, 5}},
    {"SelectMinusOneDropsTheSelectionAtTheCaret",
     kSingleLine,
     {0, 5},
     EM_SETSEL,
     static_cast<WPARAM>(-1),
     "hello",
     {5, 5}},
    {"Left", kSingleLine, {3, 3}, WM_KEYDOWN, VK_LEFT, "hello", {2, 2}},
    {"LeftAtStart", kSingleLine, {0, 0}, WM_KEYDOWN, VK_LEFT, "hello", {0, 0}},
    {"UpIsLeft", kSingleLine, {3, 3}, WM_KEYDOWN, VK_UP, "hello", {2, 2}},
    {"DownIsRight", kSingleLine, {3, 3}, WM_KEYDOWN, VK_DOWN, "hello", {4, 4}},
    {"LeftFromTheCaretOfASelection", kSingleLine, {1, 3}, WM_KEYDOWN, VK_LEFT, "hello", {2, 2}},
    {"End", kSingleLine, {1, 1}, WM_KEYDOWN, VK_END, "hello", {5, 5}},
    {"DeleteSelection", kSingleLine, {1, 4}, WM_KEYDOWN, VK_DELETE, "ho", {1, 1}},
    {"Backspace", kSingleLine, {5, 5}, WM_CHAR, VK_BACK, "hell", {4, 4}},
    {"TypeOverSelection", kSingleLine, {1, 3}, WM_CHAR, 'Z', "hZlo", {2, 2}},
    {"ReturnIsNotText", kSingleLine, {5, 5}, WM_CHAR, '\r', "hello", {5, 5}},
    {"TabIsNotText", kSingleLine, {5, 5}, WM_CHAR, '\t', "hello", {5, 5}},
    {"DownToAShorterLineEnds", kMultiLine, {5, 5}, WM_KEYDOWN, VK_DOWN, kLines, {9, 9}},
    {"UpKeepsTheColumn", kMultiLine, {13, 13}, WM_KEYDOWN, VK_UP, kLines, {9, 9}},
    {"UpOnTheFirstLineStays", kMultiLine, {2, 2}, WM_KEYDOWN, VK_UP, kLines, {2, 2}},
    {"BackspaceJoinsLines", kMultiLine, {8, 8}, WM_CHAR, VK_BACK, "abcdefx\r\nabcdef", {6, 6}},
    {"ReturnBreaksTheLine", kMultiLine, {3, 3}, WM_CHAR, '\r', "abc\r\ndef\r\nx\r\nabcdef", {5, 5}},
    {"CaretInsideMovesToTheLeadByte", kDoubleByte, {2, 2}, 0, 0, "aあb", {1, 1}},
    {"SelectionEndInsideMovesToTheLeadByte", kDoubleByte, {0, 2}, 0, 0, "aあb", {0, 1}},
    {"LeftStepsOverTheCharacter", kDoubleByte, {3, 3}, WM_KEYDOWN, VK_LEFT, "aあb", {1, 1}},
    {"RightStepsOverTheCharacter", kDoubleByte, {1, 1}, WM_KEYDOWN, VK_RIGHT, "aあb", {3, 3}},
    {"BackspaceDeletesBothBytes", kDoubleByte, {3, 3}, WM_CHAR, VK_BACK, "ab", {1, 1}},
    {"DeleteDeletesBothBytes", kDoubleByte, {1, 1}, WM_KEYDOWN, VK_DELETE, "ab", {1, 1}},
};

INSTANTIATE_TEST_SUITE_P(Keys, EditingTest, ::testing::ValuesIn(kEditing),
                         test::ParamName<EditingCase>);

// EM_REPLACESEL puts the text in the selection's place as typing does, cut at the limit
// (EN_MAXTEXT first); an edit made with a parent reports to it, one made without to nobody.
TEST(EditTest, ReplaceSelInsertsUpToTheLimitAndNotifiesTheWindowItWasMadeWith) {
    test::ParentWindow parent;
    const HWND edit = CreateWindowExA(0, "Edit", "hello", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 20,
                                      parent.Handle(), nullptr, nullptr, nullptr);
    const HWND lone =
        CreateWindowExA(0, "Edit", "", 0, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    test::RecordControl(lone, "lone");
    Send(edit, EM_LIMITTEXT, 7, 0);
    Send(edit, EM_SETSEL, 1, 3);
    EXPECT_TRUE(Send(edit, EM_REPLACESEL, FALSE, test::Text("XYZ")));
    Send(edit, EM_REPLACESEL, FALSE, test::Text("12"));
    Send(lone, EM_REPLACESEL, FALSE, test::Text("a"));
    EXPECT_EQ("hXYZ1lo", WindowText(edit));
    EXPECT_EQ((Selection{5, 5}), SelectionOf(edit));
    std::vector<test::ExpectedMessage> expected = TextChanged(edit);
    expected.push_back(test::ParentNotification(edit, EN_MAXTEXT));
    for (const test::ExpectedMessage& message : TextChanged(edit))
        expected.push_back(message);
    expected.push_back({"lone", EM_REPLACESEL, test::sent});
    EXPECT_TRUE(MessagesAre(expected));
    DestroyWindow(edit);
    DestroyWindow(lone);
}

// The format rectangle (EM_GETRECT) is the client area less the border the edit draws (two
// pixels, one for the client edge; off the top and bottom only when a line still fits), less the
// margins, and as many whole lines of the font as fit, one at least, never below the client area.
TEST(EditTest, FormatRectIsTheClientAreaLessBorderAndMarginsInWholeLines) {
    const struct {
        DWORD style;
        DWORD exStyle;
        int nLines; // of client height, with nExtra pixels more
        int nExtra;
        int nInset;
        bool bInsetY;
        int nLinesShown;
    } cases[] = {
        {0, 0, 2, 0, 0, false, 1},
        {WS_BORDER, 0, 1, 4, 2, true, 1},
        {WS_BORDER, 0, 1, 3, 2, false, 1},
        {0, WS_EX_CLIENTEDGE, 1, 2, 1, true, 1},
        {ES_MULTILINE, 0, 2, 5, 0, false, 2},
        {ES_MULTILINE, 0, 0, 5, 0, false, 1},
    };
    for (const auto& c : cases) {
        test::ParentWindow parent;
        const HWND edit = parent.Create("Edit", c.style, kId, "", c.exStyle);
        const LONG cyLine = MetricsOf(edit, GetStockObject(DEFAULT_GUI_FONT)).tmHeight;
        const LONG cyClient = c.nLines * cyLine + c.nExtra;
        RECT rc = {0, 0, 100, cyClient};
        AdjustWindowRectEx(&rc, GetWindowLongA(edit, GWL_STYLE), FALSE, c.exStyle);
        SetWindowPos(edit, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        Send(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(3, 4));
        Send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
        const LONG yTop = c.bInsetY ? c.nInset : 0;
        const RECT expected = {c.nInset + 3, yTop, 100 - c.nInset - 4,
                               std::min(yTop + c.nLinesShown * cyLine, cyClient)};
        EXPECT_TRUE(EqualRect(&expected, &rc)) << c.style << " " << c.nLines << "+" << c.nExtra;
    }
}

// Half the average width of a font of single-byte characters on either side, from WM_SETFONT or
// EC_USEFONTINFO; none without a font. The built-in fonts of double-byte characters reach over
// their cells by nothing, so they give none and leave WM_SETFONT's margins as they are.
TEST(EditTest, MarginsFromTheFontAreHalfACharacterOfASingleByteFont) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId);
    Send(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, EC_USEFONTINFO));
    EXPECT_EQ(MAKELONG(1, 0), Send(edit, EM_GETMARGINS));
    const HFONT hAnsi = CreateFontA(-16, 0, 0, 0, 0, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    const LONG nHalf = MetricsOf(edit, hAnsi).tmAveCharWidth / 2;
    EXPECT_EQ(MAKELONG(nHalf, nHalf), Send(edit, EM_GETMARGINS));
    if (test::Headless() != nullptr) {
        MetricsOf(edit, GetStockObject(DEFAULT_GUI_FONT));
        EXPECT_EQ(MAKELONG(nHalf, nHalf), Send(edit, EM_GETMARGINS));
        Send(edit, EM_SETMARGINS, EC_USEFONTINFO, 0);
        EXPECT_EQ(0, Send(edit, EM_GETMARGINS));
    }
    DeleteObject(hAnsi);
}

} // namespace
