// The text slots of the cached records: at most N - 1 bytes and a terminator, never half a
// double-byte character.
#pragma once

#include "ShiftJis.h"

#include <cstring>

template <size_t N>
void CopyToSlot(char (&szSlot)[N], const char* pszText) {
    const size_t cb = ShiftJis::FittingLength(pszText, N - 1);
    std::memcpy(szSlot, pszText, cb);
    szSlot[cb] = '\0';
}

// The slot's text, read without trusting its terminator.
template <size_t N>
size_t SlotLength(const char (&szSlot)[N]) {
    return ShiftJis::FittingLength(szSlot, N - 1);
}
