// The key table against real key presses: a key the table routes, pressed on its control in
// the list's state, does what handing its key to the controller does; a key it does not route
// leaves the focus and the list where they were.
#include "ControlledDialog.h"
#include "internal/KeyRoutes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using item::KeyControl;
using item::ListState;
using test::ControlledDialog;

// Template 320: each control stands between two edits.
const std::pair<KeyControl, int> kSubjects[] = {
    {KeyControl::PushButton, 322}, {KeyControl::CheckButton, 324}, {KeyControl::ComboBox, 328},
    {KeyControl::ListBox, 330},    {KeyControl::Edit, 332},        {KeyControl::MultiLineEdit, 334},
    {KeyControl::PullCombo, 7001},
};

int SubjectId(KeyControl control) {
    for (const auto& [subject, nId] : kSubjects) {
        if (subject == control)
            return nId;
    }
    return 0;
}

void FillLists(HWND hDlg) {
    for (const char* pszRow : {"one", "two"}) {
        SendDlgItemMessageA(hDlg, 328, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SendDlgItemMessageA(hDlg, 330, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
        SendDlgItemMessageA(hDlg, 7001, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszRow));
    }
}

// Where a key left the dialog (the focus control and item, and the list), and what the host
// heard of it.
using Outcome = std::pair<std::string, std::vector<std::string>>;

// The host's messages and the controls' notifications. The dialog manager's own traffic of a
// typed key is left out, and so is the text its character changes, which is the control's
// own: a multi-line edit breaks the line on Enter.
bool IsTextChange(const test::RecordedMessage& m) {
    return m.message == WM_COMMAND &&
           (HIWORD(m.wParam) == EN_UPDATE || HIWORD(m.wParam) == EN_CHANGE);
}

std::vector<std::string> Heard() {
    std::vector<std::string> heard;
    for (const test::RecordedMessage& m : test::RecordedMessages()) {
        if ((m.message == WM_COMMAND && !IsTextChange(m)) || m.message >= WM_APP)
            heard.push_back(test::MessageName(m.message) + "(" + std::to_string(m.wParam) + ")");
    }
    return heard;
}

// Presses nChar on the control with its list in that state (typed through the host's loop),
// or hands nHandedAs straight to the controller (0: nothing); either way from the same start.
Outcome PressKey(KeyControl control, bool bListOpen, UINT nChar, UINT nHandedAs, bool bTyped) {
    ControlledDialog d(320, {}, FillLists);
    const int nId = SubjectId(control);
    d.sb.SetFocusID(static_cast<short>(nId));
    SetFocus(d.Item(nId));
    if (bListOpen)
        d.Send(nId, CB_SHOWDROPDOWN, TRUE);
    d.Pump();
    test::ClearMessages();
    if (bTyped)
        d.Type(nChar);
    else if (nHandedAs != 0)
        d.sb.DialogKeyDown(nHandedAs);
    d.Pump();
    const bool bOpen = item::HasList(control) && d.Send(nId, CB_GETDROPPEDSTATE) != 0;
    return {"focus " + std::to_string(d.FocusId()) + " (item " + std::to_string(d.sb.m_nFocus) +
                "), list " + (bOpen ? "open" : "closed"),
            Heard()};
}

struct KeyCase {
    KeyControl control;
    bool bListOpen;
    UINT nChar;
};

std::string CaseName(const KeyCase& c) {
    return "control " + std::to_string(static_cast<int>(c.control)) + ", key " +
           std::to_string(c.nChar) + (c.bListOpen ? ", list open" : "");
}

// Every route of the table in each state it holds for, and the first and the last function
// key on every control.
std::vector<KeyCase> RoutedCases() {
    std::vector<KeyCase> cases;
    for (const item::KeyRoute& route : item::kKeyRoutes) {
        for (const bool bOpen : {false, true}) {
            const ListState state = bOpen ? ListState::Open : ListState::Closed;
            if ((route.when == ListState::Any && (!bOpen || item::HasList(route.control))) ||
                route.when == state)
                cases.push_back({route.control, bOpen, route.nKey});
        }
    }
    for (const auto& subject : kSubjects) {
        cases.push_back({subject.first, false, VK_F1});
        cases.push_back({subject.first, false, VK_F24});
    }
    return cases;
}

TEST(KeyRoutesTest, ARoutedKeyDoesWhatItsKeyDoesInTheController) {
    for (const KeyCase& c : RoutedCases()) {
        SCOPED_TRACE(CaseName(c));
        const UINT nHandedAs = item::HandedKey(c.control, c.nChar, c.bListOpen);
        ASSERT_NE(0u, nHandedAs);
        const Outcome typed = PressKey(c.control, c.bListOpen, c.nChar, nHandedAs, true);
        EXPECT_EQ(typed, PressKey(c.control, c.bListOpen, c.nChar, nHandedAs, false));
        if (item::IsFunctionKey(c.nChar)) {
            EXPECT_EQ(typed.second, std::vector<std::string>{test::MessageName(test::kFuncKeyMsg) +
                                                             "(" + std::to_string(c.nChar) + ")"});
        }
    }
}

TEST(KeyRoutesTest, AKeyLeftToTheControlKeepsTheFocusAndTheList) {
    for (const auto& [control, nSubjectId] : kSubjects) {
        for (const bool bOpen : {false, true}) {
            // Enter on a push button is the dialog's default button.
            for (const UINT nChar : {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN}) {
                if ((bOpen && !item::HasList(control)) ||
                    item::HandedKey(control, nChar, bOpen) != 0 ||
                    (control == KeyControl::PushButton && nChar == VK_RETURN))
                    continue;
                const KeyCase c{control, bOpen, nChar};
                SCOPED_TRACE(CaseName(c));
                EXPECT_EQ(PressKey(control, bOpen, nChar, 0, true).first,
                          PressKey(control, bOpen, nChar, 0, false).first);
            }
        }
    }
}

} // namespace
