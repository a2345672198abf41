// CPullComboSub: a code/name combo box under the dialog controller.
#include "CPullComboSub.h"

#include "ItemSubclass.h"

CPullComboSub::CPullComboSub()
    : m_nItemIndex(0), m_hWndCombo(nullptr), m_pDlgSb(nullptr), m_nMaxTyped(4), m_bInEnter(FALSE) {}

CPullComboSub::~CPullComboSub() = default;

int CPullComboSub::Init(CDlgSb* pDlgSb, HWND hWnd, UINT nIndex) {
    return item::Subclass(this, {m_pDlgSb, m_hWndCombo, m_nItemIndex}, pDlgSb, hWnd, nIndex);
}
