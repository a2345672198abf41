// The typed text that chooses the records of a list made from the master files.
#pragma once

#include <afx.h>

#include <cstddef>

// The start of the key when the search began with a non-digit, else the start of the code
// written in decimal. A code search whose number is 0 (0, 00) chooses nothing.
class TypedFilter {
public:
    TypedFilter(const char (&szTyped)[6], WORD bTypedAlpha);

    bool Matches(LONG nCode, const char (&szKey)[9]);

private:
    bool m_bByKey;
    bool m_bNothing;
    size_t m_cb;
    char m_szText[6] = {};
    LONG m_nLastCode = -1;
    bool m_bLastMatch = false;
};
