// CEditStr: a text entry field the host creates, bound to a character buffer of the host, with
// an input method mode of its own.
#pragma once

#include <afxwin.h>

class CFep;

// Input method modes of a string field.
#define FEPMODE_OFF 0
#define FEPMODE_HIRAGANA 1
#define FEPMODE_KANA 2

class AFX_EXT_CLASS CEditStr : public CEdit {
public:
    CEditStr();
    // Closes the input method the field opened, then frees its switch.
    ~CEditStr() override;

    // Creates the field as CEditNum::Init does, its text left- or right-aligned (Right), every
    // message going to pOwner. nFepMode: FEPMODE_OFF keeps the owner's input method closed,
    // FEPMODE_HIRAGANA and FEPMODE_KANA open it in full-width hiragana or half-width katakana
    // while the field has the focus. 0 when no window was made (nothing recorded), or when the
    // input method switch cannot be made (the window and the arguments are recorded).
    int Init(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg, short nChangeMsg,
             short* pKeyTable, short nKeyCount, short nShiftMsg, short nRButtonMsg, short nFepMode,
             short nFocusMsg, int bInvalidate, short nKillFocusMsg);
    int Init3D(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
               short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
               short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
               short nKillFocusMsg);
    int InitRight(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                  short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                  short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                  short nKillFocusMsg);
    int Init3DRight(CWnd* pOwner, CWnd* pParent, short nID, CFont* pFont, short nKeyMsg,
                    short nChangeMsg, short* pKeyTable, short nKeyCount, short nShiftMsg,
                    short nRButtonMsg, short nFepMode, short nFocusMsg, int bInvalidate,
                    short nKillFocusMsg);

    // Binds the buffer (at least 128 bytes) and shows its text.
    void SetText(char* pszText);
    // Commits the text without the change message: 1 if the buffer changed since the last
    // SetText, change message or GetData.
    int GetData();
    // Selects the whole text.
    void SetSel();

    BOOL m_bChanged;
    CFep* m_pFep;
    CWnd* m_pOwner;
    CWnd* m_pParent;
    short* m_pKeyTable;
    short m_nKeyCount;
    short m_nKeyMsg;
    short m_nShiftMsg;
    short m_nChangeMsg;
    short m_nRButtonMsg;
    short m_nFocusMsg;
    short m_nKillFocusMsg;
    BOOL m_bInvalidate;
    short m_bNumOnly;
    short m_nFepMode;
    char* m_pszText;

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

    int InitLook(DWORD dwExStyle, DWORD dwStyle, CWnd* pOwner, CWnd* pParent, short nID,
                 CFont* pFont, short nKeyMsg, short nChangeMsg, short* pKeyTable, short nKeyCount,
                 short nShiftMsg, short nRButtonMsg, short nFepMode, short nFocusMsg,
                 int bInvalidate, short nKillFocusMsg);
    void CopyTextToBuffer();
    // False when the host deleted the field meanwhile.
    bool CommitText();
    void SwitchIme(bool bGained);
};
