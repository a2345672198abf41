// The dialog manager: what a dialog procedure hears while the dialog is made, where the focus
// goes, dialog units, and the order controls take the focus in.
#include "MessageLog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using test::MessagesAre;
using test::sent;
using test::wparam;

// A standard dialog template with DS_SETFONT and static controls, built in memory.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, short cx, short cy, const char* pszTitle) {
        Dword(style);
        Dword(0);
        m_nCountAt = m_words.size();
        m_words.insert(m_words.end(), {0, 0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy)});
        m_words.insert(m_words.end(), {0, 0}); // no menu, the standard class
        String(pszTitle);
        if (style & DS_SETFONT) {
            m_words.push_back(9);
            String("Test Font");
        }
    }
    TemplateBuilder& Control(WORD atom, DWORD style, short x, short y, short cx, short cy, WORD id,
                             const char* pszText) {
        if (m_words.size() % 2)
            m_words.push_back(0);
        Dword(style);
        Dword(0);
        m_words.insert(m_words.end(),
                       {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx),
                        static_cast<WORD>(cy), id, 0xFFFF, atom});
        String(pszText);
        m_words.push_back(0);
        ++m_words[m_nCountAt];
        return *this;
    }
    LPCDLGTEMPLATEA Get() const { return reinterpret_cast<LPCDLGTEMPLATEA>(m_words.data()); }

private:
    void Dword(DWORD value) {
        m_words.push_back(LOWORD(value));
        m_words.push_back(HIWORD(value));
    }
    void String(const char* psz) {
        while (*psz)
            m_words.push_back(static_cast<BYTE>(*psz++));
        m_words.push_back(0);
    }
    std::vector<WORD> m_words;
    size_t m_nCountAt;
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
constexpr WORD kButton = 0x0080;
constexpr WORD kStatic = 0x0082;

INT_PTR CALLBACK NamedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT)
        test::RecordWindow(hwnd, "dlg");
    return test::RecordingDialogProc(hwnd, message, wParam, lParam);
}

TEST(DialogManagerTest, FontThenInitDialogWithTheFirstTabStopAndItGetsTheFocus) {
    test::ForgetWindows();
    test::ClearMessages();
    TemplateBuilder tmpl(kDialogStyle, 100, 60, "dialog");
    tmpl.Control(kStatic, WS_CHILD | WS_VISIBLE, 5, 5, 40, 8, 10, "label")
        .Control(kButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 20, 40, 14, 11, "one")
        .Control(kButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 40, 40, 14, 12, "two");
    test::RecordOnly({WM_SETFONT, WM_INITDIALOG});
    const HWND hDlg = CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, NamedDialogProc, 7);
    ASSERT_NE(nullptr, hDlg);
    const HWND hOne = GetDlgItem(hDlg, 11);
    EXPECT_TRUE(MessagesAre({
        {"dlg", WM_SETFONT, sent},
        {"dlg", WM_INITDIALOG, sent | wparam | test::lparam, reinterpret_cast<WPARAM>(hOne), 7},
    }));
    EXPECT_EQ(hOne, GetFocus());
    EXPECT_EQ(GetDlgItem(hDlg, 12), GetNextDlgTabItem(hDlg, hOne, FALSE));
    EXPECT_EQ(GetDlgItem(hDlg, 12), GetNextDlgTabItem(hDlg, hOne, TRUE));
    EXPECT_EQ(reinterpret_cast<LRESULT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)),
              SendMessageA(hOne, WM_GETFONT, 0, 0));
    char szText[8];
    GetWindowTextA(GetDlgItem(hDlg, 10), szText, sizeof(szText));
    EXPECT_STREQ("label", szText);
    DestroyWindow(hDlg);
    test::ForgetWindows();
    test::ClearMessages();
}

TEST(DialogManagerTest, ControlsArePlacedInDialogUnits) {
    TemplateBuilder tmpl(kDialogStyle, 200, 100, "units");
    tmpl.Control(kStatic, WS_CHILD | WS_VISIBLE, 10, 10, 50, 14, 10, "");
    const HWND hDlg =
        CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, test::RecordingDialogProc, 0);
    ASSERT_NE(nullptr, hDlg);
    // Position and size are each converted on their own.
    RECT rcPosition = {10, 10, 50, 14};
    ASSERT_TRUE(MapDialogRect(hDlg, &rcPosition));
    RECT rcControl;
    GetWindowRect(GetDlgItem(hDlg, 10), &rcControl);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcControl), 2);
    EXPECT_EQ(rcPosition.left, rcControl.left);
    EXPECT_EQ(rcPosition.top, rcControl.top);
    EXPECT_EQ(rcPosition.right, rcControl.right - rcControl.left);
    EXPECT_EQ(rcPosition.bottom, rcControl.bottom - rcControl.top);
    RECT rcDialog = {0, 0, 200, 100};
    MapDialogRect(hDlg, &rcDialog);
    RECT rcClient;
    GetClientRect(hDlg, &rcClient);
    EXPECT_EQ(rcDialog.right, rcClient.right);
    EXPECT_EQ(rcDialog.bottom, rcClient.bottom);
    DestroyWindow(hDlg);
}

TEST(DialogManagerTest, DialogUnitsFollowTheFontOnTheHeadlessSystem) {
    TemplateBuilder tmpl(kDialogStyle, 200, 100, "units");
    const HWND hDlg =
        CreateDialogIndirectParamA(nullptr, tmpl.Get(), nullptr, test::RecordingDialogProc, 0);
    RECT rc = {0, 0, 4, 8};
    MapDialogRect(hDlg, &rc);
    DestroyWindow(hDlg);
    // A font of 9 points is 12 pixels high and 6 wide here; a real system's fonts differ.
    if (GetProcAddress(GetModuleHandleA("user32.dll"), "HeadlessTestInterface") == nullptr)
        GTEST_SKIP() << "font metrics of a real system";
    EXPECT_EQ(6, rc.right);
    EXPECT_EQ(12, rc.bottom);
}

TEST(DialogManagerTest, MissingTemplateMakesNoDialog) {
    SetLastError(0);
    EXPECT_EQ(nullptr, CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(4711),
                                          nullptr, test::RecordingDialogProc, 0));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
}

} // namespace
