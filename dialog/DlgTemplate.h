// Reading a standard dialog template the way the controller needs it: the entries of its
// controls, each with its class code, and the item kind each entry makes.
#pragma once

#include <afx.h>

namespace dlgsb {

constexpr WORD kClassByName = 0xFFFF;
constexpr BYTE kNoItem = 0xFF;

// The first control entry of a template of cbTemplate bytes, or nullptr when the template is
// in the extended form, has no control, or its entries do not fit in it.
const BYTE* FirstControl(const BYTE* pTemplate, DWORD cbTemplate, WORD* pnControls);

// The entry after pEntry and pEntry's class code (0 to 5, or kClassByName). With pEnd, nullptr
// when the entry runs past pEnd; without, the entry is trusted to be whole.
const BYTE* NextControl(const BYTE* pEntry, const BYTE* pEnd, WORD* pwClass);

// The item kind of a control entry, or kNoItem for a control that is no item.
BYTE KindOfControl(WORD wClass, DWORD style, WORD wID);

DWORD ControlStyle(const BYTE* pEntry);
WORD ControlId(const BYTE* pEntry);

} // namespace dlgsb
