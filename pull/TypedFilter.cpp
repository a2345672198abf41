// The typed text that chooses the records of a list made from the master files.
#include "TypedFilter.h"

#include "CrtNumber.h"
#include "ShiftJis.h"

#include <charconv>
#include <cstring>

// The field is written by the controls; it is read up to 5 characters whatever its end.
TypedFilter::TypedFilter(const char (&szTyped)[6], WORD bTypedAlpha) : m_bByKey(bTypedAlpha == 1) {
    for (m_cb = 0; m_cb < sizeof(m_szText) - 1 && szTyped[m_cb] != '\0'; ++m_cb)
        m_szText[m_cb] = ShiftJis::UpperLetter(szTyped[m_cb]);
    m_bNothing = m_cb != 0 && !m_bByKey && (static_cast<ULONG>(CrtAtol(m_szText)) & 0xFFFF) == 0;
}

bool TypedFilter::Matches(LONG nCode, const char (&szKey)[9]) {
    if (m_bNothing)
        return false;
    if (m_cb == 0)
        return true;
    if (m_bByKey)
        return std::strncmp(szKey, m_szText, m_cb) == 0;
    // Sub-accounts follow their account: the code just tested comes again and again.
    if (nCode != m_nLastCode) {
        char szDigits[12];
        const auto result = std::to_chars(szDigits, szDigits + sizeof(szDigits), nCode);
        m_nLastCode = nCode;
        m_bLastMatch = static_cast<size_t>(result.ptr - szDigits) >= m_cb &&
                       std::memcmp(szDigits, m_szText, m_cb) == 0;
    }
    return m_bLastMatch;
}
