// The text of one row of a combo box, whatever its length.
#include "RowText.h"

#include "HeapArray.h"

#include <algorithm>

RowText::~RowText() {
    HeapFreeArray(m_pszLong);
}

bool RowText::Read(CWnd* pCombo, int nRow) {
    const LRESULT nLength = pCombo->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nRow));
    if (nLength < 0)
        return false;
    char* pszBuffer = m_szShort;
    if (nLength >= static_cast<LRESULT>(sizeof(m_szShort))) {
        HeapFreeArray(m_pszLong);
        m_pszLong = HeapAllocArray<char>(static_cast<UINT>(nLength) + 1);
        if (m_pszLong == nullptr)
            return false;
        pszBuffer = m_pszLong;
    }
    const LRESULT nCopied = pCombo->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nRow),
                                                reinterpret_cast<LPARAM>(pszBuffer));
    if (nCopied < 0)
        return false;
    // A combo box without strings copies its item data, which the length does not count.
    m_cbText = static_cast<int>(std::min(nCopied, nLength));
    pszBuffer[m_cbText] = '\0';
    m_pszText = pszBuffer;
    return true;
}
