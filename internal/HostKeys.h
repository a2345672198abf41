// A host's table of key codes, given to a control of its own: an entry field's exit keys, the
// keys that close a free-standing pull-down list.
#pragma once

#include <afx.h>

// Whether nChar is one of the first nKeys codes of the table (none when the count is 0 or less,
// or there is no table), each code sign-extended as the host's short holds it.
inline bool IsHostKey(const short* pKeys, short nKeys, UINT nChar) {
    for (short i = 0; pKeys != nullptr && i < nKeys; ++i) {
        if (static_cast<UINT>(static_cast<int>(pKeys[i])) == nChar)
            return true;
    }
    return false;
}
