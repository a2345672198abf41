// CPullComboSub: a code/name combo box under the dialog controller.
#include "CPullComboSub.h"

CPullComboSub::CPullComboSub()
    : m_nItemIndex(0), m_hWndCombo(nullptr), m_pDlgSb(nullptr), m_nMaxTyped(4), m_bInEnter(FALSE) {}

CPullComboSub::~CPullComboSub() = default;

int CPullComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    m_nItemIndex = nIndex;
    m_pDlgSb = pDlgSb;
    m_hWndCombo = hWnd;
    return SubclassWindow(hWnd) ? 1 : 0;
}
