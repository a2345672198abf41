// The host's input method settings by control ID: which edits take them, and when the mode
// takes effect.
#include "CEditSub.h"
#include "ControlledDialog.h"
#include "ParamName.h"

#include <gtest/gtest.h>

#include <imm.h>

namespace {

using test::IsImeOpen;

struct SettingCase {
    const char* name;
    UINT nTemplate; // below 100 the library's own
    int nDisabled;  // disabled before Init
    int (*set)(CDlgSb& sb);
    int nResult;
    int nEdit;           // the edit the setting names
    bool bOpenAtOnce;    // by the posted message, without a focus change
    DWORD dwModeOnFocus; // the mode bit the edit's focus gain opens; 0: it closes
};

// Template 82 begins with edit 1096; in 80 three radios come before edit 1082, push button 1087
// and host field 5085 after it; 200 is push button 201 and edits 202, 203; 280 has combo 285;
// 230 begins with host field 5500 and multi-line edit 4999.
// clang-format off
const SettingCase kSettings[] = {
    {"KanaOnTheFirstFieldAppliesAtOnce", 82, 0, [](CDlgSb& sb) { return sb.SetKana(1096, 0, 0); }, 1, 1096, true, IME_CMODE_KATAKANA},
    {"OnASheetPageItWaitsForTheFocus", 82, 0, [](CDlgSb& sb) { return sb.SetKanaSheet(1, 1096, 0, 0); }, 1, 1096, false, IME_CMODE_KATAKANA},
    {"LaterFieldWaitsForTheFocus", 80, 0, [](CDlgSb& sb) { return sb.SetFep(1082, 0, 0, 0, 0, 0); }, 1, 1082, false, IME_CMODE_FULLSHAPE},
    {"FepSheetPassesItsArguments", 80, 0, [](CDlgSb& sb) { return sb.SetFepSheet(0, 1082, 1084, 0, 0, 1); }, 1, 1082, false, IME_CMODE_KATAKANA},
    {"SecondCallReplacesTheSetting", 80, 0, [](CDlgSb& sb) { return sb.SetFep(1082, 0, 0, 0, 1, 0) + sb.SetFep(1082, 0, 0, 0, 0, 0); }, 2, 1082, false, IME_CMODE_FULLSHAPE},
    {"PushButtonAsReadingFieldIsRefused", 80, 0, [](CDlgSb& sb) { return sb.SetFep(1082, 1087, 0, 0, 0, 0); }, 0, 1082, false, 0},
    {"HostFieldTakesNoSetting", 80, 0, [](CDlgSb& sb) { return sb.SetFep(5085, 0, 0, 0, 0, 0); }, 0, 0, false, 0},
    {"ComboBoxIsNoTarget", 280, 0, [](CDlgSb& sb) { return sb.SetFep(285, 0, 0, 0, 0, 0); }, 0, 0, false, 0},
    {"EnabledItemBeforeTheFieldCounts", 200, 0, [](CDlgSb& sb) { return sb.SetFep(202, 0, 0, 0, 0, 0); }, 1, 202, false, IME_CMODE_FULLSHAPE},
    {"HostFieldBeforeTheFieldDoesNot", 230, 0, [](CDlgSb& sb) { return sb.SetFep(4999, 0, 0, 0, 0, 0); }, 1, 4999, true, IME_CMODE_FULLSHAPE},
    {"DisabledItemBeforeTheFieldDoesNot", 200, 201, [](CDlgSb& sb) { return sb.SetFep(202, 0, 0, 0, 0, 0); }, 1, 202, true, IME_CMODE_FULLSHAPE},
};
// clang-format on

class FepSettingTest : public ::testing::TestWithParam<SettingCase> {};

// Before each focus gain and loss the user has opened the input method by hand; the edit
// switches to its mode or closes it on the gain, and closes it on the loss.
TEST_P(FepSettingTest, StoresTheModeAndAppliesItWhenTheFieldIsEntered) {
    const SettingCase& c = GetParam();
    test::ControlledDialog d(c.nTemplate, {}, [&c](HWND hDlg) {
        EnableWindow(GetDlgItem(hDlg, c.nDisabled), c.nDisabled == 0);
        CheckDlgButton(hDlg, 1079, BST_CHECKED);
    });
    const HWND hFocus = GetFocus(), hEdit = d.Item(c.nEdit);
    EXPECT_EQ(c.nResult, c.set(d.sb));
    d.Pump();
    EXPECT_EQ(c.bOpenAtOnce, IsImeOpen(hFocus));
    EXPECT_TRUE(test::MessagesAre({})) << "the focus stays";
    if (c.nEdit == 0)
        return;
    for (const HWND hNext : {d.host.Owner(), hEdit, d.host.Owner()}) {
        test::SetImeOpen(hFocus, TRUE);
        SetFocus(hNext);
    }
    EXPECT_FALSE(IsImeOpen(hFocus));
    SetFocus(hEdit);
    EXPECT_EQ(c.dwModeOnFocus != 0, IsImeOpen(hEdit, c.dwModeOnFocus));
}

INSTANTIATE_TEST_SUITE_P(Settings, FepSettingTest, ::testing::ValuesIn(kSettings),
                         test::ParamName<SettingCase>);

TEST(FepSettingTest, EveryFormFindsNothingBeforeInit) {
    CDlgSb sb;
    EXPECT_EQ(0, sb.SetFep(1082, 0, 0, 0, 0, 0) + sb.SetKana(1082, 0, 0) +
                     sb.SetFepSheet(0, 1082, 0, 0, 0, 0) + sb.SetKanaSheet(0, 1082, 0, 0));
}

} // namespace
