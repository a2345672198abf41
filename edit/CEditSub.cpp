// CEditSub: an edit field of a template under the dialog controller: its keys, its focus and
// the input method mode it switches to.
#include "CEditSub.h"

#include "AliveWatch.h"
#include "CFep.h"
#include "EntryField.h"
#include "HeapObject.h"
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
        HeapDelete(m_pFep);
    }
}

int CEditSub::Init(CDlgSb* pDlg, HWND hWnd, UINT nIndex, short bMultiLine) {
    if (!item::Subclass(this, {m_pDlgSb, m_hWndEdit, m_nItemIndex}, pDlg, hWnd, nIndex))
        return 0;
    m_bMultiLine = bMultiLine;
    return 1;
}

int CEditSub::SetFep(short bApplyNow, short nFepParam1, short nFepParam2, short bKana,
                     CWnd* pKanaWnd) {
    if (m_pFep == nullptr && (m_pFep = HeapNew<CFep>()) == nullptr)
        return 0;
    m_nFepParam1 = nFepParam1;
    m_nFepParam2 = nFepParam2;
    m_bKana = bKana;
    m_pKanaWnd = pKanaWnd;
    if (bApplyNow)
        PostMessage(WM_FEP_APPLY);
    return 1;
}

void CEditSub::FepAbsOff() {
    entry::CloseImeOf(this);
}

BEGIN_MESSAGE_MAP(CEditSub, CEdit)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
ON_MESSAGE(WM_IME_COMPOSITION, OnImeComposition)
ON_MESSAGE(WM_IME_ENDCOMPOSITION, OnImeEndComposition)
ON_MESSAGE(WM_FEP_APPLY, OnFepApply)
END_MESSAGE_MAP()

void CEditSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    item::RouteKey(this, m_pDlgSb,
                   m_bMultiLine ? item::KeyControl::MultiLineEdit : item::KeyControl::Edit, nChar);
}

// The field's mode is switched on once per stay in the field; a field without a mode keeps the
// input method closed. The edit tells the dialog of the focus first, and the host may close
// the dialog there.
void CEditSub::OnSetFocus(CWnd* pOldWnd) {
    if (!item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nItemIndex))
        return;
    if (m_pFep == nullptr)
        FepAbsOff();
    else if (m_bFepOn == 0)
        OnFepApply(0, 0);
}

void CEditSub::OnKillFocus(CWnd* pNewWnd) {
    if (!CallSurvives(m_pbAlive, [this] { Default(); }))
        return;
    if (m_pFep == nullptr) {
        FepAbsOff();
        return;
    }
    m_pFep->FepOff();
    m_bFepOn = 0;
}

// Posted by SetFep; whoever else posts it to a field without a mode changes nothing.
LRESULT CEditSub::OnFepApply(WPARAM wParam, LPARAM lParam) {
    if (m_pFep != nullptr) {
        m_pFep->FepOn(this, m_nFepParam1, m_nFepParam2, m_bKana);
        m_bFepOn = 1;
    }
    return 0;
}
