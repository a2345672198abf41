// The host's entry fields: their windows, the numeric field's commit, the string field's text
// and input method; and a host's data-entry dialog end to end, through the host's dialog loop.
#include "CEditNum.h"
#include "CEditStr.h"
#include "Headless.h"
#include "HostDialog.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using test::IsImeOpen;
using test::MessagesAre;
using test::sent;

// Host message numbers from WM_APP on, which a short holds as negative numbers.
enum : UINT { kKeyMsg = WM_APP + 1, kChangeMsg };
const short kKey = static_cast<short>(kKeyMsg), kChange = static_cast<short>(kChangeMsg);

std::string TextOf(const CWnd& field) {
    return test::WindowText(field.m_hWnd);
}

// The fields stand in the dialog of template 400 and send their messages to its owner.
class EntryFieldTest : public ::testing::Test {
protected:
    int InitStr(CEditStr& f, short nFepMode, short nChangeMsg = kChange) {
        return f.Init(Owner(), Dlg(), 301, nullptr, kKey, nChangeMsg, nullptr, 0, 0, 0, nFepMode, 0,
                      0, 0);
    }
    // Types the characters through the host's loop.
    void Type(const CWnd& field, const std::string& chars) {
        for (const char ch : chars)
            PostMessageA(field.m_hWnd, WM_CHAR, static_cast<BYTE>(ch), 1);
        test::PumpDialog(host.Dialog());
    }
    CWnd* Owner() { return host.OwnerWnd(); }
    CWnd* Dlg() { return host.DialogWnd(); }

    test::HostDialog host{test::ProgramModule(), 400};
};

// The looks' styles, the sunken edge going with WS_BORDER; every field is 50 by 10, in the host's
// font, and none is made without a parent.
TEST_F(EntryFieldTest, EachLookIsAHiddenMultiLineEditForTheHostToPlace) {
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CEditNum num[3];
    CEditStr str[5];
    ASSERT_EQ(1, num[0].Init(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, num[1].Init3D(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, str[0].Init(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, str[1].Init3D(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, str[2].InitRight(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1,
              str[3].Init3DRight(Owner(), Dlg(), 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(0, num[2].Init(Owner(), nullptr, 300, &font, 0, 0, nullptr, 0, 0, 0, 0, 0, 0) +
                     str[4].Init(Owner(), nullptr, 300, &font, 0, 0, nullptr, 0, 0, 0, 1, 0, 0, 0));
    EXPECT_EQ(nullptr, num[2].m_pOwner);
    EXPECT_EQ(nullptr, str[4].m_pOwner);
    const CWnd* fields[] = {&num[0], &num[1], &str[0], &str[1], &str[2], &str[3]};
    const DWORD kStyles[] = {0x40000006, 0x40800006, 0x40000004,
                             0x40800004, 0x40000006, 0x40800006};
    for (int i = 0; i < 6; ++i) {
        const HWND hWnd = fields[i]->m_hWnd;
        RECT rc;
        GetWindowRect(hWnd, &rc);
        EXPECT_EQ(300, GetDlgCtrlID(hWnd));
        EXPECT_EQ(kStyles[i], static_cast<DWORD>(GetWindowLongA(hWnd, GWL_STYLE)));
        EXPECT_EQ((kStyles[i] & WS_BORDER) ? WS_EX_CLIENTEDGE : 0,
                  GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        EXPECT_EQ(50 * 1000 + 10, (rc.right - rc.left) * 1000 + rc.bottom - rc.top);
        EXPECT_EQ(static_cast<HFONT>(font),
                  reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0)));
    }
    EXPECT_EQ(Dlg(), str[0].m_pParent);
}

// Without a change message a commit's change waits for GetData, which reports it once, or for
// SetText, which forgets it; with one, GetData holds the message back, and the next commit sends
// it again. Each field is bound to a real first: an integer takes no places after it.
TEST_F(EntryFieldTest, NumberFieldReportsEachChangeOnce) {
    CEditNum quiet, told;
    ASSERT_EQ(1, quiet.Init(Owner(), Dlg(), 300, nullptr, 0, 0, nullptr, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, told.Init(Owner(), Dlg(), 301, nullptr, 0, kChange, nullptr, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(0, quiet.GetData()) << "no variable bound";
    double dQuiet = 5;
    float fTold = 5;
    quiet.SetText(&dQuiet, 2, 0, 100, 0);
    told.SetText(&fTold, 1, 0, 100, 0);
    EXPECT_EQ("5.00 5.0", TextOf(quiet) + " " + TextOf(told));
    LONG lQuiet = 5;
    short nTold = 5;
    quiet.SetText(&lQuiet, 0, 7);
    told.SetText(&nTold, 0, 8);
    EXPECT_EQ("5 5", TextOf(quiet) + " " + TextOf(told));
    test::RecordOnly({kChangeMsg});
    test::ClearMessages();
    quiet.SetWindowText("7.5");
    SetFocus(quiet.m_hWnd);
    SetFocus(told.m_hWnd);
    quiet.SetText(&lQuiet, 0, 7);
    told.SetWindowText("7");
    EXPECT_EQ(0, quiet.GetData());
    EXPECT_EQ(1, told.GetData());
    EXPECT_EQ(0, told.GetData());
    EXPECT_TRUE(MessagesAre({}));
    told.SetWindowText("8.5");
    SetFocus(host.Dialog());
    EXPECT_TRUE(MessagesAre({{"owner", kChangeMsg, sent}}));
    EXPECT_EQ(708, lQuiet * 100 + nTold);
}

// Texts separated by '|' are committed one after the other.
struct CommitCase {
    const char* name;
    char type; // short, long, float or double
    int bComma;
    double dMin, dMax;
    short nDecimals, bMinuteCheck;
    double dBefore;
    const char* pszTyped;
    double dStored;
    const char* pszShown;
    size_t nChangeMessages;
};

// clang-format off
const CommitCase kCommits[] = {
    {"OutOfRangeReverts", 's', 1, 3, 100, 0, 0, 5, "150|2", 5, "5", 0},
    {"RevertShowsCommasWithCommaOne", 's', 1, 0, 20000, 0, 0, 12345, "30000", 12345, "12,345", 0},
    {"RevertShowsNoCommasOtherwise", 'l', 2, 0, 20000, 0, 0, 12345, "30000", 12345, "12345", 0},
    {"FractionOfAnIntegerIsCutAndTheTextStays", 's', 1, 0, 100, 0, 0, 5, "12.7", 12, "12.7", 1},
    {"CommasAreDroppedWhereverTheyStandUpToTheMaximum", 'l', 1, 0, 1234, 0, 0, 5, "1,234|12,34", 1234, "12,34", 1},
    {"EmptyTextIsZeroFromTheMinimum", 'l', 1, 0, 5, 0, 0, 5, "", 0, "", 1},
    {"EmptyTextOutOfRangeReverts", 'l', 1, 1, 5, 0, 0, 5, "", 5, "5", 0},
    {"MinutesUpTo59AreTaken", 'f', 1, 1, 24, 2, 1, 5, "0.5|1.59", 1.59, "1.59", 1},
    {"MinuteCheckOutlivesARevert", 'f', 1, 0, 24, 2, 1, 5, "1.60|4.60|0.60", 5, "5.00", 0},
    {"FloatChangeOfAHundredThousandthIsStoredUnreported", 'f', 1, 0, 2, 5, 0, 0, "0.00001|0.00001|1.75", 1.75, "1.75", 1},
    {"DoubleChangeOfAHundredThousandthIsStoredUnreported", 'd', 1, 0, 2, 5, 0, 0, "0.00001|0.00001|1.75", 1.75, "1.75", 1},
    {"OnlyTheFirst19BytesAreRead", 'd', 1, 0, 100, 1, 0, 5, "000000000000000001.5", 1, "000000000000000001.5", 1},
    {"TextThatIsNoNumberReverts", 'l', 1, -9, 9, 0, 0, 5, "1-2|-", 5, "5", 0},
    {"MinutesAreExactFromTenBillionOn", 'd', 1, 0, 1e17, 2, 1, 5, "12345678901.60|12345678901.59|10000000000000000|0.59", 0.59, "0.59", 3},
    // The places are cut, so those past the fifth show the noise of the place guards.
    {"TwelvePlacesAreReadAndShown", 'd', 1, 0.1, 1, 12, 0, 0.5, "0.123456789012|2|0.05", 0.123456789012, "0.123457344567", 1},
};
// clang-format on

class CommitTest : public EntryFieldTest, public ::testing::WithParamInterface<CommitCase> {};

TEST_P(CommitTest, LeavingTheFieldStoresTheTextOrShowsTheValueAgain) {
    const CommitCase& c = GetParam();
    CEditNum field;
    ASSERT_EQ(
        1, field.Init(Owner(), Dlg(), 300, nullptr, 0, kChange, nullptr, 0, 0, c.bComma, 0, 0, 0));
    auto s = static_cast<short>(c.dBefore);
    auto l = static_cast<LONG>(c.dBefore);
    auto f = static_cast<float>(c.dBefore);
    double d = c.dBefore;
    const auto nMin = static_cast<short>(c.dMin), nMax = static_cast<short>(c.dMax);
    c.type == 's'   ? field.SetText(&s, nMin, nMax)
    : c.type == 'l' ? field.SetText(&l, static_cast<LONG>(c.dMin), static_cast<LONG>(c.dMax))
    : c.type == 'f' ? field.SetText(&f, c.nDecimals, static_cast<float>(c.dMin),
                                    static_cast<float>(c.dMax), c.bMinuteCheck)
                    : field.SetText(&d, c.nDecimals, c.dMin, c.dMax, c.bMinuteCheck);
    test::RecordOnly({WM_NULL, kChangeMsg}); // a message numbered 0 is none
    test::ClearMessages();
    const std::string typed = std::string(c.pszTyped) + "|";
    for (size_t nStart = 0, nEnd; (nEnd = typed.find('|', nStart)) != std::string::npos;
         nStart = nEnd + 1) {
        SetFocus(field.m_hWnd);
        field.SetWindowText(typed.substr(nStart, nEnd - nStart).c_str());
        SetFocus(host.Dialog());
    }
    const double dStored = c.type == 's' ? s : c.type == 'l' ? l : c.type == 'f' ? f : d;
    EXPECT_DOUBLE_EQ(c.type == 'f' ? static_cast<float>(c.dStored) : c.dStored, dStored);
    EXPECT_EQ(c.pszShown, TextOf(field));
    EXPECT_TRUE(MessagesAre(
        std::vector<test::ExpectedMessage>(c.nChangeMessages, {"owner", kChangeMsg, sent})));
    EXPECT_EQ(0, field.GetData());
}

INSTANTIATE_TEST_SUITE_P(Commits, CommitTest, ::testing::ValuesIn(kCommits),
                         test::ParamName<CommitCase>);

// The host closes its dialog when a field tells it of the lost focus, and keeps the field
// object: the field, whose window went with the dialog, leaves the bound value as it was.
INT_PTR CALLBACK ClosingOnKillFocus(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_KILLFOCUS)
        DestroyWindow(hwnd);
    return FALSE;
}

TEST_F(EntryFieldTest, FieldWhoseWindowWentWithTheDialogCommitsNothing) {
    CEditNum number;
    CEditStr text;
    ASSERT_EQ(1, number.Init(Owner(), Dlg(), 300, nullptr, 0, 0, nullptr, 0, 0, 0, 0, 0, 0));
    ASSERT_EQ(1, InitStr(text, FEPMODE_OFF));
    LONG lValue = 5;
    char szText[128] = "old";
    number.SetText(&lValue, 0, 100);
    text.SetText(szText);
    number.SetWindowText("77");
    SetFocus(number.m_hWnd);
    SetFocus(text.m_hWnd); // 77 is stored; without a change message the change is kept
    number.SetWindowText("88");
    text.SetWindowText("new");
    SetWindowLongPtrA(host.Dialog(), DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(ClosingOnKillFocus));
    SetFocus(host.Owner());
    ASSERT_FALSE(IsWindow(host.Dialog()));
    EXPECT_EQ(77, lValue);
    EXPECT_EQ(1, number.GetData());
    EXPECT_EQ(0, text.GetData());
    EXPECT_STREQ("old", szText);
}

// A field the host deletes takes its window with it, and nothing of it runs after: deleted with
// the focus and a changed text, it commits nothing; deleted when it tells of a change on an exit
// key, it sends no key message. A text field's switch closes what it opened.
std::unique_ptr<CEdit> g_pField;

LRESULT CALLBACK DeletingOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kChangeMsg)
        g_pField.reset();
    return test::RecordingWindowProc(hwnd, message, wParam, lParam);
}

TEST_F(EntryFieldTest, DeletedFieldTakesItsWindowAndRunsNoMore) {
    SetWindowLongPtrA(host.Owner(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DeletingOwnerProc));
    short keys[] = {VK_RETURN};
    LONG lValue = 5;
    char szText[128] = "5";
    test::RecordOnly({kKeyMsg, kChangeMsg});
    test::ClearMessages();
    for (const bool bAtChange : {false, true}) {
        auto pNumber = std::make_unique<CEditNum>();
        auto pText = std::make_unique<CEditStr>();
        ASSERT_EQ(
            1, pNumber->Init(Owner(), Dlg(), 300, nullptr, kKey, kChange, keys, 1, 0, 0, 0, 0, 0));
        ASSERT_EQ(1, pText->Init(Owner(), Dlg(), 301, nullptr, kKey, kChange, keys, 1, 0, 0,
                                 FEPMODE_HIRAGANA, 0, 0, 0));
        pNumber->SetText(&lValue, 0, 100);
        pText->SetText(szText);
        std::unique_ptr<CEdit> fields[] = {std::move(pNumber), std::move(pText)};
        for (std::unique_ptr<CEdit>& pField : fields) {
            const HWND hWnd = pField->m_hWnd;
            pField->SetWindowText(bAtChange ? "7" : "77");
            g_pField = std::move(pField);
            SetFocus(hWnd);
            if (bAtChange)
                test::TypeKeyInDialog(host.Dialog(), VK_RETURN);
            else
                g_pField.reset();
            EXPECT_FALSE(IsWindow(hWnd));
        }
    }
    EXPECT_EQ(7, lValue);
    EXPECT_STREQ("7", szText);
    EXPECT_TRUE(MessagesAre({{"owner", kChangeMsg, sent}, {"owner", kChangeMsg, sent}}));
    EXPECT_FALSE(IsImeOpen(host.Dialog()));
}

// Before the gain and before the loss the user has opened the input method by hand. The shown
// field, with no selection, is erased and repainted after the loss only with bInvalidate 1.
struct ModeCase {
    const char* name;
    short nFepMode;        // of a string field; -1 for a number field
    DWORD dwModeBitOnGain; // 0: closed
    int bInvalidate;
};

int g_nErased;
WNDPROC g_pfnField;

LRESULT CALLBACK CountingErases(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_nErased += message == WM_ERASEBKGND ? 1 : 0;
    return CallWindowProcA(g_pfnField, hwnd, message, wParam, lParam);
}

class ModeTest : public EntryFieldTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, FieldSwitchesTheInputMethodByItsModeAndRepaintsWhenAsked) {
    const ModeCase& c = GetParam();
    CEditNum number;
    CEditStr text;
    ASSERT_EQ(1, c.nFepMode < 0 ? number.Init(Owner(), Dlg(), 300, nullptr, 0, 0, nullptr, 0, 0, 0,
                                              0, 0, c.bInvalidate)
                                : text.Init(Owner(), Dlg(), 301, nullptr, 0, 0, nullptr, 0, 0, 0,
                                            c.nFepMode, 0, c.bInvalidate, 0));
    const HWND hField = c.nFepMode < 0 ? number.m_hWnd : text.m_hWnd;
    SetWindowPos(hField, nullptr, 0, 0, 50, 14, SWP_SHOWWINDOW);
    test::SetImeOpen(host.Dialog(), TRUE);
    test::RecordOnly({WM_COMMAND});
    test::ClearMessages();
    SetFocus(hField);
    EXPECT_EQ(c.dwModeBitOnGain != 0, IsImeOpen(hField, c.dwModeBitOnGain));
    const std::vector<test::RecordedMessage>& log = test::RecordedMessages();
    const WPARAM wSetFocus = MAKEWPARAM(GetDlgCtrlID(hField), EN_SETFOCUS);
    EXPECT_EQ(1, std::count_if(log.begin(), log.end(),
                               [&](const test::RecordedMessage& m) {
                                   return m.message == WM_COMMAND && m.wParam == wSetFocus;
                               }))
        << "the edit's own handling of the gain";
    UpdateWindow(hField);
    g_nErased = 0;
    g_pfnField = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingErases)));
    test::SetImeOpen(host.Dialog(), TRUE);
    SetFocus(host.Dialog());
    UpdateWindow(hField);
    SetWindowLongPtrA(hField, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnField));
    EXPECT_FALSE(IsImeOpen(host.Dialog()));
    EXPECT_EQ(c.bInvalidate == 1 ? 1 : 0, g_nErased);
    test::SetImeOpen(host.Dialog(), TRUE);
    SendMessageA(hField, WM_KILLFOCUS, 0, 0);            // a loss without a gain: a mode's switch
    EXPECT_EQ(c.nFepMode > 0, IsImeOpen(host.Dialog())); // closes only what it opened
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, ModeTest, ::testing::Values(
    ModeCase{"Number", -1, 0, 1}, ModeCase{"NumberNotRepainted", -1, 0, 2},
    ModeCase{"Off", FEPMODE_OFF, 0, 2}, ModeCase{"Hiragana", FEPMODE_HIRAGANA, IME_CMODE_FULLSHAPE, 1},
    ModeCase{"Kana", FEPMODE_KANA, IME_CMODE_KATAKANA, 0}, ModeCase{"AnyOther", 7, IME_CMODE_FULLSHAPE, 0}),
    test::ParamName<ModeCase>);
// clang-format on

// Without a change message a commit's change stays for GetData to report.
TEST_F(EntryFieldTest, StringFieldTakesNoLineBreakOrTabAndCommitsWholeCharacters) {
    CEditStr field;
    ASSERT_EQ(1, InitStr(field, FEPMODE_OFF, 0));
    EXPECT_EQ(nullptr, field.m_pFep);
    EXPECT_EQ(0, field.GetData()) << "no buffer bound";
    char szBuffer[128] = "old";
    field.SetText(szBuffer);
    EXPECT_EQ(0, field.GetData());
    SetFocus(field.m_hWnd);
    Type(field, "ab\r\tc");
    SetFocus(host.Dialog());
    EXPECT_STREQ("abcold", szBuffer);
    EXPECT_EQ(1, field.GetData());
    EXPECT_EQ(0, field.GetData());
    field.SetWindowText((std::string(126, 'a') + test::ShiftJis(u8"亜")).c_str());
    EXPECT_EQ(1, field.GetData());
    EXPECT_EQ(std::string(126, 'a'), szBuffer) << "no lone lead byte at the cut";
    field.m_bNumOnly = 1;
    field.SetWindowText("");
    Type(field, "0a9,-.\x82\xA0");
    EXPECT_EQ("09,-.", TextOf(field));
    field.SetSel();
    EXPECT_EQ(MAKELRESULT(0, 5), field.SendMessage(EM_GETSEL));
    EXPECT_EQ(1, field.GetData());
    EXPECT_STREQ("09,-.", szBuffer);
    field.SetWindowText("1");
    SetFocus(field.m_hWnd);
    SetFocus(host.Dialog());
    field.SetText(szBuffer); // forgets the change the loss kept
    EXPECT_EQ(0, field.GetData());
}

// The host goes on from the amount to the memo on Enter.
enum : UINT { kNumKey = WM_USER, kStrKey, kChanged, kShiftUp, kRButton, kFocus, kKilled };
HWND g_hMemo;
POINT g_ptClick;

LRESULT CALLBACK HostOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = test::RecordingWindowProc(hwnd, message, wParam, lParam);
    if (message == kNumKey && wParam == VK_RETURN)
        SetFocus(g_hMemo);
    if (message == kRButton)
        g_ptClick = *reinterpret_cast<const POINT*>(lParam);
    return lResult;
}

// Keys typed through the host's dialog loop into an amount and a memo field.
TEST_F(EntryFieldTest, KeysFillTheFieldsAndTheHostHearsOfEachStepInOrder) {
    SetWindowLongPtrA(host.Owner(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostOwnerProc));
    short keys[] = {VK_RETURN, VK_LEFT};
    CEditNum amount;
    ASSERT_EQ(1, amount.Init3D(Owner(), Dlg(), 405, nullptr, kNumKey, kChanged, keys, 2, kShiftUp,
                               1, kRButton, kFocus, 1));
    CEditStr memo;
    ASSERT_EQ(1, memo.Init(Owner(), Dlg(), 406, nullptr, kStrKey, kChanged, keys, 1, kShiftUp,
                           kRButton, FEPMODE_OFF, kFocus, 0, kKilled));
    LONG lAmount = 0;
    char szMemo[128] = "";
    amount.SetText(&lAmount, 1, 9999999);
    memo.SetText(szMemo);
    g_hMemo = memo.m_hWnd;
    amount.SetWindowPos(nullptr, 10, 50, 100, 14, SWP_SHOWWINDOW);
    memo.SetWindowPos(nullptr, 10, 70, 100, 14, SWP_SHOWWINDOW);
    test::RecordOnly({kNumKey, kStrKey, kChanged, kShiftUp, kRButton, kFocus, kKilled});
    test::ClearMessages();

    SetFocus(amount.m_hWnd);
    test::TypeKeyInDialog(host.Dialog(), VK_LEFT); // an exit key on the 0 shown, out of range
    amount.SetSel();
    for (const UINT vk : {0x31u, 0xBCu, 0x32u, 0x41u, 0x33u, 0x34u}) // 1,2A34: no letter
        test::TypeKeyInDialog(host.Dialog(), vk);
    // Shift and the right button, pressed over the field and, without MK_RBUTTON, reported by
    // neither.
    for (const HWND hField : {amount.m_hWnd, memo.m_hWnd}) {
        PostMessageA(hField, WM_RBUTTONDOWN, 0, 0);
        PostMessageA(hField, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
        PostMessageA(hField, WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC0000001u));
    }
    POINT ptExpected = {3, 4};
    MapWindowPoints(memo.m_hWnd, host.Dialog(), &ptExpected, 1);
    test::TypeKeyInDialog(host.Dialog(), VK_LEFT); // an exit key: it commits, the caret stays
    EXPECT_EQ(MAKELRESULT(5, 5), amount.SendMessage(EM_GETSEL));
    // Nothing changed before the B; Left is past the memo's one exit key.
    const UINT kToMemoThenB[] = {VK_RETURN, VK_RETURN, 0x42, VK_LEFT};
    for (const UINT vk : kToMemoThenB)
        test::TypeKeyInDialog(host.Dialog(), vk);
    SetFocus(host.Dialog());

    EXPECT_EQ(1234, lAmount);
    EXPECT_EQ("1,234", TextOf(amount));
    EXPECT_STREQ("b", szMemo);
    EXPECT_EQ(ptExpected.x * 1000 + ptExpected.y, g_ptClick.x * 1000 + g_ptClick.y);
    EXPECT_TRUE(MessagesAre({
        {"dlg", kFocus, sent},
        {"owner", kNumKey, sent | test::wparam, VK_LEFT},
        {"owner", kRButton, sent},
        {"owner", kShiftUp, sent},
        {"owner", kRButton, sent},
        {"owner", kShiftUp, sent},
        {"owner", kChanged, sent},
        {"owner", kNumKey, sent | test::wparam, VK_LEFT},
        {"owner", kNumKey, sent | test::wparam, VK_RETURN},
        {"owner", kFocus, sent},
        {"owner", kStrKey, sent | test::wparam, VK_RETURN},
        {"owner", kChanged, sent},
        {"owner", kKilled, sent},
    }));
}

} // namespace
