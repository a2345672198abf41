// The host's dialog loop (HostDialogMessage, then IsDialogMessageA) over controls that answer
// WM_GETDLGCODE as the library's subclassed controls do: the keys the library routes reach the
// controls' key-down handlers, and the others still do what the dialog does with them.
#include "HostDialog.h"
#include "MessageLog.h"
#include "ParamName.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : WORD { kRadio = 201, kEdit, kMulti, kCombo, kPush };

std::vector<std::string>& KeysReceived() {
    static std::vector<std::string> keys;
    return keys;
}

std::vector<WORD>& Commands() {
    static std::vector<WORD> commands;
    return commands;
}

// A control under a library-style object: it records the keys its key-down handler gets, and
// answers WM_GETDLGCODE with a fixed code (the library's radio buttons and combo boxes answer
// DLGC_WANTARROWS alone) or with the control's own code plus some (its push buttons add
// DLGC_WANTARROWS; its edits add nothing).
class LibraryControl : public CWnd {
public:
    LibraryControl(const char* pszName, UINT nFixedCode, UINT nAddedCode)
        : m_pszName(pszName), m_nFixedCode(nFixedCode), m_nAddedCode(nAddedCode) {}

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        KeysReceived().push_back(std::string(m_pszName) + " " + std::to_string(nChar));
        Default();
    }
    afx_msg UINT OnGetDlgCode() {
        return m_nFixedCode != 0 ? m_nFixedCode : CWnd::OnGetDlgCode() | m_nAddedCode;
    }
    DECLARE_MESSAGE_MAP()

private:
    const char* m_pszName;
    UINT m_nFixedCode;
    UINT m_nAddedCode;
};

BEGIN_MESSAGE_MAP(LibraryControl, CWnd)
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

INT_PTR CALLBACK CommandRecordingProc(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        Commands().push_back(LOWORD(wParam));
    return message == WM_INITDIALOG;
}

struct LoopCase {
    std::string name;
    WORD idFocus; // given the focus by the dialog manager (WM_NEXTDLGCTL)
    UINT vk;
    bool bOpenList;
    std::vector<std::string> keys; // what the controls' key-down handlers got
    std::vector<WORD> commands;    // the BN_CLICKED commands the dialog received
    WORD idFocusAfter;
    bool bListOpenAfter;
};

class HostLoopTest : public ::testing::TestWithParam<LoopCase> {
protected:
    void SetUp() override {
        struct {
            DLGTEMPLATE tmpl;
            WORD wMenu, wClass, wTitle;
        } empty = {{WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 0, 160, 120}, 0, 0, 0};
        m_hDlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &empty.tmpl, nullptr,
                                            CommandRecordingProc, 0);
        ASSERT_NE(nullptr, m_hDlg);
        Attach(m_radio, "BUTTON", BS_AUTORADIOBUTTON, kRadio);
        Attach(m_edit, "EDIT", WS_BORDER, kEdit);
        Attach(m_multi, "EDIT", WS_BORDER | ES_MULTILINE, kMulti);
        Attach(m_combo, "COMBOBOX", CBS_DROPDOWNLIST, kCombo);
        Attach(m_push, "BUTTON", BS_PUSHBUTTON, kPush);
        for (const char* psz : {"a", "b"})
            m_combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));
        m_combo.SendMessage(CB_SETCURSEL, 0);
    }
    void TearDown() override {
        DestroyWindow(m_hDlg);
        test::Pump();
        KeysReceived().clear();
        Commands().clear();
    }

    void Attach(LibraryControl& control, const char* pszClass, DWORD style, WORD id) {
        const int y = 5 + (id - kRadio) * 22;
        const HWND hwnd = CreateWindowExA(
            0, pszClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 5, y, 120,
            id == kCombo ? 80 : 20, m_hDlg, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
            GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(control.SubclassWindow(hwnd));
    }

    HWND m_hDlg = nullptr;
    LibraryControl m_radio{"radio", DLGC_WANTARROWS, 0};
    LibraryControl m_edit{"edit", 0, 0};
    LibraryControl m_multi{"multi", 0, 0};
    LibraryControl m_combo{"combo", DLGC_WANTARROWS, 0};
    LibraryControl m_push{"push", 0, DLGC_WANTARROWS};
};

TEST_P(HostLoopTest, KeyReachesTheControlWhereTheLibraryNeedsIt) {
    const LoopCase& c = GetParam();
    SendMessageA(m_hDlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(m_hDlg, c.idFocus)),
                 TRUE);
    if (c.bOpenList)
        m_combo.SendMessage(CB_SHOWDROPDOWN, TRUE);
    test::PumpDialog(m_hDlg);
    KeysReceived().clear();
    Commands().clear();

    test::TypeKeyInDialog(m_hDlg, c.vk);
    EXPECT_EQ(c.keys, KeysReceived());
    EXPECT_EQ(c.commands, Commands());
    EXPECT_EQ(c.idFocusAfter, GetDlgCtrlID(GetFocus()));
    EXPECT_EQ(c.bListOpenAfter, m_combo.SendMessage(CB_GETDROPPEDSTATE) != 0);
}

const LoopCase kLoopCases[] = {
    {"EnterReachesARadio", kRadio, VK_RETURN, false, {"radio 13"}, {}, kRadio, false},
    {"EnterReachesAnEdit", kEdit, VK_RETURN, false, {"edit 13"}, {}, kEdit, false},
    {"TabLeavesAnEditForTheNextTabStop", kEdit, VK_TAB, false, {}, {}, kMulti, false},
    {"EnterReachesAMultiLineEdit", kMulti, VK_RETURN, false, {"multi 13"}, {}, kMulti, false},
    {"UpReachesAMultiLineEdit", kMulti, VK_UP, false, {"multi 38"}, {}, kMulti, false},
    {"EnterReachesAClosedComboBox", kCombo, VK_RETURN, false, {"combo 13"}, {}, kCombo, false},
    {"EnterReachesAnOpenComboBox", kCombo, VK_RETURN, true, {"combo 13"}, {}, kCombo, false},
    {"EscapeReachesAnOpenList", kCombo, VK_ESCAPE, true, {"combo 27"}, {}, kCombo, false},
    {"EscapeOnAClosedListCancels", kCombo, VK_ESCAPE, false, {}, {IDCANCEL}, kCombo, false},
    {"EnterOnAPushButtonIsItsCommand", kPush, VK_RETURN, false, {}, {kPush}, kPush, false},
    {"DownReachesAPushButton", kPush, VK_DOWN, false, {"push 40"}, {}, kPush, false},
};

INSTANTIATE_TEST_SUITE_P(Keys, HostLoopTest, ::testing::ValuesIn(kLoopCases),
                         test::ParamName<LoopCase>);

} // namespace
