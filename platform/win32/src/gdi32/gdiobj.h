// GDI32's object table: fonts, brushes and device contexts under their handles.
#pragma once

#include <windows.h>

#include <variant>

namespace headless {

struct DeviceContext {
    HWND hwnd;      // the window of a window DC; 0 for the screen or a memory DC
    bool bMemory;   // made by CreateCompatibleDC
    HGDIOBJ hFont;  // the selected font
    HGDIOBJ hBrush; // the selected brush
    COLORREF crText;
    COLORREF crBack;
    int nBkMode;
};

struct GdiObject {
    std::variant<LOGFONTA, LOGBRUSH, DeviceContext> value;
    bool bLasting = false;       // a stock object or a system colour brush: never destroyed
    bool bDeletePending = false; // deleted while selected: destroyed once no DC selects it
    int nSelections = 0;         // DCs that have it selected
};

// Lists the object under a new handle; NULL when memory runs out.
HGDIOBJ AddObject(const GdiObject& object);
GdiObject* FindObject(HGDIOBJ h);
void RemoveObject(HGDIOBJ h);

// The font, brush or DC under h, or nullptr when h is no such object.
template <typename T>
T* FindObjectOf(HGDIOBJ h) {
    GdiObject* pObject = FindObject(h);
    return pObject != nullptr ? std::get_if<T>(&pObject->value) : nullptr;
}

inline DeviceContext* FindDC(HDC hdc) {
    return FindObjectOf<DeviceContext>(hdc);
}

// A DC that selects h, and one that stops selecting it; the latter destroys an object that
// was deleted while selected.
void AddSelection(HGDIOBJ h);
void DropSelection(HGDIOBJ h);

} // namespace headless
