// The six search-dialog templates the library carries for the host (80 to 85), transcribed once
// as data: each control as the template gives it, and the item the controller makes of it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>

namespace test {

// The predefined classes of the templates' controls.
constexpr WORD kButton = 0x0080;
constexpr WORD kEdit = 0x0081;
constexpr WORD kStatic = 0x0082;

// A control that is no item of the controller.
constexpr BYTE kNoItem = 0xFF;

// One control, in template order. Captions are UTF-8; the host's key markers RS (0x1E) and US
// (0x1F) are octal escapes. Every control has no extended style and no creation data.
struct TemplateControl {
    WORD wClassAtom;
    DWORD style;
    WORD id;
    short x, y, cx, cy;
    const char* pszCaption;
    BYTE kind;   // the item kind, or kNoItem
    short group; // the item's radio group, -1 for none
};

// Every template is a modal popup at 0, 0 with a title and the 9-point "ＭＳ ゴシック" font.
struct SearchTemplate {
    WORD wId;
    const char* pszTitle;
    short cx, cy;
    const TemplateControl* pControls;
    size_t nControls;
};

extern const SearchTemplate kSearchTemplates[6];

inline void PrintTo(const SearchTemplate& dialog, std::ostream* pStream) {
    *pStream << "template " << dialog.wId;
}

} // namespace test
