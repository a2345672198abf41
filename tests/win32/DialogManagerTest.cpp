// The dialog manager making dialogs of templates as other programs write them: the extended form,
// the predefined classes given by name in any case, scroll bars, and controls of classes that no
// one registered.
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"
#include "StandInControls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using test::lparam;
using test::MessagesAre;
using test::sent;
using test::wparam;

using Controls = std::vector<std::pair<int, std::string>>;

// The controls of a dialog in their order: ID and class name.
Controls ControlsOf(HWND hDlg) {
    Controls controls;
    for (HWND hwnd = GetWindow(hDlg, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        char szClass[64] = "";
        GetClassNameA(hwnd, szClass, sizeof(szClass));
        controls.emplace_back(GetDlgCtrlID(hwnd), szClass);
    }
    return controls;
}

TEST(DialogManagerTest, PredefinedClassesGivenByNameInAnyCaseAreTheClassesThemselves) {
    const test::HostDialog host(test::ProgramModule(), 106);
    ASSERT_NE(nullptr, host.Dialog());
    EXPECT_EQ((Controls{{601, "Button"},
                        {71036, "Edit"},
                        {603, "Static"},
                        {604, "ListBox"},
                        {605, "ComboBox"},
                        {606, "ScrollBar"},
                        {607, "ScrollBar"}}),
              ControlsOf(host.Dialog()));
}

// Without DS_NOFAILCREATE a control that cannot be made fails the whole dialog; a class
// registered later (a stand-in) makes it.
TEST(DialogManagerTest, ControlOfAnUnregisteredClassFailsTheDialogUnlessLeftOut) {
    EXPECT_EQ(nullptr, CreateDialogParamA(test::ProgramModule(), MAKEINTRESOURCEA(107), nullptr,
                                          nullptr, 0));
    const test::HostDialog leftOut(test::ProgramModule(), 108);
    EXPECT_EQ((Controls{{701, "Button"}, {703, "Edit"}}), ControlsOf(leftOut.Dialog()));
    ASSERT_TRUE(test::RegisterStandIn("tkpUnregisteredClass"));
    const test::HostDialog made(test::ProgramModule(), 107);
    EXPECT_EQ((Controls{{701, "Button"}, {702, "tkpUnregisteredClass"}, {703, "Edit"}}),
              ControlsOf(made.Dialog()));
}

// A scroll bar keeps the arrows and tells the dialog what each key asks to scroll, whatever its
// direction; keys that scroll nothing tell nothing.
struct ScrollKey {
    const char* name;
    int nId; // 606 vertical, 607 horizontal
    UINT vk;
    UINT message; // 0: none
    WPARAM code;
};

class ScrollBarKeyTest : public ::testing::TestWithParam<ScrollKey> {};

TEST_P(ScrollBarKeyTest, TellsTheDialogWhatTheKeyScrolls) {
    const test::HostDialog host(test::ProgramModule(), 106);
    const HWND hBar = host.Item(GetParam().nId);
    EXPECT_EQ(DLGC_WANTARROWS, SendMessageA(hBar, WM_GETDLGCODE, 0, 0));
    SetFocus(hBar);
    test::RecordOnly({WM_VSCROLL, WM_HSCROLL});
    test::TypeKeyInDialog(host.Dialog(), GetParam().vk);
    std::vector<test::ExpectedMessage> expected;
    if (GetParam().message != 0)
        expected.push_back({"dlg", GetParam().message, sent | wparam | lparam, GetParam().code,
                            reinterpret_cast<LPARAM>(hBar)});
    EXPECT_TRUE(MessagesAre(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ScrollBarKeyTest,
    ::testing::Values(ScrollKey{"DownOnVertical", 606, VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
                      ScrollKey{"LeftOnVertical", 606, VK_LEFT, WM_VSCROLL, SB_LINEUP},
                      ScrollKey{"RightOnHorizontal", 607, VK_RIGHT, WM_HSCROLL, SB_LINEDOWN},
                      ScrollKey{"UpOnHorizontal", 607, VK_UP, WM_HSCROLL, SB_LINEUP},
                      ScrollKey{"PageUp", 606, VK_PRIOR, WM_VSCROLL, SB_PAGEUP},
                      ScrollKey{"PageDown", 607, VK_NEXT, WM_HSCROLL, SB_PAGEDOWN},
                      ScrollKey{"Home", 606, VK_HOME, WM_VSCROLL, SB_TOP},
                      ScrollKey{"End", 607, VK_END, WM_HSCROLL, SB_BOTTOM},
                      ScrollKey{"Enter", 606, VK_RETURN, 0, 0}),
    test::ParamName<ScrollKey>);

} // namespace
