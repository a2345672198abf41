// CPullBase: what a list is made from, its fixed rows, and the typed text that narrows it.
#include "CPullBase.h"

#include "PullRecords.h"

#include <algorithm>
#include <cstring>

namespace {

// A search by code takes up to four digits, a search by key up to five characters, which is
// all the typed-text field holds.
constexpr short kMaxCodeTyped = 4;
constexpr short kMaxKeyTyped = 5;
static_assert(kMaxKeyTyped == sizeof(CPullBase::m_szTyped) - 1, "the field holds a key search");

bool IsDigit(UINT nChar) {
    return nChar >= '0' && nChar <= '9';
}

// Digits, letters, the half-width katakana from "ｱ" to "ﾝ" and the plus sign start or extend a
// search.
bool IsSearchChar(UINT nChar) {
    return IsDigit(nChar) || (nChar >= 'a' && nChar <= 'z') || (nChar >= 'A' && nChar <= 'Z') ||
           (nChar >= 0xB1 && nChar <= 0xDD) || nChar == '+';
}

} // namespace

void CPullBase::DescribeList(short nKind, ULONG nSelect1, ULONG nSelect2, WORD wStyle,
                             WORD bReadFiles) {
    ClearTyped();
    m_nSelect1 = nSelect1;
    m_nSelect2 = nSelect2;
    m_nKind = nKind;
    m_wStyle = wStyle;
    m_bReadFiles = bReadFiles;
    m_nInitSel = -1;
    ReleaseRow();
}

// A folder longer than its field is kept without a terminator, so that it names no file at all
// (the path is too long) rather than the files of a shortened folder.
void CPullBase::SetFolder(const char* pszFolder) {
    std::memset(m_szFolder, 0, sizeof(m_szFolder));
    if (pszFolder != nullptr)
        std::memcpy(m_szFolder, pszFolder, strnlen(pszFolder, sizeof(m_szFolder)));
}

void CPullBase::TieToWindow(CWnd* pWnd) {
    m_pWnd = pWnd;
    m_bSized = 0;
    m_nItemHeight = -1;
}

int CPullBase::FirstRecordRow() const {
    return (m_wStyle & PULL_STYLE_NO_NONE) ? 0 : 1;
}

int CPullBase::RecordRows(int nRows) const {
    return nRows - FirstRecordRow() - ((m_wStyle & PULL_STYLE_ADD_NEW) ? 1 : 0);
}

// The field is public: it is read up to the five characters it can hold, whatever its end.
int CPullBase::TypedLength() const {
    return static_cast<int>(strnlen(m_szTyped, kMaxKeyTyped));
}

short CPullBase::TypedLimit() const {
    return m_bTypedAlpha == 1 ? kMaxKeyTyped : kMaxCodeTyped;
}

bool CPullBase::AddTyped(UINT nChar, short& nMaxTyped) {
    if (!IsSearchChar(nChar))
        return false;
    const bool bDigit = IsDigit(nChar);
    const int nTyped = TypedLength();
    if (nTyped == 0) {
        m_bTypedAlpha = bDigit ? 0 : 1;
        nMaxTyped = TypedLimit();
    } else if (nTyped >= std::min(nMaxTyped, kMaxKeyTyped) || bDigit == (m_bTypedAlpha == 1)) {
        return false;
    }
    m_szTyped[nTyped] = static_cast<char>(nChar);
    m_szTyped[nTyped + 1] = '\0';
    return true;
}

void CPullBase::DropTypedChar() {
    m_szTyped[TypedLength() - 1] = '\0';
}

void CPullBase::ClearTyped() {
    m_szTyped[0] = '\0';
    m_bTypedAlpha = 0;
}
