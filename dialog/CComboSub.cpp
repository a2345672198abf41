// CComboSub: routes a combo box's navigation keys and focus changes to the dialog controller.
#include "CComboSub.h"

#include "ItemSubclass.h"

CComboSub::CComboSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CComboSub::~CComboSub() {
    AliveWatch::ObjectGone(m_pbAlive);
}

int CComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    return item::Subclass(this, {m_pDlgSb, m_hItem, m_nIndex}, pDlgSb, hWnd, nIndex);
}

BEGIN_MESSAGE_MAP(CComboSub, CComboBox)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CComboSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    item::RouteKey(this, m_pDlgSb, item::KeyControl::ComboBox, nChar);
}

void CComboSub::OnSetFocus(CWnd* pOldWnd) {
    item::ReportFocus(this, m_pbAlive, m_pDlgSb, m_nIndex);
}

UINT CComboSub::OnGetDlgCode() {
    return item::kDialogCode;
}
