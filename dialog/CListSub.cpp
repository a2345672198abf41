// CListSub: routes a list box's navigation keys and focus changes to the dialog controller.
#include "CListSub.h"

#include "ItemSubclass.h"

CListSub::CListSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CListSub::~CListSub() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CListSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    return item::Subclass(this, {m_pDlgSb, m_hItem, m_nIndex}, pDlgSb, hWnd, nIndex);
}

BEGIN_MESSAGE_MAP(CListSub, CListBox)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CListSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    item::RouteKey(this, m_pDlgSb, item::KeyControl::ListBox, nChar);
}

void CListSub::OnSetFocus(CWnd* pOldWnd) {
    item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nIndex);
}

UINT CListSub::OnGetDlgCode() {
    return item::kDialogCode;
}
