// UTF-8 to UTF-16, so that tables can hold readable text that compares with compiled resources.
#pragma once

#include <string>

// Converts well-formed UTF-8; characters beyond the Basic Multilingual Plane become surrogate
// pairs.
inline std::u16string Utf16FromUtf8(const char* pszUtf8) {
    std::u16string text;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(pszUtf8); *p != 0;) {
        const unsigned char lead = *p++;
        const int nTrail = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        char32_t ch = nTrail == 0 ? lead : lead & (0x3F >> nTrail);
        for (int i = 0; i < nTrail && (*p & 0xC0) == 0x80; ++i)
            ch = ch << 6 | (*p++ & 0x3F);
        if (ch < 0x10000) {
            text += static_cast<char16_t>(ch);
        } else {
            ch -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (ch >> 10));
            text += static_cast<char16_t>(0xDC00 + (ch & 0x3FF));
        }
    }
    return text;
}
