// Template edits under the controller: their keys, the input method they switch on focus, and
// the reading field filled while the user composes.
#include "CEditSub.h"
#include "ControlledDialog.h"
#include "Headless.h"
#include "ImeComposer.h"
#include "ParamName.h"
#include "ShiftJis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using test::ControlledDialog;
using test::WindowText;

// Template 410: the host's field 5001, which the controller does not count, before edit 411.
// The mode applies once the posted message arrives, and the edit's own switch closes what it
// opened when the controller goes, with the focus still there; the input method is the thread's.
TEST(EditSubTest, FirstCountedEditAppliesItsModeByMessageAndClosesItWithTheController) {
    const test::HostDialog other(test::ProgramModule(), 400);
    {
        ControlledDialog d(410);
        ASSERT_EQ(1, d.sb.SetFep(411, 0, 7, -3, 1, 0));
        EXPECT_FALSE(test::IsImeOpen(d.Item(411)));
        d.Pump();
        EXPECT_TRUE(test::IsImeOpen(d.Item(411), IME_CMODE_KATAKANA));
        const auto* pEdit = static_cast<CEditSub*>(CWnd::FromHandlePermanent(d.Item(411)));
        EXPECT_EQ(7 * 1000 - 3, pEdit->m_nFepParam1 * 1000 + pEdit->m_nFepParam2);
        EXPECT_EQ(0, d.Send(411, WM_FEP_APPLY));
    }
    EXPECT_FALSE(test::IsImeOpen(other.Dialog()));
}

// One step of the user's: 'S' starts a composition, 'C' changes it (result, its reading,
// composition, its reading; all NULL empties it), 'E' ends it, 'D' disables the reading field,
// 'T' sets its text to text[0], 'K' types the key text[0]; 'X' makes the input method report the
// number text[0] for the result's reading (negative: an error, 0: its length).
struct Step {
    char act;
    const char* text[4] = {};
    const char* pszShown = nullptr; // the reading field's text after the step, when checked
};

struct ReadingCase {
    const char* name;
    std::string before; // the reading field's text, in Shift-JIS
    UINT nLimit;
    std::vector<Step> steps;
    std::string after;
};

std::string Sj(const char* pszUtf8) {
    return pszUtf8 != nullptr ? test::ShiftJis(pszUtf8) : std::string();
}

// The name field 401 composes; its reading field is 402 (template 400).
class ReadingFieldTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingFieldTest, ReadingsReachTheReadingFieldAsTheUserComposes) {
    const test::ImeComposer& ime = test::Ime();
    ControlledDialog d(400);
    ASSERT_EQ(1, d.sb.SetFep(401, 402, 0, 0, 0, 0));
    d.Pump();
    const auto& edit = *static_cast<CEditSub*>(CWnd::FromHandlePermanent(d.Item(401)));
    SetWindowTextA(d.Item(402), GetParam().before.c_str());
    d.Send(402, EM_LIMITTEXT, GetParam().nLimit);
    for (const Step& step : GetParam().steps) {
        std::string text[4];
        const char* arg[4];
        for (int i = 0; i < 4; ++i)
            arg[i] = step.text[i] != nullptr ? (text[i] = Sj(step.text[i])).c_str() : nullptr;
        if (step.act == 'X')
            REQUIRE_HEADLESS(); // a real input method reports what it has
        const HIMC hIMC = ImmGetContext(d.Item(401));
        ASSERT_TRUE(step.act == 'S'   ? ime.StartComposition()
                    : step.act == 'C' ? ime.Compose(arg[0], arg[1], arg[2], arg[3])
                    : step.act == 'E' ? ime.EndComposition()
                    : step.act == 'D' ? !EnableWindow(d.Item(402), FALSE)
                    : step.act == 'T' ? SetWindowTextA(d.Item(402), arg[0])
                    : step.act == 'X' ? test::Headless()->SetCompositionResult(
                                            hIMC, GCS_RESULTREADSTR, std::atol(arg[0]))
                                      : (d.Type(static_cast<BYTE>(step.text[0][0])), TRUE));
        d.Pump();
        if (step.pszShown != nullptr) {
            EXPECT_EQ(Sj(step.pszShown), WindowText(d.Item(402))) << "after step " << step.act;
        }
        // The host reads the base: at an end it is the reading shown.
        if (step.act == 'E' && IsWindowEnabled(d.Item(402))) {
            EXPECT_STREQ(edit.m_szCur, edit.m_szBase);
        }
    }
    EXPECT_EQ(GetParam().after, WindowText(d.Item(402)));
    // The input context is the thread's: the next case finds the result's reading given again.
    if (test::Headless() != nullptr)
        test::Headless()->SetCompositionResult(ImmGetContext(d.Item(401)), GCS_RESULTREADSTR, 0);
}

// clang-format off
const ReadingCase kReadings[] = {
    {"LimitTakesTheFirstBytesOfTheReading", "12345678", 10,
     {{'S'}, {'C', {u8"阿井", u8"ｱｲｳｴ"}}, {'E'}}, "12345678" + Sj(u8"ｱｲ")},
    {"FullFieldGetsNothing", Sj(u8"ｱｲｳｴ"), 4,
     {{'S'}, {'C', {nullptr, nullptr, u8"か", u8"ｶ"}}, {'C', {u8"課", u8"ｶ"}}, {'E'}}, Sj(u8"ｱｲｳｴ")},
    {"EmptiedCompositionFallsBackToTheCommittedReadings", Sj(u8"ﾔﾏ"), 100,
     {{'S'}, {'C', {u8"田", u8"ﾀ"}, u8"ﾔﾏﾀ"}, {'C', {nullptr, nullptr, u8"なか", u8"ﾅｶ"}, u8"ﾔﾏﾀﾅｶ"}, {'C', {nullptr, nullptr, u8"な", u8"ﾅ"}, u8"ﾔﾏﾀﾅ"},
      {'C', {}, u8"ﾔﾏﾀ"}, {'E'}}, Sj(u8"ﾔﾏﾀ")},
    {"DisabledReadingFieldStopsCopying", "", 100,
     {{'S'}, {'C', {nullptr, nullptr, u8"や", u8"ﾔ"}, u8"ﾔ"}, {'D'},
      {'C', {nullptr, nullptr, u8"やま", u8"ﾔﾏ"}}, {'C', {u8"山", u8"ﾔﾏ"}}, {'E'}}, Sj(u8"ﾔ")},
    {"DeletingAndPlainTypingAddNothing", "", 100,
     {{'S'}, {'C', {u8"山", u8"ﾔﾏ"}}, {'E'}, {'K', {"\x08"}}, {'K', {"\x2E"}}, {'K', {"A"}}}, Sj(u8"ﾔﾏ")},
    {"DoubleByteReadingIsNeverSplit", "abc", 6, {{'S'}, {'C', {u8"亜衣", u8"アイ"}}, {'E'}},
     Sj(u8"abcア")},
    {"LimitBeyondTheBuffersStopsAt1023Bytes", std::string(1020, 'x'), 5000,
     {{'S'}, {'C', {u8"阿井", u8"ｱｲｳｴ"}}, {'E'}}, std::string(1020, 'x') + Sj(u8"ｱｲｳ")},
    {"ReadingErrorAddsNothing", "", 100, {{'S'}, {'X', {"-1"}}, {'C', {u8"亜", u8"ｱ"}}, {'E'}}, ""},
    {"ReportedLengthCutsTheReadingAndFindsNoStaleOne", "", 100,
     {{'S'}, {'C', {u8"亜衣", u8"ｱｲ"}}, {'X', {"2"}}, {'C', {u8"田中", u8"ﾀﾅｶ"}}, {'X', {"10"}},
      {'C', {u8"山", u8"ﾔ"}}, {'E'}}, Sj(u8"ｱｲﾀﾅﾔ")},
    {"TextSetBetweenCompositionsIsTakenUp", "", 100,
     {{'S'}, {'C', {u8"山", u8"ﾔﾏ"}}, {'E'}, {'T', {u8"ｱ"}}, {'C', {u8"田", u8"ﾀ"}}, {'E'}}, Sj(u8"ｱﾀ")},
    {"EndWithoutChangeKeepsTheText", Sj(u8"ﾔﾏ"), 100, {{'S'}, {'E'}}, Sj(u8"ﾔﾏ")},
    {"EndWithoutStartShowsNoReading", Sj(u8"ﾔﾏ"), 100, {{'E'}}, ""},
    {"ChangeWithoutStartBeginsAtTheFieldsText", Sj(u8"ﾔﾏ"), 100, {{'C', {u8"田", u8"ﾀ"}},
     {'C', {nullptr, nullptr, u8"な", u8"ﾅ"}}, {'C', {nullptr, nullptr, u8"なか", u8"ﾅｶ"}}, {'E'}},
     Sj(u8"ﾔﾏﾀﾅｶ")},
    // The limit is a 16-bit signed number: EM_LIMITTEXT 0 sets 0x7FFFFFFE, which reads as -2.
    {"LimitFrom32768OnTakesNoReading", "ab", 32768, {{'S'}, {'C', {u8"阿井", u8"ｱｲ"}}, {'E'}}, "ab"},
    {"LimitTextZeroTakesNoReading", "ab", 0, {{'S'}, {'C', {u8"阿井", u8"ｱｲ"}}, {'E'}}, "ab"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Readings, ReadingFieldTest, ::testing::ValuesIn(kReadings),
                         test::ParamName<ReadingCase>);

} // namespace
