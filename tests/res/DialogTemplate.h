// A dialog template in the standard (non-extended) form, read field by field as the library's
// dialog controller walks it, so that tests can compare compiled templates with tables.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// A class, menu or title field: 0xFFFF and an ordinal, or a zero-terminated UTF-16 string.
struct TemplateField {
    bool bOrdinal;
    WORD wOrdinal;
    std::u16string text;
};

struct DialogItem {
    DLGITEMTEMPLATE header;
    TemplateField windowClass;
    TemplateField title;
    WORD cbCreationData;
};

struct DialogTemplate {
    DLGTEMPLATE header;
    TemplateField menu;
    TemplateField windowClass;
    std::u16string title;
    WORD wPointSize; // with the face name only if the style has DS_SETFONT
    std::u16string faceName;
    std::vector<DialogItem> items;
};

// Reads the template in the cb bytes at p. False if a field runs past the end.
bool ReadDialogTemplate(const BYTE* p, DWORD cb, DialogTemplate* pTemplate);

bool operator==(const TemplateField& a, const TemplateField& b);
bool operator==(const DialogItem& a, const DialogItem& b);
void PrintTo(const TemplateField& field, std::ostream* pStream);
void PrintTo(const DialogItem& item, std::ostream* pStream);
