// Edits as the controller and the entry fields use them: the text limit, the selection, the keys a
// single-line and a multi-line edit keep, code page 932 text, and the notifications their parent
// receives.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::MessagesAre;
using test::optional;

constexpr int kId = 7;

std::string TextOf(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

struct Selection {
    DWORD dwStart;
    DWORD dwEnd;
    bool operator==(const Selection& other) const {
        return dwStart == other.dwStart && dwEnd == other.dwEnd;
    }
};

void PrintTo(const Selection& selection, std::ostream* pStream) {
    *pStream << "(" << selection.dwStart << ", " << selection.dwEnd << ")";
}

Selection SelectionOf(HWND hwnd) {
    Selection selection = {0xDEAD, 0xDEAD};
    const LRESULT result =
        SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.dwStart),
                     reinterpret_cast<LPARAM>(&selection.dwEnd));
    EXPECT_EQ(MAKELONG(selection.dwStart, selection.dwEnd), result);
    return selection;
}

void Type(HWND hwnd, const std::string& bytes) {
    for (char ch : bytes)
        SendMessageA(hwnd, WM_CHAR, static_cast<BYTE>(ch), 1);
}

std::vector<test::ExpectedMessage> TextChanged(HWND hwnd) {
    return {test::ParentNotification(hwnd, EN_UPDATE), test::ParentNotification(hwnd, EN_CHANGE)};
}

// The reading field's room is its limit (edit/EditSubReading.cpp), set or not.
TEST(EditTest, LimitStartsAt30000AndZeroMeansTheLargest) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId);
    EXPECT_EQ(30000, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(0x7FFFFFFE, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
}

TEST(EditTest, DialogCodeWantsCharsArrowsAndSelectionAndAllKeysWhenMultiLine) {
    test::ParentWindow parent;
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS,
              SendMessageA(parent.Create("Edit", 0, kId), WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS,
              SendMessageA(parent.Create("Edit", ES_MULTILINE | ES_WANTRETURN, kId + 1),
                           WM_GETDLGCODE, 0, 0));
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
    SendMessageA(edit, EM_SETSEL, c.before.dwStart, c.before.dwEnd);
    if (c.message != 0)
        SendMessageA(edit, c.message, c.wKey, 1);
    EXPECT_EQ(test::ShiftJis(c.pszText), TextOf(edit));
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
    SendMessageA(single, EM_SETSEL, 3, 3);
    SetWindowTextA(single, "new text");
    SetWindowTextA(multi, "new\r\ntext");
    EXPECT_TRUE(MessagesAre(TextChanged(single)));
    EXPECT_EQ((Selection{0, 0}), SelectionOf(single));
    EXPECT_EQ("new text", TextOf(single));
    EXPECT_EQ("new\r\ntext", TextOf(multi));
}

// Wine sends EN_UPDATE and EN_CHANGE after EN_MAXTEXT even when nothing was inserted.
TEST(EditTest, CharacterBeyondTheLimitIsRefusedWithMaxText) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "ab");
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    Type(edit, "cd");
    EXPECT_TRUE(MessagesAre({
        test::ParentNotification(edit, EN_UPDATE),
        test::ParentNotification(edit, EN_CHANGE),
        test::ParentNotification(edit, EN_MAXTEXT),
        test::ParentNotification(edit, EN_UPDATE, optional),
        test::ParentNotification(edit, EN_CHANGE, optional),
    }));
    EXPECT_EQ("abc", TextOf(edit));
}

TEST(EditTest, DoubleByteCharacterTypedAsTwoBytesIsInsertedOnce) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "ab");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    Type(edit, test::ShiftJis("漢"));
    EXPECT_TRUE(MessagesAre(TextChanged(edit)));
    EXPECT_EQ(test::ShiftJis("a漢b"), TextOf(edit));
    EXPECT_EQ((Selection{3, 3}), SelectionOf(edit));
}

TEST(EditTest, DoubleByteCharacterThatDoesNotFitTheLimitIsLeftOutWhole) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "ab");
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    Type(edit, test::ShiftJis("漢"));
    EXPECT_EQ("ab", TextOf(edit));
    EXPECT_TRUE(MessagesAre({test::ParentNotification(edit, EN_MAXTEXT)}));
}

} // namespace
