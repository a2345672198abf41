// CEditSub: an edit field of a template under the dialog controller, with its input method.
#include "CEditSub.h"

#include "CFep.h"
#include "ItemSubclass.h"

CEditSub::CEditSub()
    : m_nItemIndex(0), m_hWndEdit(nullptr), m_pDlgSb(nullptr), m_pFep(nullptr), m_nFepParam1(0),
      m_nFepParam2(0), m_bKana(0), m_bFepOn(FALSE), m_bMultiLine(0), m_pKanaWnd(nullptr),
      m_szBase(), m_szCur(), m_bComposing(FALSE) {}

CEditSub::~CEditSub() {
    AliveWatch::ObjectGone(m_pbAlive);
    if (m_pFep != nullptr) {
        if (m_bFepOn == 1)
            m_pFep->FepOff();
        delete m_pFep;
    }
}

int CEditSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bMultiLine) {
    if (!item::Subclass(this, {m_pDlgSb, m_hWndEdit, m_nItemIndex}, pDlg, hWnd, nIndex))
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
    item::RouteKey(this, m_pDlgSb, nChar,
                   nChar == VK_RETURN || (!m_bMultiLine && (nChar == VK_UP || nChar == VK_DOWN)));
}

void CEditSub::OnSetFocus(CWnd* pOldWnd) {
    if (item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nItemIndex))
        FepAbsOff();
}

void CEditSub::OnKillFocus(CWnd* pNewWnd) {
    if (CallSurvives(m_pbAlive, [this] { Default(); }))
        FepAbsOff();
}
