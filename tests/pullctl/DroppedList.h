// A combo box's drop-down list after painting, and the metrics of its own font, by which its
// store sizes it.
#pragma once

#include <windows.h>

namespace test {

struct DroppedList {
    HWND hwnd = nullptr;
    RECT rc = {};
    TEXTMETRICA tm = {};
    LRESULT lBrush = 0; // the combo box's answer to WM_CTLCOLORLISTBOX
};

inline DroppedList PaintedList(HWND hCombo) {
    DroppedList list;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(hCombo, &info);
    list.hwnd = info.hwndList;
    UpdateWindow(info.hwndList);
    const HDC hdc = GetDC(info.hwndList);
    GetTextMetricsA(hdc, &list.tm);
    list.lBrush = SendMessageA(hCombo, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(hdc),
                               reinterpret_cast<LPARAM>(info.hwndList));
    ReleaseDC(info.hwndList, hdc);
    GetWindowRect(info.hwndList, &list.rc);
    return list;
}

} // namespace test
