// CComboSub: routes a combo box's navigation keys and focus changes to the dialog controller.
#include "CComboSub.h"

CComboSub::CComboSub() : m_nIndex(0), m_hItem(nullptr), m_pDlgSb(nullptr) {}

CComboSub::~CComboSub() = default;

int CComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    m_pDlgSb = pDlgSb;
    m_hItem = hWnd;
    m_nIndex = nIndex;
    return SubclassWindow(hWnd) ? 1 : 0;
}
