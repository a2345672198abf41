// The drop-down list of a combo box as it stands after painting, with the metrics of the font
// its store measures it by (the list's own).
#pragma once

#include <windows.h>

namespace test {

struct DroppedList {
    RECT rc = {};
    TEXTMETRICA tm = {};
};

inline DroppedList PaintedList(HWND hCombo) {
    DroppedList list;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (!GetComboBoxInfo(hCombo, &info))
        return list;
    UpdateWindow(info.hwndList);
    const HDC hdc = GetDC(info.hwndList);
    GetTextMetricsA(hdc, &list.tm);
    ReleaseDC(info.hwndList, hdc);
    GetWindowRect(info.hwndList, &list.rc);
    return list;
}

} // namespace test
