// Dialog templates made at run time for dialogs of many items: a standard template of nEdits
// edit fields with IDs from wFirstId up. The fields are hidden, so that showing the dialog paints
// none of them.
#pragma once

#include <windows.h>

#include <vector>

namespace test {

inline std::vector<BYTE> EditTemplate(UINT nEdits, WORD wFirstId = 1000) {
    std::vector<BYTE> bytes;
    const auto put = [&bytes](auto value) {
        const BYTE* p = reinterpret_cast<const BYTE*>(&value);
        bytes.insert(bytes.end(), p, p + sizeof(value));
    };
    put(DWORD{WS_POPUP | WS_CAPTION});
    put(DWORD{0});
    put(static_cast<WORD>(nEdits));
    for (short value : {0, 0, 200, 100})
        put(value);
    for (int i = 0; i < 3; ++i)
        put(WORD{0}); // no menu, the dialog class, no title
    for (UINT i = 0; i < nEdits; ++i) {
        bytes.resize((bytes.size() + 3) & ~static_cast<size_t>(3));
        put(DWORD{WS_CHILD | WS_BORDER | WS_TABSTOP});
        put(DWORD{0});
        for (short value : {0, 0, 40, 12})
            put(value);
        put(static_cast<WORD>(wFirstId + i));
        for (WORD word : {0xFFFF, 0x0081, 0x0000, 0x0000}) // Edit, no title, no creation data
            put(word);
    }
    return bytes;
}

} // namespace test
