// CListSub: routes a list box's navigation keys and focus changes to the dialog controller.
#include "CListSub.h"

#include "CDlgSb.h"
#include "dialog/Keys.h"

CListSub::CListSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CListSub::~CListSub() = default;

int CListSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    m_pDlgSb = pDlgSb;
    m_hItem = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}

BEGIN_MESSAGE_MAP(CListSub, CListBox)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

// Up and Down move the selection inside the list; Left and Right move through the dialog.
void CListSub::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (IsFunctionKey(nChar) || nChar == VK_LEFT || nChar == VK_RIGHT || nChar == VK_RETURN) {
        m_pDlgSb->DialogKeyDown(nChar);
        return;
    }
    Default();
}

void CListSub::OnSetFocus(CWnd* pOldWnd) {
    Default();
    m_pDlgSb->DialogFocus(m_nIndex, 0);
}

UINT CListSub::OnGetDlgCode() {
    return DLGC_WANTARROWS;
}
