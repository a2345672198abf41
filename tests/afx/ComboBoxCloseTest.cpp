// A combo box class sees its own position change with SWP_NOMOVE | SWP_NOZORDER |
// SWP_NOACTIVATE once each time its list closes, whatever the platform's combo box does.
#include "MessageLog.h"

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kCloseFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

class CloseWatcher : public CComboBox {
public:
    int nCloseResizes = 0;

protected:
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) {
        if ((lpwndpos->flags & 0xFFFF) == kCloseFlags)
            ++nCloseResizes;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CloseWatcher, CComboBox)
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

TEST(ComboBoxCloseTest, EachCloseOfTheListResizesTheComboBoxOnce) {
    const HWND hParent = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                         300, 200, nullptr, nullptr, nullptr, nullptr);
    const HWND hCombo = CreateWindowExA(
        0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 10, 10, 100,
        100, hParent, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
    CloseWatcher watcher;
    ASSERT_TRUE(watcher.SubclassWindow(hCombo));
    SetFocus(hCombo);
    test::Pump();
    for (int nRound = 1; nRound <= 2; ++nRound) {
        watcher.ShowDropDown(TRUE);
        test::Pump();
        EXPECT_EQ(nRound - 1, watcher.nCloseResizes);
        watcher.ShowDropDown(FALSE);
        test::Pump();
        EXPECT_EQ(nRound, watcher.nCloseResizes);
    }
    watcher.UnsubclassWindow();
    DestroyWindow(hParent);
}

} // namespace
