// CEditNum: a numeric entry field the host creates, bound to a short, long, float or double
// variable of the host with an inclusive range.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CEditNum : public CEdit {
public:
    CEditNum();
    ~CEditNum() override;

    // Creates the field, right-aligned and hidden (the host places and shows it), flat (Init)
    // or with a sunken edge (Init3D), and records the arguments. Messages go to pOwner, except
    // the focus message, which goes to pParent; a message number 0 sends nothing. The exit
    // keys (pKeyTable, nKeyCount codes) commit the text and send nKeyMsg in place of reaching
    // the edit. bComma 1 shows short and long values with thousands commas. bInvalidate 1
    // repaints the field when it loses the focus. 0, with nothing recorded, when no window was
    // made.
    int Init(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg, short nChangeMsg,
             short* pKeyTable, short nKeyCount, short nShiftMsg, int bComma, short nRButtonMsg,
             short nFocusMsg, int bInvalidate);
    int Init3D(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
               short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg, int bComma,
               short nRButtonMsg, short nFocusMsg, int bInvalidate);

    // Binds the variable with its range and shows its value. Reals are read and shown with
    // nDecimals places (none when 0 or less), always with thousands commas; bMinuteCheck
    // refuses values whose two places after the point exceed 59 (hours.minutes).
    void SetText(short* pValue, short nMin, short nMax);
    void SetText(LONG* pValue, LONG lMin, LONG lMax);
    void SetText(float* pValue, short nDecimals, float fMin, float fMax, short bMinuteCheck);
    void SetText(double* pValue, short nDecimals, double dMin, double dMax, short bMinuteCheck);
    // Commits the text without the change message: 1 if the variable changed since the last
    // SetText, change message or GetData.
    int GetData();
    // Selects the whole text.
    void SetSel();

    BOOL m_bChanged;
    CWnd* m_pOwner;
    CWnd* m_pParent;
    short* m_pKeyTable;
    short m_nKeyCount;
    short m_nKeyMsg;
    short m_nShiftMsg;
    short m_nChangeMsg;
    short m_nRButtonMsg;
    short m_nFocusMsg;
    BOOL m_bInvalidate;
    BOOL m_bComma;
    short m_nType;
    short m_nDecimals;
    short* m_pShortValue;
    short m_nShortMin;
    short m_nShortMax;
    LONG* m_pLongValue;
    LONG m_lLongMin;
    LONG m_lLongMax;
    float* m_pFloatValue;
    float m_fFloatMin;
    float m_fFloatMax;
    double* m_pDoubleValue;
    double m_dDoubleMin;
    double m_dDoubleMax;
    short m_bMinuteCheck;

protected:
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // Set while a call hands control to the host, which may delete the field there.
    bool* m_pbAlive = nullptr;

    int InitLook(DWORD dwExStyle, DWORD dwStyle, LPCSTR pszTitle, CWnd* pOwner, CWnd* pParent,
                 short nID, CFont* pFont, short nKeyMsg, short nChangeMsg, short* pKeyTable,
                 short nKeyCount, short nShiftMsg, int bComma, short nRButtonMsg, short nFocusMsg,
                 int bInvalidate);
    bool IsBound() const;
    bool IsAcceptable(double dValue) const;
    void StoreValue(double dValue);
    // The bound value as the field shows it, in a buffer every field shares.
    const char* FormatValue() const;
    // Each returns false when the host deleted the field meanwhile.
    bool ShowValue();
    bool CommitText();
};
