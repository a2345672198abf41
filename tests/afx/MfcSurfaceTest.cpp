// The class framework against MFC's documented signatures, one check per row of
// docs/mfc-surface.md: a failing assertion is a name the library could use here in a way MFC does
// not offer. Everything is checked while compiling; nothing runs.
#include <afx.h>
#include <afxdllx.h>
#include <afxwin.h>

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

#ifndef AFX_EXT_CLASS
#error "AFX_EXT_CLASS marks what the extension library exports"
#endif

// A named namespace: classes that nothing uses would draw unused-function warnings in an
// unnamed one.
namespace mfc_surface {

template <typename TBase, typename TDerived>
constexpr bool kIsPublicBase =
    std::is_base_of_v<TBase, TDerived>&& std::is_convertible_v<TDerived*, TBase*>;

template <typename T, typename = void>
struct HasNothrowNew : std::false_type {};
template <typename T>
struct HasNothrowNew<T, std::void_t<decltype(new (std::nothrow) T)>> : std::true_type {};

// CWnd, CButton, CEdit, CComboBox, CListBox, CPoint
static_assert(kIsPublicBase<CWnd, CButton>);
static_assert(kIsPublicBase<CWnd, CEdit>);
static_assert(kIsPublicBase<CWnd, CComboBox>);
static_assert(kIsPublicBase<CWnd, CListBox>);
static_assert(kIsPublicBase<POINT, CPoint>);

// CDC, CFont, CBrush
static_assert(kIsPublicBase<CObject, CDC>);
static_assert(kIsPublicBase<CGdiObject, CFont>);
static_assert(kIsPublicBase<CGdiObject, CBrush>);

// CDC's and the GDI objects' members.
static_assert(std::is_same_v<decltype(&CDC::m_hDC), HDC CDC::*>);
static_assert(std::is_same_v<decltype(&CDC::SetTextColor), COLORREF (CDC::*)(COLORREF)>);
static_assert(std::is_same_v<decltype(&CDC::SetBkColor), COLORREF (CDC::*)(COLORREF)>);
static_assert(std::is_same_v<decltype(&CDC::SetBkMode), int (CDC::*)(int)>);
static_assert(std::is_same_v<decltype(&CDC::FillRect), void (CDC::*)(LPCRECT, CBrush*)>);
static_assert(std::is_same_v<decltype(static_cast<BOOL (CDC::*)(int, int, UINT, LPCRECT, LPCSTR,
                                                                UINT, LPINT)>(&CDC::ExtTextOut)),
                             BOOL (CDC::*)(int, int, UINT, LPCRECT, LPCSTR, UINT, LPINT)>);
static_assert(std::is_same_v<decltype(&CGdiObject::m_hObject), HGDIOBJ CGdiObject::*>);
static_assert(std::is_same_v<decltype(&CBrush::CreateSolidBrush), BOOL (CBrush::*)(COLORREF)>);

// The members a host's code relies on: CWnd::GetSafeHwnd, CWnd::ScreenToClient,
// CGdiObject::GetSafeHandle, CFont::CreateFontIndirect, CFont::operator HFONT
static_assert(std::is_same_v<decltype(&CWnd::GetSafeHwnd), HWND (CWnd::*)() const>);
static_assert(
    std::is_same_v<decltype(static_cast<void (CWnd::*)(LPPOINT) const>(&CWnd::ScreenToClient)),
                   void (CWnd::*)(LPPOINT) const>);
static_assert(
    std::is_same_v<decltype(static_cast<void (CWnd::*)(LPRECT) const>(&CWnd::ScreenToClient)),
                   void (CWnd::*)(LPRECT) const>);
static_assert(
    std::is_same_v<decltype(&CGdiObject::GetSafeHandle), HGDIOBJ (CGdiObject::*)() const>);
static_assert(
    std::is_same_v<decltype(&CFont::CreateFontIndirect), BOOL (CFont::*)(const LOGFONTA*)>);
static_assert(std::is_same_v<decltype(&CFont::operator HFONT), HFONT (CFont::*)() const>);

// CTLCOLOR_LISTBOX
static_assert(CTLCOLOR_LISTBOX == 2);

// CObject::operator new, CObject::operator delete: a framework class hides the global nothrow
// form, as MFC's CObject does.
static_assert(std::is_same_v<decltype(static_cast<void*(PASCAL*)(size_t)>(&CObject::operator new)),
                             void*(PASCAL*)(size_t)>);
static_assert(std::is_same_v<decltype(static_cast<void(PASCAL*)(void*)>(&CObject::operator delete)),
                             void(PASCAL*)(void*)>);
static_assert(!HasNothrowNew<CWnd>::value);

// CWnd::~CWnd: the controller deletes its subclassing objects through CWnd*.
static_assert(std::has_virtual_destructor_v<CWnd>);

// CWnd's members, named through a derived class so that protected ones are reachable too.
class CWndProbe : public CWnd {
    static void Check() {
        static_assert(std::is_same_v<decltype(&CWndProbe::m_hWnd), HWND CWnd::*>);
        static_assert(std::is_same_v<decltype(&CWndProbe::SubclassWindow), BOOL (CWnd::*)(HWND)>);
        static_assert(std::is_same_v<decltype(&CWndProbe::Default), LRESULT (CWnd::*)()>);
        static_assert(std::is_same_v<decltype(&CWndProbe::SendMessage),
                                     LRESULT (CWnd::*)(UINT, WPARAM, LPARAM)>);
        static_assert(std::is_same_v<decltype(std::declval<CWnd&>().SendMessage(0U)), LRESULT>);
        static_assert(
            std::is_same_v<decltype(&CWndProbe::GetClientRect), void (CWnd::*)(LPRECT) const>);
        static_assert(std::is_same_v<decltype(&CWndProbe::CreateEx),
                                     BOOL (CWnd::*)(DWORD, LPCSTR, LPCSTR, DWORD, int, int, int,
                                                    int, HWND, HMENU, LPVOID)>);
        static_assert(std::is_same_v<decltype(&CWndProbe::SetFont), void (CWnd::*)(CFont*, BOOL)>);
        static_assert(std::is_same_v<decltype(&CWndProbe::PostMessage),
                                     BOOL (CWnd::*)(UINT, WPARAM, LPARAM)>);
        static_assert(
            std::is_same_v<decltype(&CWndProbe::IsWindowEnabled), BOOL (CWnd::*)() const>);
        static_assert(std::is_same_v<decltype(&CWndProbe::SetWindowText), void (CWnd::*)(LPCSTR)>);
        static_assert(std::is_same_v<decltype(static_cast<int (CWnd::*)(LPSTR, int) const>(
                                         &CWndProbe::GetWindowText)),
                                     int (CWnd::*)(LPSTR, int) const>);
        static_assert(std::is_same_v<decltype(&CWndProbe::Invalidate), void (CWnd::*)(BOOL)>);
        static_assert(std::is_same_v<decltype(&CWndProbe::FromHandlePermanent), CWnd* (*)(HWND)>);
        static_assert(std::is_same_v<decltype(&CWndProbe::UnsubclassWindow), HWND (CWnd::*)()>);
        static_assert(
            std::is_same_v<decltype(&CWndProbe::OnCtlColor), HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>);
    }
};

// CComboBox::Create, CComboBox::DrawItem, CComboBox::MeasureItem
static_assert(std::is_same_v<decltype(&CComboBox::Create),
                             BOOL (CComboBox::*)(DWORD, const RECT&, CWnd*, UINT)>);
static_assert(
    std::is_same_v<decltype(&CComboBox::DrawItem), void (CComboBox::*)(LPDRAWITEMSTRUCT)>);
static_assert(
    std::is_same_v<decltype(&CComboBox::MeasureItem), void (CComboBox::*)(LPMEASUREITEMSTRUCT)>);
// CDC::FromHandle
static_assert(std::is_same_v<decltype(&CDC::FromHandle), CDC* (*)(HDC)>);

// CString: in current MFC a CStringT whose members partly come from its bases, so calls are
// checked rather than member pointers.
// CString::CString (copy), CString::operator =, CString::operator LPCTSTR
static_assert(std::is_copy_constructible_v<CString>);
static_assert(std::is_assignable_v<CString&, LPCSTR>);
static_assert(std::is_convertible_v<const CString&, LPCSTR>);
// CString::GetLength, CString::GetBuffer, CString::ReleaseBuffer
static_assert(std::is_same_v<decltype(std::declval<const CString&>().GetLength()), int>);
static_assert(std::is_same_v<decltype(std::declval<CString&>().GetBuffer(0)), LPSTR>);
static_assert(std::is_same_v<decltype(std::declval<CString&>().ReleaseBuffer()), void>);
static_assert(std::is_same_v<decltype(std::declval<CString&>().ReleaseBuffer(0)), void>);

// AFX_EXTENSION_MODULE: the library initialises its first three fields in this order.
static_assert(std::is_same_v<decltype(AFX_EXTENSION_MODULE::bInitialized), BOOL>);
static_assert(std::is_same_v<decltype(AFX_EXTENSION_MODULE::hModule), HMODULE>);
static_assert(std::is_same_v<decltype(AFX_EXTENSION_MODULE::hResource), HMODULE>);
static_assert(offsetof(AFX_EXTENSION_MODULE, bInitialized) <
                  offsetof(AFX_EXTENSION_MODULE, hModule) &&
              offsetof(AFX_EXTENSION_MODULE, hModule) < offsetof(AFX_EXTENSION_MODULE, hResource));

// CDynLinkLibrary
static_assert(std::is_constructible_v<CDynLinkLibrary, AFX_EXTENSION_MODULE&>);
static_assert(std::is_constructible_v<CDynLinkLibrary, AFX_EXTENSION_MODULE&, BOOL>);
static_assert(kIsPublicBase<CObject, CDynLinkLibrary>);

// AfxGetInstanceHandle, AfxInitExtensionModule, AfxMessageBox
static_assert(std::is_same_v<decltype(&AfxGetInstanceHandle), HINSTANCE(AFXAPI*)()>);
static_assert(std::is_same_v<decltype(&AfxInitExtensionModule),
                             BOOL(AFXAPI*)(AFX_EXTENSION_MODULE&, HMODULE)>);
static_assert(std::is_same_v<decltype(static_cast<int (*)(LPCSTR, UINT, UINT)>(&AfxMessageBox)),
                             int (*)(LPCSTR, UINT, UINT)>);
static_assert(std::is_same_v<decltype(AfxMessageBox("")), int>);

// Every message-map entry the library uses, each given a handler of MFC's type; an entry takes
// only a handler of exactly its type, so this map compiles only if the types agree.
// DECLARE_MESSAGE_MAP, BEGIN_MESSAGE_MAP, END_MESSAGE_MAP, afx_msg
class SurfaceWnd : public CWnd {
protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {}
    afx_msg void OnSetFocus(CWnd* pOldWnd) {}
    afx_msg void OnKillFocus(CWnd* pNewWnd) {}
    afx_msg UINT OnGetDlgCode() { return 0; }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) { return 0; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {}
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {}
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {}
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) {}
    afx_msg LRESULT OnPrivateMessage(WPARAM wParam, LPARAM lParam) { return 0; }
    afx_msg void OnMove(int x, int y) {}
    afx_msg void OnSize(UINT nType, int cx, int cy) {}
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) {}
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) { return nullptr; }
    afx_msg void OnCommandHandler() {}
    afx_msg void OnReflectedHandler() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SurfaceWnd, CWnd)
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_MOUSEACTIVATE()
ON_WM_LBUTTONDOWN()
ON_WM_CHAR()
ON_WM_KEYUP()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_APP, OnPrivateMessage)
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_CTLCOLOR()
ON_COMMAND(1, OnCommandHandler)
ON_CONTROL_REFLECT(CBN_SELENDOK, OnReflectedHandler)
END_MESSAGE_MAP()

} // namespace mfc_surface
