// CPullBase: the state behind a pull-down list of code/name rows, and the work its controls
// share: the code of a row and the row of a code, the cached account records, the size and
// colours of the drop-down list and the drawing of one row.
#pragma once

#include <afxwin.h>

#pragma pack(push, 1)
// The account record that CPullComboSub::GetCodeData fills in the caller's memory.
struct CODEDATA {
    WORD wCode;
    char szShortName[17];
    BYTE byClass;
    BYTE byAttr7;
    BYTE byAttr8;
    BYTE byAttr9;
    BYTE byAttr11;
    WORD wSubCode; // 0 when the code names the account itself
    char szSubShortName[17];
};
#pragma pack(pop)
static_assert(sizeof(CODEDATA) == 43, "the host reads CODEDATA as 43 packed bytes");

// A row's code is written into its text at a place fixed by the list kind. Codes are ULONG:
// 0 is the "none" row and no code, 0xFFFFFFFF the "add new" row, an account row's code is
// account x 10000 + sub-account, and 10000 is the company-wide row of a department list.
// Only the constructor and the destructor are exported; the pull-down controls use the rest.
class CPullBase {
public:
    AFX_EXT_CLASS CPullBase();
    // Deletes the brush and frees the record cache.
    AFX_EXT_CLASS ~CPullBase();

    // The code of pCombo's selected row, or of the frozen row while there is one.
    ULONG GetCode(CWnd* pCombo);
    // Selects the first row of pCombo whose code is nCode; without one, the "none" row or no
    // row.
    void SetCode(ULONG nCode, CWnd* pCombo);
    // Fills a CODEDATA at pOut for an account or sub-account code of a cached account list:
    // 1 found, 0 not found (the account part may be filled), -1 no cache or not an account
    // list. pCombo is not used.
    short GetRecord(CWnd* pCombo, ULONG nCode, void* pOut);
    // Frees the record cache of a department or account list: 1, or -1 for other kinds.
    // pCombo is not used.
    short FreeData(CWnd* pCombo);
    // For the drop-down list (nCtlColor CTLCOLOR_LISTBOX): sizes it to its kind's width in
    // average characters of pFont (the list's own font when NULL), moves it left when it would
    // leave its parent, sets pDC's colours and returns the background brush. NULL otherwise.
    HBRUSH CtlColor(CDC* pDC, CWnd* pList, UINT nCtlColor, CFont* pFont);
    // Draws row nItem of m_pWnd column by column in rcItem, in the selection colours when
    // bSelected is 1; pFont only measures.
    void DrawRow(CDC* pDC, UINT nItem, RECT rcItem, BOOL bSelected, CFont* pFont);
    // The width, in characters, of every multi-column list (kind 10) of the process, for the
    // Windows 95/98 family and for the NT family.
    static void SetMultiWidth(short nWidth9x, short nWidthNT);
    // The row that Enter froze (-1: none, the selection counts), at its full width: a list may
    // have more rows than a short counts. m_nCurSel shows it to the host up to row 32,767 and
    // as -1 beyond.
    void FreezeRow(int nRow);
    void ReleaseRow();
    int FrozenRow() const { return m_nFrozenRow; }
    // A row index as the short fields hold it: -1 beyond 32,767, rather than another row.
    static short ShortRow(int nRow);

    // What the list about to be made is made from: its kind, its selectors, its row styles and
    // whether its rows come from the master files (1) or the host (0). The typed text is
    // cleared, and no row is preselected or frozen.
    void DescribeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle, WORD bReadFiles);
    // The folder of the master files, which ends in a separator.
    void SetFolder(const char* pszFolder);
    // Ties the store to its control's window; the row height is measured again.
    void TieToWindow(CWnd* pWnd);
    // The drop-down list is sized and placed again when it is next coloured.
    void ForgetListSize() { m_bSized = 0; }
    // The index of the first record row: after the "none" row when the list has one.
    int FirstRecordRow() const;
    // The record rows among nRows rows: all but the "none" and "add new" rows.
    int RecordRows(int nRows) const;

    // The typed search text: its length, and its limit of characters (4 for a search by code,
    // 5 for a search by key).
    int TypedLength() const;
    short TypedLimit() const;
    // Adds a typed character: the first decides the search (a digit by code, a letter, a
    // half-width katakana or "+" by key) and sets nMaxTyped; a later one must be of the same
    // search and within nMaxTyped. False when the character is not taken.
    bool AddTyped(UINT nChar, short& nMaxTyped);
    // Takes back the last character of a typed text that is not empty.
    void DropTypedChar();
    // An empty typed text, whose next character starts a new search.
    void ClearTyped();

    short m_nItemHeight;
    short m_nKind;
    WORD m_bSized;
    CWnd* m_pWnd;
    WORD m_wStyle;
    short m_nCurSel;
    HBRUSH m_hBrush;
    COLORREF m_crText;
    COLORREF m_crBack;
    ULONG m_nSelect1;
    ULONG m_nSelect2;
    short m_nInitSel;
    char m_szTyped[6];
    WORD m_bTypedAlpha;
    HGLOBAL m_hData;
    int m_nData;
    HGLOBAL m_hRowIndex;
    int m_nRowCount;
    char m_szFolder[257];
    WORD m_bReadFiles;

private:
    int m_nFrozenRow;

    ULONG ReadCode(const char* pszRow, int nLength) const;
    ULONG CodeOfRow(CWnd* pCombo, int nRow, int nCount) const;
    CPullBase(const CPullBase&) = delete;
    CPullBase& operator=(const CPullBase&) = delete;
};
