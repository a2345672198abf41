// CPullBase: the drop-down list's width table, its sizing and colours, and the drawing of one
// row in columns.
#include "CPullBase.h"

#include "FontMetrics.h"
#include "PullLayout.h"
#include "RowText.h"

#include <cstring>

namespace {

struct KindWidth {
    WORD wKind;
    WORD wWidth; // in average characters
};

enum { kFamilyNT, kFamily9x };
enum { kFromHost, kFromFiles };

// The drop-down list widths of the process by system family and by where the rows come from.
// Both families start alike; the multi-column lists' widths are set at run time.
struct FamilyWidths {
    KindWidth sources[2][4];
};
constexpr FamilyWidths kStartWidths = {{
    {{PULL_KIND_DEPT, PullLayout::kHostDeptWidth},
     {PULL_KIND_ACCOUNT, PullLayout::kHostAccountWidth},
     {PULL_KIND_HOST, PullLayout::kHostListWidth},
     {PULL_KIND_MULTI, 0}},
    {{PULL_KIND_DEPT, PullLayout::kFilesDeptWidth},
     {PULL_KIND_ACCOUNT, PullLayout::kFilesAccountWidth},
     {PULL_KIND_HOST, PullLayout::kFilesHostWidth},
     {PULL_KIND_MULTI, 0}},
}};
FamilyWidths g_widths[2] = {kStartWidths, kStartWidths};

int SystemFamily() {
    return (GetVersion() & 0x80000000) ? kFamily9x : kFamilyNT;
}

KindWidth* FindWidth(int nFamily, int nSource, short nKind) {
    for (KindWidth& entry : g_widths[nFamily].sources[nSource]) {
        if (entry.wKind == static_cast<WORD>(nKind))
            return &entry;
    }
    return nullptr;
}

RECT ScreenClientRect(HWND hwnd) {
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

} // namespace

// A negative width counts as none.
void CPullBase::SetMultiWidth(short nWidth9x, short nWidthNT) {
    FindWidth(kFamily9x, kFromHost, PULL_KIND_MULTI)->wWidth =
        static_cast<WORD>(nWidth9x > 0 ? nWidth9x : 0);
    FindWidth(kFamilyNT, kFromHost, PULL_KIND_MULTI)->wWidth =
        static_cast<WORD>(nWidthNT > 0 ? nWidthNT : 0);
}

// The rectangle is worked out as the list's parent sees it. A kind without a width in the
// table (no list made yet, or a multi-column list whose width was never set) keeps the list's
// own width rather than shrinking it to nothing. Without memory for the framework's objects of
// the device context or the list (NULL) the list keeps the default colouring.
HBRUSH CPullBase::CtlColor(CDC* pDC, CWnd* pList, UINT nCtlColor, CFont* pFont) {
    if (nCtlColor != CTLCOLOR_LISTBOX || pDC == nullptr || pList == nullptr)
        return nullptr;
    TEXTMETRICA tm = {};
    if (MeasureWindowFont(pList->m_hWnd, pFont, &tm)) {
        HWND hParent = ::GetParent(pList->m_hWnd);
        if (hParent == nullptr)
            hParent = GetDesktopWindow();
        const RECT rcList = ScreenClientRect(pList->m_hWnd);
        const RECT rcParent = ScreenClientRect(hParent);
        POINT ptPlace = {rcList.left - rcParent.left, rcList.top - rcParent.top};
        MapWindowPoints(nullptr, hParent, &ptPlace, 1);
        const KindWidth* pWidth =
            FindWidth(SystemFamily(), m_bReadFiles == 1 ? kFromFiles : kFromHost, m_nKind);
        const int nWidth = pWidth != nullptr && pWidth->wWidth != 0
                               ? pWidth->wWidth * tm.tmAveCharWidth
                               : static_cast<int>(rcList.right - rcList.left);
        RECT rc = {ptPlace.x, ptPlace.y, ptPlace.x + nWidth, ptPlace.y + 8 * (tm.tmHeight - 4) + 2};
        const bool bOutside =
            rc.right > rcParent.right && ptPlace.x > static_cast<short>(rc.right - rc.left);
        if (bOutside)
            OffsetRect(&rc, -(rc.right - rc.left), 0);
        if (m_bSized == 0 || bOutside) {
            m_bSized = 1;
            ::MoveWindow(pList->m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                         TRUE);
        }
    }
    pDC->SetTextColor(m_crText);
    pDC->SetBkColor(m_crBack);
    return m_hBrush;
}

// Each TAB starts a new column: a segment is drawn at its byte offset in the row times the
// average width, and every segment moves the left edge two widths further, so that a TAB opens
// a gap of three. A row has at most four segments; an empty one draws nothing. Without memory
// for the framework's object of the device context (NULL) the row is not drawn.
void CPullBase::DrawRow(CDC* pDC, UINT nItem, RECT rcItem, BOOL bSelected, CFont* pFont) {
    if (pDC == nullptr || m_pWnd == nullptr ||
        m_pWnd->SendMessage(CB_GETLBTEXTLEN, nItem) == CB_ERR)
        return;
    const bool bHighlight = bSelected == 1;
    CBrush brush;
    if (brush.CreateSolidBrush(GetSysColor(bHighlight ? COLOR_HIGHLIGHT : COLOR_WINDOW)))
        pDC->FillRect(&rcItem, &brush);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOldText =
        pDC->SetTextColor(GetSysColor(bHighlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TEXTMETRICA tm = {};
    RowText row;
    if (MeasureFont(pDC->m_hDC, pFont, &tm) && row.Read(m_pWnd, static_cast<int>(nItem))) {
        const char* pszText = row.Text();
        RECT rc = rcItem;
        int nStart = 0;
        for (int nSegment = 0; nSegment < 4; ++nSegment) {
            const char* pTab = nSegment < 3 ? std::strchr(pszText + nStart, '\t') : nullptr;
            const int nEnd = pTab != nullptr ? static_cast<int>(pTab - pszText) : row.Length();
            if (nEnd > nStart)
                pDC->ExtTextOut(rc.left + nStart * tm.tmAveCharWidth, rcItem.top + 2, ETO_CLIPPED,
                                &rc, pszText + nStart, static_cast<UINT>(nEnd - nStart), nullptr);
            if (pTab == nullptr)
                break;
            rc.left += 2 * tm.tmAveCharWidth;
            nStart = nEnd + 1;
        }
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
}
