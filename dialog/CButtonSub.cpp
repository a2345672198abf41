// CButtonSub: routes a button's navigation keys and focus changes to the dialog controller.
#include "CButtonSub.h"

CButtonSub::CButtonSub()
    : m_bClicked(0), m_nIndex(0), m_hItem(nullptr), m_nKind(0), m_pDlgSb(nullptr) {}

CButtonSub::~CButtonSub() {
    m_bClicked = 0;
}

int CButtonSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex, UINT nKind) {
    m_pDlgSb = pDlgSb;
    m_hItem = hWnd;
    m_nIndex = nIndex;
    m_nKind = nKind;
    return SubclassWindow(hWnd) ? 1 : 0;
}
