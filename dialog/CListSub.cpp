// CListSub: routes a list box's navigation keys and focus changes to the dialog controller.
#include "CListSub.h"

CListSub::CListSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CListSub::~CListSub() = default;

int CListSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    m_pDlgSb = pDlgSb;
    m_hItem = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}
