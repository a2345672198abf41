// The text of one row of a combo box, whatever its length.
#pragma once

#include <afxwin.h>

class RowText {
public:
    RowText() = default;
    ~RowText();
    RowText(const RowText&) = delete;
    RowText& operator=(const RowText&) = delete;

    // Reads row nRow of pCombo; false when the combo box has no such row or memory fails.
    bool Read(CWnd* pCombo, int nRow);
    const char* Text() const { return m_pszText; }
    int Length() const { return m_cbText; }

private:
    // Rows of up to 127 bytes, every row the library writes but deeply indented departments,
    // need no allocation. The buffer is also larger than the item data that a combo box
    // without strings copies instead of a text.
    char m_szShort[128] = {};
    char* m_pszLong = nullptr;
    const char* m_pszText = m_szShort;
    int m_cbText = 0;
};
