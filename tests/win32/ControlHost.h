// The parent window of the controls under test, what it is asked to draw and measure,
// and controls whose own messages are recorded.
#pragma once

#include "MessageLog.h"

#include <windows.h>

#include <vector>

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
    // message record (the parent records keep what it asked to be drawn and measured).
    HWND Create(const char* pszClass, DWORD style, int nId, const char* pszText = "",
                DWORD exStyle = 0, int cx = 100, int cy = 100) const;

private:
    HWND m_hwnd;
};

// The control's own messages are recorded under the name, before its procedure sees them.
void RecordControl(HWND hwnd, const char* pszName);

// What the parent received in WM_DRAWITEM and WM_MEASUREITEM: the item as it came, before the
// parent answered.
const std::vector<DRAWITEMSTRUCT>& DrawnItems();
const std::vector<MEASUREITEMSTRUCT>& MeasuredItems();
void ClearParentRecords();
// The item height the parent answers WM_MEASUREITEM with; 0 leaves the proposed one.
void SetMeasuredHeight(UINT nHeight);

} // namespace test
