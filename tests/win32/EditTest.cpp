// Edits as the controller and the entry fields use them: the text limit, the border of an edit
// made in code, the selection, the keys a single-line and a multi-line edit keep, code page 932
// text, and the notifications their parent receives.
#include "ControlHost.h"
#include "Headless.h"
#include "MessageLog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using test::lparam;
using test::MessagesAre;
using test::optional;
using test::sent;
using test::wparam;

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

test::ExpectedMessage Notification(HWND hwnd, WORD wCode, UINT flags = 0) {
    return {"parent", WM_COMMAND, sent | wparam | lparam | flags, MAKEWPARAM(kId, wCode),
            reinterpret_cast<LPARAM>(hwnd)};
}

std::vector<test::ExpectedMessage> TextChanged(HWND hwnd) {
    return {Notification(hwnd, EN_UPDATE), Notification(hwnd, EN_CHANGE)};
}

TEST(EditTest, LimitStartsAt30000AndZeroMeansTheLargest) {
    test::ParentWindow parent;
    const HWND single = parent.Create("Edit", 0, kId);
    const HWND multi = parent.Create("Edit", ES_MULTILINE, kId + 1);
    EXPECT_EQ(30000, SendMessageA(single, EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(30000, SendMessageA(multi, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(single, EM_LIMITTEXT, 0, 0);
    SendMessageA(multi, EM_SETLIMITTEXT, 0, 0);
    EXPECT_EQ(0x7FFFFFFE, SendMessageA(single, EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(0xFFFFFFFF, static_cast<DWORD>(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0)));
    SendMessageA(single, EM_SETLIMITTEXT, 10, 0);
    EXPECT_EQ(10, SendMessageA(single, EM_GETLIMITTEXT, 0, 0));
}

TEST(EditTest, DialogCodeWantsCharsArrowsAndSelectionAndAllKeysWhenMultiLine) {
    test::ParentWindow parent;
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS,
              SendMessageA(parent.Create("Edit", 0, kId), WM_GETDLGCODE, 0, 0));
    EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS,
              SendMessageA(parent.Create("Edit", ES_MULTILINE | ES_WANTRETURN, kId + 1),
                           WM_GETDLGCODE, 0, 0));
}

TEST(EditTest, BorderOfAnEditMadeInCodeIsDrawnInsideTheClientArea) {
    test::ParentWindow parent;
    const HWND plain = parent.Create("Edit", WS_BORDER, kId, "", 0, 100, 20);
    const HWND edged = parent.Create("Edit", WS_BORDER, kId + 1, "", WS_EX_CLIENTEDGE, 100, 20);
    EXPECT_EQ(0, GetWindowLongA(plain, GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(0, GetWindowLongA(plain, GWL_EXSTYLE));
    RECT rc;
    GetClientRect(plain, &rc);
    EXPECT_EQ(100, rc.right);
    EXPECT_NE(0, GetWindowLongA(edged, GWL_STYLE) & WS_BORDER);
}

struct SelectCase {
    const char* name;
    WPARAM wStart;
    LPARAM lEnd;
    Selection expected;
};

class EditSetSelTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(EditSetSelTest, SelectsInOrderWithinTheText) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "hello");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_SETSEL, GetParam().wStart, GetParam().lEnd);
    EXPECT_EQ(GetParam().expected, SelectionOf(edit));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, EditSetSelTest,
    ::testing::Values(
        SelectCase{"Forward", 1, 3, {1, 3}}, SelectCase{"Backward", 4, 2, {2, 4}},
        SelectCase{"All", 0, -1, {0, 5}}, SelectCase{"EndBeyondText", 2, 100, {2, 5}},
        SelectCase{"MinusOneDropsTheSelectionAtTheCaret", static_cast<WPARAM>(-1), 0, {5, 5}}),
    test::ParamName<SelectCase>);

// One key or character on "hello" with a selection; the text and selection after it.
struct EditingCase {
    const char* name;
    Selection before;
    UINT message;
    WPARAM wKey;
    const char* pszText;
    Selection after;
};

class SingleLineEditingTest : public ::testing::TestWithParam<EditingCase> {};

TEST_P(SingleLineEditingTest, KeyChangesTextAndCaret) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "hello");
    SendMessageA(edit, EM_SETSEL, GetParam().before.dwStart, GetParam().before.dwEnd);
    SendMessageA(edit, GetParam().message, GetParam().wKey, 1);
    EXPECT_EQ(GetParam().pszText, TextOf(edit));
    EXPECT_EQ(GetParam().after, SelectionOf(edit));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SingleLineEditingTest,
    ::testing::Values(
        EditingCase{"Left", {3, 3}, WM_KEYDOWN, VK_LEFT, "hello", {2, 2}},
        EditingCase{"LeftAtStart", {0, 0}, WM_KEYDOWN, VK_LEFT, "hello", {0, 0}},
        EditingCase{"UpIsLeft", {3, 3}, WM_KEYDOWN, VK_UP, "hello", {2, 2}},
        EditingCase{"DownIsRight", {3, 3}, WM_KEYDOWN, VK_DOWN, "hello", {4, 4}},
        EditingCase{
            "LeftMovesFromTheCaretOfASelection", {1, 3}, WM_KEYDOWN, VK_LEFT, "hello", {2, 2}},
        EditingCase{"End", {1, 1}, WM_KEYDOWN, VK_END, "hello", {5, 5}},
        EditingCase{"DeleteSelection", {1, 4}, WM_KEYDOWN, VK_DELETE, "ho", {1, 1}},
        EditingCase{"Backspace", {5, 5}, WM_CHAR, VK_BACK, "hell", {4, 4}},
        EditingCase{"TypeOverSelection", {1, 3}, WM_CHAR, 'Z', "hZlo", {2, 2}},
        EditingCase{"ReturnIsNotText", {5, 5}, WM_CHAR, '\r', "hello", {5, 5}}),
    test::ParamName<EditingCase>);

class MultiLineEditingTest : public ::testing::TestWithParam<EditingCase> {};

// "abcdef", "x", "abcdef": lines start at 0, 8 and 11.
TEST_P(MultiLineEditingTest, KeyChangesTextAndCaret) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", ES_MULTILINE | ES_WANTRETURN, kId);
    SetWindowTextA(edit, "abcdef\r\nx\r\nabcdef");
    SendMessageA(edit, EM_SETSEL, GetParam().before.dwStart, GetParam().before.dwEnd);
    SendMessageA(edit, GetParam().message, GetParam().wKey, 1);
    EXPECT_EQ(GetParam().pszText, TextOf(edit));
    EXPECT_EQ(GetParam().after, SelectionOf(edit));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MultiLineEditingTest,
    ::testing::Values(
        EditingCase{
            "DownToAShorterLineEnds", {5, 5}, WM_KEYDOWN, VK_DOWN, "abcdef\r\nx\r\nabcdef", {9, 9}},
        EditingCase{
            "UpKeepsTheColumn", {13, 13}, WM_KEYDOWN, VK_UP, "abcdef\r\nx\r\nabcdef", {9, 9}},
        EditingCase{
            "UpOnTheFirstLineStays", {2, 2}, WM_KEYDOWN, VK_UP, "abcdef\r\nx\r\nabcdef", {2, 2}},
        EditingCase{"BackspaceJoinsLines", {8, 8}, WM_CHAR, VK_BACK, "abcdefx\r\nabcdef", {6, 6}},
        EditingCase{
            "ReturnBreaksTheLine", {3, 3}, WM_CHAR, '\r', "abc\r\ndef\r\nx\r\nabcdef", {5, 5}}),
    test::ParamName<EditingCase>);

TEST(EditTest, TypedCharacterReplacesTheSelectionAndNotifiesUpdateThenChange) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "hello");
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 1, 3);
    test::ClearMessages();
    PostMessageA(edit, WM_CHAR, 'X', 1);
    test::Pump();
    EXPECT_TRUE(MessagesAre(TextChanged(edit)));
    EXPECT_EQ("hXlo", TextOf(edit));
}

TEST(EditTest, ReplaceSelNotifiesAndLeavesTheCaretAfterTheText) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "hello");
    SendMessageA(edit, EM_SETSEL, 5, 5);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("yz"));
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
    EXPECT_TRUE(MessagesAre(TextChanged(edit)));
    EXPECT_EQ("helloyz", TextOf(edit));
    EXPECT_EQ((Selection{7, 7}), SelectionOf(edit));
}

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
        Notification(edit, EN_UPDATE),
        Notification(edit, EN_CHANGE),
        Notification(edit, EN_MAXTEXT),
        Notification(edit, EN_UPDATE, optional),
        Notification(edit, EN_CHANGE, optional),
    }));
    EXPECT_EQ("abc", TextOf(edit));
}

TEST(EditTest, ReplaceSelKeepsWhatFitsTheLimitAndSetTextIgnoresIt) {
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, "ab");
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_TRUE(MessagesAre({
        Notification(edit, EN_MAXTEXT),
        Notification(edit, EN_UPDATE),
        Notification(edit, EN_CHANGE),
    }));
    EXPECT_EQ("abXY", TextOf(edit));
    SetWindowTextA(edit, "abcdefgh");
    EXPECT_EQ("abcdefgh", TextOf(edit));
}

// Wine's ANSI edit keeps its text in UTF-16: it counts characters rather than bytes and takes
// each WM_CHAR byte as a character of its own, so these run on the headless system only.
struct DoubleByteCase {
    const char* name;
    Selection before;
    UINT message;
    WPARAM wKey;
    const char* pszUtf8Text;
    Selection after;
};

class DoubleByteEditingTest : public ::testing::TestWithParam<DoubleByteCase> {};

// "aあb": あ is the two bytes 0x82 0xA0 at 1 and 2.
TEST_P(DoubleByteEditingTest, NeverSplitsTheCharacter) {
    REQUIRE_HEADLESS();
    test::ParentWindow parent;
    const HWND edit = parent.Create("Edit", 0, kId, test::ShiftJis("aあb").c_str());
    SendMessageA(edit, EM_SETSEL, GetParam().before.dwStart, GetParam().before.dwEnd);
    if (GetParam().message != 0)
        SendMessageA(edit, GetParam().message, GetParam().wKey, 1);
    EXPECT_EQ(test::ShiftJis(GetParam().pszUtf8Text), TextOf(edit));
    EXPECT_EQ(GetParam().after, SelectionOf(edit));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DoubleByteEditingTest,
    ::testing::Values(
        DoubleByteCase{"CaretInsideMovesToTheLeadByte", {2, 2}, 0, 0, "aあb", {1, 1}},
        DoubleByteCase{"SelectionEndInsideMovesToTheLeadByte", {0, 2}, 0, 0, "aあb", {0, 1}},
        DoubleByteCase{"LeftStepsOverTheCharacter", {3, 3}, WM_KEYDOWN, VK_LEFT, "aあb", {1, 1}},
        DoubleByteCase{"RightStepsOverTheCharacter", {1, 1}, WM_KEYDOWN, VK_RIGHT, "aあb", {3, 3}},
        DoubleByteCase{"BackspaceDeletesBothBytes", {3, 3}, WM_CHAR, VK_BACK, "ab", {1, 1}},
        DoubleByteCase{"DeleteDeletesBothBytes", {1, 1}, WM_KEYDOWN, VK_DELETE, "ab", {1, 1}}),
    test::ParamName<DoubleByteCase>);

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
    SendMessageA(edit, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(test::ShiftJis("x漢").c_str()));
    EXPECT_EQ("abx", TextOf(edit));
    EXPECT_TRUE(MessagesAre({
        Notification(edit, EN_MAXTEXT),
        Notification(edit, EN_MAXTEXT),
        Notification(edit, EN_UPDATE),
        Notification(edit, EN_CHANGE),
    }));
}

} // namespace
