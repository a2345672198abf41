// CFep: opens a window's input method in a Japanese conversion mode, and closes it again.
#pragma once

#include <afxwin.h>
#include <imm.h>

class AFX_EXT_CLASS CFep {
public:
    CFep();
    // Leaves the input method as it is, open or closed.
    ~CFep();

    // Opens pWnd's input method in full-width hiragana (bKana 0) or half-width katakana,
    // keeping the user's romaji setting. nFepParam1 and nFepParam2 are accepted and have no
    // effect. 0 when pWnd is NULL or this object already has an input method open.
    int FepOn(CWnd* pWnd, short nFepParam1, short nFepParam2, short bKana);
    int KanaOn(CWnd* pWnd, short nFepParam1, short nFepParam2);
    // Closes the input method of the last window given to FepOn, if this object opened it.
    void FepOff();
    // Closes pWnd's input method if it is open, whoever opened it.
    void FepAbsOff(CWnd* pWnd);

    CWnd* m_pTargetWnd;
    HIMC m_hIMC;
    BOOL m_bOn;
};
