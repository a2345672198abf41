// Reading a dialog template, standard (DLGTEMPLATE) or extended (DLGTEMPLATEEX), the way the
// controller needs it: the entries of its controls, each with its class code, and the item
// kind each entry makes.
#pragma once

#include <afx.h>

namespace dlgsb {

constexpr WORD kClassByName = 0xFFFF;
constexpr BYTE kNoItem = 0xFF;

// What the item table reads of one control entry.
struct ControlEntry {
    DWORD style;
    DWORD id;    // a standard entry's WORD, an extended entry's DWORD
    WORD wClass; // 0 to 5 for a predefined class, by atom or by name; else kClassByName
    // The class field, not aligned: 0xFFFF and an atom, or a zero-terminated UTF-16 name.
    const BYTE* pClassField;
};

// Where the control entries of a template start, how many there are and in which form.
struct TemplateControls {
    const BYTE* pFirst; // nullptr when the header runs past the template's end
    const BYTE* pEnd;
    WORD nControls;
    bool bExtended;
};

// The header of a template of cbTemplate bytes.
TemplateControls ReadTemplateHeader(const BYTE* pTemplate, DWORD cbTemplate);

// The entry after pEntry, with pEntry's fields in *pControl. With pEnd, nullptr when the entry
// runs past pEnd; without, the entry is trusted to be whole.
const BYTE* NextControl(const BYTE* pEntry, const BYTE* pEnd, bool bExtended,
                        ControlEntry* pControl);

// The item kind of a control entry, or kNoItem for a control that is no item.
BYTE KindOfControl(const ControlEntry& control);

} // namespace dlgsb
