// Dialog templates in memory, standard and extended, read into plain values with their texts
// in the ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace headless {

// A position and size in dialog units, as templates give them.
struct DialogUnitsBox {
    short x;
    short y;
    short cx;
    short cy;
};

struct DialogControlTemplate {
    DWORD style;
    DWORD exStyle;
    DialogUnitsBox box;
    DWORD id;
    std::string className; // a predefined class atom becomes its class name
    std::string text;
    bool bTextIsOrdinal;       // an icon or bitmap resource, not text
    const void* pCreationData; // the size word and the bytes after it; nullptr when empty
};

struct DialogTemplate {
    DWORD style;
    DWORD exStyle;
    DialogUnitsBox box;
    bool bHasMenu;
    std::string className; // empty for the standard dialog class
    std::string caption;
    WORD pointSize; // with DS_SETFONT only
    WORD weight;
    BOOL bItalic;
    std::string faceName;
    std::vector<DialogControlTemplate> controls;
};

// Reads a template of cbTemplate bytes; false when it is cut short (a count larger than its data,
// a string without its terminator), having read nothing past its end. Throws std::bad_alloc
// without memory, for a caller inside GrowStorage.
bool ReadDialogTemplate(const void* pTemplate, size_t cbTemplate, DialogTemplate* pOut);

} // namespace headless
