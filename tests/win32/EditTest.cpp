// Edits as the controller and the entry fields use them: the text limit, the selection, the keys a
// single-line and a multi-line edit keep, code page 932 text, and the notifications their parent
// receives.
#include "ControlHost.h"
#include "Headless.h"
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace {

using test::MessagesAre;
using test::optional;
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

void Type(HWND hwnd, const std::string& bytes) {
    for (char ch : bytes)
        Send(hwnd, WM_CHAR, static_cast<BYTE>(ch), 1);
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

TEST(EditTest, SetTextPutsTheCaretAtTheStartAndOnlyASingleLineEditNotifies) {
    test::ParentWindow parent;
    const HWND single = parent.Create("Edit", 0, kId, "old");
    const HWND multi = parent.Create("Edit", ES_MULTILINE, kId + 1, "old");
    Send(single, EM_SETSEL, 3, 3);
    SetWindowTextA(single, "new text");
    SetWindowTextA(multi, "new\r\ntext");
    EXPECT_TRUE(MessagesAre(TextChanged(single)));
    EXPECT_EQ((Selection{0, 0}), SelectionOf(single));
    EXPECT_EQ("new text", WindowText(single));
    EXPECT_EQ("new\r\ntext", WindowText(multi));
}

// A focus change repaints an edit only where it shows a selection, whose highlight comes or goes.
TEST(EditTest, FocusChangeRepaintsOnlyASelection) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", ES_MULTILINE, kId, "text");
    for (const LPARAM lEnd : {0, 2}) {
        Send(edit, EM_SETSEL, 0, lEnd);
        for (const HWND hFocus : {edit, parent.Handle()}) {
            UpdateWindow(edit);
            SetFocus(hFocus);
            EXPECT_EQ(lEnd != 0, GetUpdateRect(edit, nullptr, FALSE) != 0);
        }
    }
}

// Wine sends EN_UPDATE and EN_CHANGE after EN_MAXTEXT even when nothing was inserted.
TEST(EditTest, CharacterBeyondTheLimitIsRefusedWithMaxText) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "ab");
    Send(edit, EM_LIMITTEXT, 3, 0);
    Send(edit, EM_SETSEL, 2, 2);
    Type(edit, "cd");
    EXPECT_TRUE(MessagesAre({
        test::ParentNotification(edit, EN_UPDATE),
        test::ParentNotification(edit, EN_CHANGE),
        test::ParentNotification(edit, EN_MAXTEXT),
        test::ParentNotification(edit, EN_UPDATE, optional),
        test::ParentNotification(edit, EN_CHANGE, optional),
    }));
    EXPECT_EQ("abc", WindowText(edit));
}

// Typed as two bytes, it is inserted once, or left out whole where it does not fit the limit.
TEST(EditTest, DoubleByteCharacterTypedAsTwoBytesIsInsertedWholeOrNotAtAll) {
    REQUIRE_HEADLESS();
    for (const bool bFits : {true, false}) {
        test::ParentWindow parent;
        const HWND edit = parent.Create("Edit", 0, kId, "ab");
        Send(edit, EM_LIMITTEXT, bFits ? 4 : 3, 0);
        Send(edit, EM_SETSEL, 1, 1);
        Type(edit, test::ShiftJis("漢"));
        EXPECT_TRUE(MessagesAre(bFits ? TextChanged(edit)
                                      : std::vector<test::ExpectedMessage>{
                                            test::ParentNotification(edit, EN_MAXTEXT)}));
        EXPECT_EQ(bFits ? test::ShiftJis("a漢b") : "ab", WindowText(edit));
        EXPECT_EQ((Selection{bFits ? 3u : 1u, bFits ? 3u : 1u}), SelectionOf(edit));
    }
}

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

// Every key is answered with TRUE. Asked for its code with a message, as a dialog manager asks,
// even a single-line edit takes Enter to the dialog's default button.
TEST(EditTest, KeysAnswerTrueAndEnterInADialogGoesToTheDefaultButton) {
    test::HostDialog dialog(test::ProgramModule(), 104);
    const HWND edit = dialog.Item(104);
    for (WPARAM vk : {VK_LEFT, VK_DELETE, 0x41, VK_ESCAPE, VK_TAB})
        EXPECT_EQ(TRUE, Send(edit, WM_KEYDOWN, vk, 0)) << vk;
    MSG msg = {edit, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    Send(edit, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&msg));
    EXPECT_EQ(TRUE, Send(edit, WM_KEYDOWN, VK_RETURN, 0));
    EXPECT_EQ(dialog.Item(108), GetFocus());
    EXPECT_TRUE(PeekMessageA(&msg, dialog.Item(108), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
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

// EM_POSFROMCHAR and EM_CHARFROMPOS between the places of "aa" left, centred or right in the
// format rectangle: a point in a character's right half is the place after it; there is no
// place past the text, nor a character outside the client area. Lines stand one under another.
TEST(EditTest, PointsAndPlacesOfTheCharactersMatch) {
    for (const DWORD style : {DWORD{0}, DWORD{ES_CENTER}, DWORD{ES_RIGHT}}) {
        test::ParentWindow parent;
        const HWND edit = parent.Create("Edit", style, kId, "aa", 0, 100, 30);
        RECT rc = {};
        Send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
        const LRESULT first = Send(edit, EM_POSFROMCHAR);
        const int x = LOWORD(first);
        const int cx = LOWORD(Send(edit, EM_POSFROMCHAR, 1, 0)) - x;
        const int nRoom = rc.right - rc.left - 2 * cx;
        EXPECT_EQ(MAKELONG(rc.left + nRoom * static_cast<int>(style) / 2, rc.top), first);
        const auto at = [&](int xAt) {
            return Send(edit, EM_CHARFROMPOS, 0, MAKELPARAM(xAt, rc.top));
        };
        EXPECT_EQ(0, at(x + (cx + 1) / 2 - 1));
        EXPECT_EQ(1, at(x + (cx + 1) / 2));
        EXPECT_EQ(2, at(x + 2 * cx - 1));
        EXPECT_EQ(-1, Send(edit, EM_POSFROMCHAR, 2, 0));
        EXPECT_EQ(-1, at(200));
    }
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", ES_MULTILINE, kId, "ab\r\ncd", 0, 100, 100);
    const LRESULT first = Send(edit, EM_POSFROMCHAR);
    const LRESULT second = Send(edit, EM_POSFROMCHAR, 4, 0);
    EXPECT_EQ(LOWORD(first), LOWORD(second));
    EXPECT_GT(HIWORD(second), HIWORD(first));
    EXPECT_EQ(MAKELONG(4, 1), Send(edit, EM_CHARFROMPOS, 0, second));
    EXPECT_EQ(1, HIWORD(Send(edit, EM_CHARFROMPOS, 0, MAKELPARAM(1, 90))));
}

// EM_GETLINE copies as much of the line as the buffer's first WORD says, a NUL after it when
// there is room; a single-line edit has its one line whatever the number.
TEST(EditTest, GetLineCopiesTheLineIntoTheBuffer) {
    const struct {
        DWORD style;
        WPARAM wLine;
        WORD wSize;
        LRESULT nCopied;
        const char* pszBuffer; // its first four bytes after the call, '#' untouched
    } cases[] = {{ES_MULTILINE, 1, 8, 2, "de\0#"},
                 {ES_MULTILINE, 0, 2, 2, "ab##"},
                 {ES_MULTILINE, 2, 8, 0, "\x08\0##"},
                 {0, 5, 8, 3, "abc\0"}};
    for (const auto& c : cases) {
        test::ParentWindow parent;
        const HWND edit = parent.Create("Edit", c.style, kId, c.style ? "abc\r\nde" : "abc");
        char buffer[8] = "#######";
        std::memcpy(buffer, &c.wSize, sizeof(c.wSize));
        EXPECT_EQ(c.nCopied, Send(edit, EM_GETLINE, c.wLine, test::Text(buffer)));
        EXPECT_EQ(0, std::memcmp(c.pszBuffer, buffer, 4)) << c.wLine << " " << c.wSize;
    }
}

} // namespace
