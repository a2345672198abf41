// The parent window of the controls under test, and controls whose own messages are recorded.
#pragma once

#include "MessageLog.h"

#include <windows.h>

namespace test {

inline LPARAM Text(const char* psz) {
    return reinterpret_cast<LPARAM>(psz);
}

inline LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(hwnd, message, wParam, lParam);
}

// The notification wCode of the control, as its parent receives it.
inline ExpectedMessage ParentNotification(HWND control, WORD wCode, UINT flags = 0) {
    return {"parent", WM_COMMAND, sent | wparam | lparam | flags,
            MAKEWPARAM(GetDlgCtrlID(control), wCode), reinterpret_cast<LPARAM>(control)};
}

// A visible top-level window, recorded as "parent", for controls made with CreateWindowEx.
class ParentWindow {
public:
    ParentWindow();
    ~ParentWindow();
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    // A visible child control; the messages of its creation are pumped and left out of the
    // message record.
    HWND Create(const char* pszClass, DWORD style, int nId, const char* pszText = "",
                DWORD exStyle = 0, int cx = 100, int cy = 100) const;

private:
    HWND m_hwnd;
};

// The control's own messages are recorded under the name, before its procedure sees them.
void RecordControl(HWND hwnd, const char* pszName);

} // namespace test
