// The parent window of the controls under test, what it is asked to draw, measure and colour,
// and controls whose own messages are recorded.
#pragma once

#include <windows.h>

#include <vector>

namespace test {

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

// What the parent received in WM_DRAWITEM and WM_MEASUREITEM, and in WM_CTLCOLORxxx, which the
// message record leaves out.
struct DrawnItem {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    RECT rcItem;
    ULONG_PTR itemData;
};
struct MeasuredItem {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
};
struct ColourRequest {
    HWND hwndReceiver;
    UINT message;
    HWND hwndFrom;
};
// The WM_CTLCOLORxxx that the control receives go into the same record as its parent's, in
// the order they come.
void RecordColourRequestsOf(HWND hwnd);
const std::vector<DrawnItem>& DrawnItems();
const std::vector<MeasuredItem>& MeasuredItems();
const std::vector<ColourRequest>& ColourRequests();
void ClearParentRecords();
// The item height the parent answers WM_MEASUREITEM with; 0 leaves the proposed one.
void SetMeasuredHeight(UINT nHeight);

} // namespace test
