// Device contexts and GDI objects as framework objects.
#include "handlemap.h"
#include "nullobject.h"
#include "afxwin.h"

namespace {

afx::HandleMap<CDC, HDC, &CDC::m_hDC>& DcMap() {
    static afx::HandleMap<CDC, HDC, &CDC::m_hDC> map;
    return map;
}

afx::HandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject>& GdiMap() {
    static afx::HandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject> map;
    return map;
}

// The temporary fonts, apart from the general objects, as a font's temporary must be a CFont.
afx::HandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject, CFont>& FontMap() {
    static afx::HandleMap<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject, CFont> map;
    return map;
}

} // namespace

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject() {
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const {
    return afx::IsNullObject(this) ? nullptr : m_hObject;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
    return GdiMap().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap() {
    GdiMap().DeleteTemporaries();
    FontMap().DeleteTemporaries();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    return GdiMap().Attach(this, hObject);
}

HGDIOBJ CGdiObject::Detach() {
    return GdiMap().Detach(this);
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

// A font attached for good is the CFont that attached it; any other handle gets a temporary
// CFont of its own.
CFont* CFont::FromHandle(HFONT hFont) {
    if (CGdiObject* pObject = GdiMap().FindPermanent(hFont))
        return static_cast<CFont*>(pObject);
    return static_cast<CFont*>(FontMap().FromHandle(hFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCSTR lpszFacename) {
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
    return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(::CreateSolidBrush(crColor));
}

CDC::CDC() : m_hDC(nullptr) {}

CDC::~CDC() {
    Detach();
}

CDC* CDC::FromHandle(HDC hDC) {
    return DcMap().FromHandle(hDC);
}

void CDC::DeleteTempMap() {
    DcMap().DeleteTemporaries();
}

BOOL CDC::Attach(HDC hDC) {
    return DcMap().Attach(this, hDC);
}

HDC CDC::Detach() {
    return DcMap().Detach(this);
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(
        static_cast<HFONT>(::SelectObject(m_hDC, pFont != nullptr ? pFont->m_hObject : nullptr)));
}

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ::SetBkColor(m_hDC, crColor);
}

int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const {
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr);
}
