// CDlgSb: the controller of one data-entry dialog. It reads the dialog's template into an
// item table, takes over every focusable control and decides where the keyboard focus goes.
#pragma once

#include <afxwin.h>

#include <cstddef>

// Item kinds, one byte per item of the table.
enum : BYTE {
    KIND_PUSH = 0,
    KIND_CHECK = 1,
    KIND_RADIO = 2,
    KIND_EDIT = 3,
    KIND_COMBO = 4,
    KIND_LIST = 5,
    KIND_PULLCOMBO = 100,
    KIND_EDIT6000 = 101,
    KIND_EDIT5000 = 102,
    KIND_EDITMULTI = 103,
};

// Posted by the controller with wParam and lParam 0.
#define WM_DLGSB_LEAVETOP 10054
#define WM_DLGSB_LEAVEBOTTOM 10064
#define WM_DLGSB_WRAPBOTTOM 10074
#define WM_DLGSB_WRAPTOP 10084

// Nothing derives from the controller or deletes it through another type, so its destructor
// stays non-virtual while Init and InitDll are virtual.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

class AFX_EXT_CLASS CDlgSb {
public:
#pragma pack(push, 2)
    // One control entry of a standard dialog template; the class, title and creation-data
    // fields follow it. An extended template's entries (DLGITEMTEMPLATEEX: help ID, extended
    // style, style, box, DWORD ID) have another layout, which the controller reads itself.
    struct ITEM {
        DWORD style;
        DWORD dwExtendedStyle;
        short x;
        short y;
        short cx;
        short cy;
        WORD id;
    };
#pragma pack(pop)
    static_assert(sizeof(ITEM) == 18 && offsetof(ITEM, id) == 16,
                  "a template entry's class field follows its 18-byte header");

    CDlgSb();
    ~CDlgSb();

    // Builds the item table from template nIDTemplate of the program's module (Init) or of
    // hInst (InitDll), subclasses every control, places the focus and closes the input method
    // of the edit fields. 1 on success, 0 on failure; a failed table is freed by the
    // destructor.
    virtual int Init(CWnd* pDlg, UINT nIDTemplate, UINT nFuncKeyMsg, UINT nPullCloseMsg,
                     UINT nCheckMsg, short bWrapNotify, short bEdgeNotify);
    virtual int InitDll(CWnd* pDlg, HINSTANCE hInst, UINT nIDTemplate, UINT nFuncKeyMsg,
                        UINT nPullCloseMsg, UINT nCheckMsg, short bWrapNotify, short bEdgeNotify);

    // A navigation key handed over by a control: Enter, Escape, the arrows and the function
    // keys move the focus, open and close drop-down lists and reach the host. 0 when Escape
    // closed a shown drop-down list, else 1.
    int DialogKeyDown(UINT nChar);
    // A control reports that it gained the focus; unless bNoAction, a radio button is checked
    // with its group cleared, and a check box checked, when the focus did not come from a key.
    void DialogFocus(UINT nIndex, short bNoAction);
    // Moves the focus to the proper first item: the checked button of a radio group, and an
    // enabled item. 0, after the program-error message, when the group has no checked button.
    int ResetFocusPos();
    // Makes the first item with that control ID the focus item, without moving the focus.
    void SetFocusID(short nID);
    // The control ID of the next enabled item after the focus item, without wrapping.
    int CheckNextEnableItem(short* pnID);
    // The control ID of the item at which the focus enters this dialog.
    int CheckPageEnableItem(short* pnID);

    // Closes the first open drop-down list and makes its combo box the focus item; 1 when one
    // was open.
    int CheckPullDown();
    // A pull-down combo box reports that its list closed: the host hears it synchronously.
    void ClosePull(UINT nIndex);

    // Gives edit nID its input method mode (bKana 0: full-width hiragana, else half-width
    // katakana) and the edit nKanaID (0: none) the readings of what is composed in it. The
    // mode takes effect at the edit's next focus gain, or at once when the edit is the
    // dialog's first enabled item and the dialog is no sheet page (bSheet 0). 1 when stored; 0
    // when an ID names no suitable edit (or a field the host keeps) or the setting cannot be
    // made. Again for the same edit replaces its setting.
    int SetFep(UINT nID, UINT nKanaID, short nFepParam1, short nFepParam2, short bKana,
               short bSheet);
    int SetKana(UINT nID, short nFepParam1, short nFepParam2);
    int SetFepSheet(short bSheet, UINT nID, UINT nKanaID, short nFepParam1, short nFepParam2,
                    short bKana);
    int SetKanaSheet(short bSheet, UINT nID, short nFepParam1, short nFepParam2);

    CWnd* m_pDlg;
    UINT m_nFuncKeyMsg;
    UINT m_nPullCloseMsg;
    UINT m_nCheckMsg;
    short m_bWrapNotify;
    short m_bEdgeNotify;
    HWND* m_phWnd;
    BYTE* m_pKind;
    short* m_pGroup;
    UINT m_nCount;
    int m_nFocus;
    UINT* m_pID;
    CWnd** m_ppSub;
    short m_bInKeyDown;

protected:
    int GetDlgData(short nIDTemplate, HINSTANCE hInst, UINT* pnCount, UINT** ppID, BYTE** ppKind,
                   short** ppGroup);
    // The template entry after pItem, with its class code in *pwClass: 0 to 5 for a predefined
    // class, whether given by atom or by name in any case ("button"), 0xFFFF for any other
    // name. It walks the standard layout only: handed an entry of an extended template it reads
    // it as a standard one, which gives neither the right class nor the right next entry, so
    // the controller walks extended templates without it.
    ITEM* GetItem(ITEM* pItem, WORD* pwClass);

private:
    // Watched over every call that may reach the host, which may delete the controller there
    // (internal/AliveWatch.h).
    bool* m_pbAlive = nullptr;

    int SubclassItem(UINT nID, UINT nIndex);
    BOOL IsEnabled(short nIndex) const;
    BOOL IsChecked(short nIndex) const;
    BOOL IsDropDownShown(short nIndex) const;
    void ShowDropDown(short nIndex, BOOL bShow);
    void SetCheck(short nIndex, int nCheck);
    void CheckInGroup(short nIndex);
    void SetPushStyle(short nIndex, UINT nStyle);
    void PostToOwner(UINT nMessage);
    void PostToDialog(UINT nMessage);
    short FirstEnabledFrom(short nStart) const;
    short WalkRadioGroup(short nStart) const;
    void ReportProgramError();
    int NavigateKey(UINT* pnChar, BOOL* pbDone);
    bool WrapPastEnd(bool bForward);
    int Previous(BOOL* pbDone);
    int Next(BOOL* pbDone);
    int SelectAndAdvance(UINT* pnChar, BOOL* pbDone);
    int OpenOrCloseDropDown(UINT* pnChar, BOOL* pbDone);
    short EnabledItemsUpTo(UINT nID) const;
    CDlgSb(const CDlgSb&) = delete;
    CDlgSb& operator=(const CDlgSb&) = delete;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
