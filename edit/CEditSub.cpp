// CEditSub: an edit field of a template under the dialog controller, with its input method.
#include "CEditSub.h"

#include "CDlgSb.h"
#include "CFep.h"
#include "dialog/Keys.h"

CEditSub::CEditSub()
    : m_nItemIndex(0), m_hWndEdit(nullptr), m_pDlgSb(nullptr), m_pFep(nullptr), m_nFepParam1(0),
      m_nFepParam2(0), m_bKana(0), m_bFepOn(FALSE), m_bMultiLine(0), m_pKanaWnd(nullptr),
      m_szBase(), m_szCur(), m_bComposing(FALSE) {}

CEditSub::~CEditSub() {
    if (m_pFep != nullptr) {
        if (m_bFepOn == 1)
            m_pFep->FepOff();
        delete m_pFep;
    }
}

int CEditSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bMultiLine) {
    m_pDlgSb = pDlg;
    m_nItemIndex = nIndex;
    m_hWndEdit = hWnd;
    if (!SubclassWindow(hWnd))
        return 0;
    m_bMultiLine = bMultiLine;
    return 1;
}

// A switch on the stack closes the input method as a short-lived one on the heap would, with
// no allocation that could fail.
void CEditSub::FepAbsOff() {
    CFep fep;
    fep.FepAbsOff(this);
}

BEGIN_MESSAGE_MAP(CEditSub, CEdit)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

// Enter always goes to the controller; Up and Down stay in a multi-line field.
void CEditSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsFunctionKey(nChar) || nChar == VK_RETURN ||
        (!m_bMultiLine && (nChar == VK_UP || nChar == VK_DOWN))) {
        m_pDlgSb->DialogKeyDown(nChar);
        return;
    }
    Default();
}

void CEditSub::OnSetFocus(CWnd* pOldWnd) {
    Default();
    m_pDlgSb->DialogFocus(m_nItemIndex, 0);
    FepAbsOff();
}

void CEditSub::OnKillFocus(CWnd* pNewWnd) {
    Default();
    FepAbsOff();
}
