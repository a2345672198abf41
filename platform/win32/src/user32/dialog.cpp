// The dialog manager: dialogs made from templates, their font and dialog units, DefDlgProc,
// the focus among their controls, the default push button, and EndDialog. The order of the
// controls: dlgnav.cpp.
#include "dlgtemplate.h"
#include "window.h"

#include <strings.h>

namespace headless {
namespace {

// The font's average width over the alphabet and its height, as Windows measures them; false
// when there is no memory for the device context that measures them.
bool BaseUnitsOfFont(HFONT hFont, int* pxBase, int* pyBase) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const HDC hdc = GetDC(nullptr);
    if (hdc == nullptr)
        return false;
    const HGDIOBJ hOld = SelectObject(hdc, hFont);
    TEXTMETRICA tm;
    SIZE size;
    const bool bMeasured =
        GetTextMetricsA(hdc, &tm) && GetTextExtentPoint32A(hdc, kAlphabet, 52, &size);
    SelectObject(hdc, hOld);
    ReleaseDC(nullptr, hdc);
    if (!bMeasured)
        return false;
    *pxBase = (size.cx / 26 + 1) / 2;
    *pyBase = tm.tmHeight;
    return true;
}

DialogInfo* InfoOf(HWND hwnd) {
    Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr ? pWnd->dialog.get() : nullptr;
}

int UnitsToPixelsX(int nUnits, const DialogInfo& info) {
    return MulDiv(nUnits, info.xBaseUnit, 4);
}
int UnitsToPixelsY(int nUnits, const DialogInfo& info) {
    return MulDiv(nUnits, info.yBaseUnit, 8);
}

// Position and size are converted each on its own, as Windows does, so that a control's width
// is the same wherever it stands.
RECT BoxToPixels(const DialogUnitsBox& box, const DialogInfo& info) {
    const int x = UnitsToPixelsX(box.x, info), y = UnitsToPixelsY(box.y, info);
    return RECT{x, y, x + UnitsToPixelsX(box.cx, info), y + UnitsToPixelsY(box.cy, info)};
}

// The dialog manager's record of a new dialog; nullptr without memory.
std::unique_ptr<DialogInfo> MakeDialogInfo(const DialogTemplate& tmpl) {
    std::unique_ptr<DialogInfo> pInfo;
    if (!GrowStorage([&] { pInfo = std::make_unique<DialogInfo>(); }))
        return nullptr;
    if (tmpl.style & DS_SETFONT) {
        if (tmpl.pointSize == 0x7FFF) {
            pInfo->hFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        } else {
            pInfo->hFont =
                CreateFontA(-MulDiv(tmpl.pointSize, 96, 72), 0, 0, 0, tmpl.weight, tmpl.bItalic,
                            FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, tmpl.faceName.c_str());
            pInfo->bOwnFont = pInfo->hFont != nullptr;
        }
    }
    // Without a font of its own the dialog measures in the system font's units.
    const HGDIOBJ hMeasured = pInfo->hFont != nullptr ? pInfo->hFont : GetStockObject(SYSTEM_FONT);
    if (!BaseUnitsOfFont(static_cast<HFONT>(hMeasured), &pInfo->xBaseUnit, &pInfo->yBaseUnit))
        return nullptr;
    return pInfo;
}

// A window of the dialog class made with CreateWindowEx gets the dialog manager's record when it
// first needs one, measured in the system font, as Windows gives it one with its first message.
DialogInfo* InfoMadeIfMissing(HWND hwnd) {
    Window* pWnd = FindWindowPtr(hwnd);
    if (pWnd != nullptr && pWnd->dialog == nullptr)
        pWnd->dialog = MakeDialogInfo(DialogTemplate());
    return pWnd != nullptr ? pWnd->dialog.get() : nullptr;
}

// The window rectangle that puts the client area at the template's place: relative to the
// owner's client area for a popup, to the parent's for a child, on the screen with
// DS_ABSALIGN, in the middle of the screen with DS_CENTER.
RECT DialogWindowRect(const DialogTemplate& tmpl, const DialogInfo& info, DWORD style,
                      DWORD exStyle, HWND hwndOwner) {
    const RECT rcPixels = BoxToPixels(tmpl.box, info);
    RECT rc = {0, 0, rcPixels.right - rcPixels.left, rcPixels.bottom - rcPixels.top};
    AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    POINT pos = {rc.left + rcPixels.left, rc.top + rcPixels.top};
    if (style & DS_CENTER) {
        pos.x = (GetSystemMetrics(SM_CXSCREEN) - (rc.right - rc.left)) / 2;
        pos.y = (GetSystemMetrics(SM_CYSCREEN) - (rc.bottom - rc.top)) / 2;
    } else if (!(style & (WS_CHILD | DS_ABSALIGN)) && hwndOwner != nullptr) {
        ClientToScreen(hwndOwner, &pos);
    }
    OffsetRect(&rc, pos.x - rc.left, pos.y - rc.top);
    return rc;
}

// Edit fields of a dialog show their border as a sunken client edge, as they do since
// Windows 95.
void ControlStyles(const DialogControlTemplate& control, DWORD* pStyle, DWORD* pExStyle) {
    *pStyle = control.style | WS_CHILD;
    *pExStyle = control.exStyle | WS_EX_NOPARENTNOTIFY;
    if (strcasecmp(control.className.c_str(), "Edit") == 0 && (*pStyle & WS_BORDER)) {
        *pStyle &= ~static_cast<DWORD>(WS_BORDER);
        *pExStyle |= WS_EX_CLIENTEDGE;
    }
}

bool CreateControls(HWND hwndDlg, HINSTANCE hInstance, const DialogTemplate& tmpl) {
    DialogInfo* pInfo = InfoOf(hwndDlg);
    for (const DialogControlTemplate& control : tmpl.controls) {
        const RECT rc = BoxToPixels(control.box, *pInfo);
        DWORD style = 0, exStyle = 0;
        ControlStyles(control, &style, &exStyle);
        const HWND hwndCtrl =
            CreateWindowExA(exStyle, control.className.c_str(),
                            control.bTextIsOrdinal ? nullptr : control.text.c_str(), style, rc.left,
                            rc.top, rc.right - rc.left, rc.bottom - rc.top, hwndDlg,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)), hInstance,
                            const_cast<void*>(control.pCreationData));
        if ((pInfo = InfoOf(hwndDlg)) == nullptr)
            return false;
        if (hwndCtrl == nullptr) {
            if (tmpl.style & DS_NOFAILCREATE)
                continue;
            return false;
        }
        if (pInfo->hFont != nullptr)
            SendMessageA(hwndCtrl, WM_SETFONT, reinterpret_cast<WPARAM>(pInfo->hFont), FALSE);
        if (pInfo->defId == 0 && (SendMessageA(hwndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
            pInfo->defId = control.id;
    }
    return true;
}

// The dialog manager's way of focusing a control: an edit field gets its text selected first.
void FocusControl(HWND hwndDlg, HWND hwndCtrl) {
    if (SendMessageA(hwndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(hwndCtrl, EM_SETSEL, 0, -1);
    SetFocus(hwndCtrl);
    if (DialogInfo* pInfo = InfoOf(hwndDlg))
        pInfo->hwndFocus = hwndCtrl;
}

LRESULT DialogCodeOf(HWND hwnd) {
    return SendMessageA(hwnd, WM_GETDLGCODE, 0, 0);
}

// The default push button follows the focus: a push button that takes it becomes the default
// one; when another control takes it, the dialog's default button (DM_GETDEFID) is again.
void ShowDefaultButton(HWND hwndDlg) {
    const HWND hwndFocus = GetFocus();
    if (hwndFocus == nullptr || !IsChild(hwndDlg, hwndFocus))
        return;
    const LRESULT focusCode = DialogCodeOf(hwndFocus);
    if (focusCode & DLGC_DEFPUSHBUTTON)
        return;
    HWND hwndDefault = hwndFocus;
    if (!(focusCode & DLGC_UNDEFPUSHBUTTON)) {
        const LRESULT defId = SendMessageA(hwndDlg, DM_GETDEFID, 0, 0);
        hwndDefault = HIWORD(defId) == DC_HASDEFID ? GetDlgItem(hwndDlg, LOWORD(defId)) : nullptr;
    }
    for (HWND hwnd = GetWindow(hwndDlg, GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
        if (hwnd != hwndDefault && (DialogCodeOf(hwnd) & DLGC_DEFPUSHBUTTON))
            SendMessageA(hwnd, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    if (hwndDefault != nullptr && (DialogCodeOf(hwndDefault) & DLGC_UNDEFPUSHBUTTON))
        SendMessageA(hwndDefault, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void SaveFocus(HWND hwndDlg) {
    const HWND hFocus = GetFocus();
    DialogInfo* pInfo = InfoOf(hwndDlg);
    if (pInfo != nullptr && hFocus != nullptr && IsChild(hwndDlg, hFocus))
        pInfo->hwndFocus = hFocus;
}

void RestoreFocus(HWND hwndDlg, bool bJustActivated) {
    const DialogInfo* pInfo = InfoOf(hwndDlg);
    if (pInfo == nullptr || (GetWindowLongA(hwndDlg, GWL_STYLE) & WS_MINIMIZE))
        return;
    HWND hwndFocus = IsWindow(pInfo->hwndFocus) ? pInfo->hwndFocus : nullptr;
    if (bJustActivated) {
        if (hwndFocus != nullptr)
            SetFocus(hwndFocus);
        return;
    }
    if (hwndFocus == nullptr)
        hwndFocus = GetNextDlgTabItem(hwndDlg, nullptr, FALSE);
    if (hwndFocus != nullptr)
        FocusControl(hwndDlg, hwndFocus);
}

LRESULT EraseDialogBackground(HWND hwndDlg, HDC hdc) {
    HBRUSH hbr = reinterpret_cast<HBRUSH>(SendMessageA(
        hwndDlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(hwndDlg)));
    if (hbr == nullptr)
        hbr = reinterpret_cast<HBRUSH>(DefWindowProcA(hwndDlg, WM_CTLCOLORDLG,
                                                      reinterpret_cast<WPARAM>(hdc),
                                                      reinterpret_cast<LPARAM>(hwndDlg)));
    RECT rc;
    GetClientRect(hwndDlg, &rc);
    FillRect(hdc, &rc, hbr);
    return 1;
}

// What DefDlgProc does when the dialog procedure leaves a message alone.
LRESULT DefaultDialogHandling(HWND hwndDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    DialogInfo* pInfo = InfoOf(hwndDlg);
    switch (uMsg) {
    case WM_ERASEBKGND:
        return EraseDialogBackground(hwndDlg, reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
        if (!wParam)
            SaveFocus(hwndDlg);
        break;
    case WM_ACTIVATE:
        if (wParam)
            RestoreFocus(hwndDlg, true);
        else
            SaveFocus(hwndDlg);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(hwndDlg, false);
        return 0;
    case WM_GETFONT:
        return pInfo != nullptr ? reinterpret_cast<LRESULT>(pInfo->hFont) : 0;
    case WM_NEXTDLGCTL:
        NextDialogControl(hwndDlg, wParam, lParam);
        return 0;
    case DM_SETDEFID:
        if ((pInfo = InfoMadeIfMissing(hwndDlg)) != nullptr)
            pInfo->defId = static_cast<UINT>(wParam);
        return pInfo != nullptr;
    case DM_GETDEFID:
        return pInfo != nullptr && pInfo->defId != 0 ? MAKELONG(pInfo->defId, DC_HASDEFID) : 0;
    case WM_CLOSE:
        PostMessageA(hwndDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwndDlg, IDCANCEL)));
        return 0;
    }
    return DefWindowProcA(hwndDlg, uMsg, wParam, lParam);
}

// Messages whose result is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool ReturnsDirectly(UINT uMsg) {
    switch (uMsg) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    }
    return uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC;
}

HWND CreateDialogFromTemplate(HINSTANCE hInstance, const DialogTemplate& tmpl, HWND hwndOwner,
                              DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    std::unique_ptr<DialogInfo> pInfo = MakeDialogInfo(tmpl);
    if (pInfo == nullptr)
        return nullptr;
    DWORD exStyle = tmpl.exStyle;
    if (tmpl.style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    const DWORD style = tmpl.style & ~static_cast<DWORD>(WS_VISIBLE);
    const RECT rc = DialogWindowRect(tmpl, *pInfo, style, exStyle, hwndOwner);
    const HWND hwndDlg = CreateWindowExA(
        exStyle, tmpl.className.empty() ? WC_DIALOG : tmpl.className.c_str(), tmpl.caption.c_str(),
        style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hwndOwner, nullptr,
        hInstance, reinterpret_cast<LPVOID>(dwInitParam));
    if (hwndDlg == nullptr)
        return nullptr;
    const HFONT hFont = pInfo->hFont;
    FindWindowPtr(hwndDlg)->dialog = std::move(pInfo);
    SetWindowLongPtrA(hwndDlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(lpDialogFunc));
    if (hFont != nullptr)
        SendMessageA(hwndDlg, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), 0);
    if (!IsWindow(hwndDlg) || !CreateControls(hwndDlg, hInstance, tmpl)) {
        DestroyWindow(hwndDlg);
        return nullptr;
    }
    const HWND hwndFirst = GetNextDlgTabItem(hwndDlg, nullptr, FALSE);
    if (SendMessageA(hwndDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hwndFirst), dwInitParam)) {
        // The dialog procedure may have changed the controls; look again.
        if (const HWND hwndFocus = GetNextDlgTabItem(hwndDlg, nullptr, FALSE))
            FocusControl(hwndDlg, hwndFocus);
    }
    if (IsWindow(hwndDlg) && (tmpl.style & WS_VISIBLE))
        ShowWindow(hwndDlg, SW_SHOWNORMAL);
    return IsWindow(hwndDlg) ? hwndDlg : nullptr;
}

// A template resource is read no further than its size; one cut short makes no dialog, where
// Win32 would read on past it.
HWND CreateDialogFromBytes(HINSTANCE hInstance, const void* pTemplate, size_t cbTemplate,
                           HWND hwndOwner, DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    if (pTemplate == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (hwndOwner != nullptr && !IsWindow(hwndOwner))
        return nullptr;
    DialogTemplate tmpl;
    bool bWhole = false;
    if (!GrowStorage([&] { bWhole = ReadDialogTemplate(pTemplate, cbTemplate, &tmpl); }))
        return nullptr;
    if (!bWhole) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogFromTemplate(hInstance, tmpl, hwndOwner, lpDialogFunc, dwInitParam);
}

LRESULT CALLBACK DesktopProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

} // namespace

DialogInfo::~DialogInfo() {
    if (bOwnFont)
        DeleteObject(hFont);
}

bool IsDialogWindow(const Window* pWnd) {
    return pWnd->dialog != nullptr;
}

bool DialogEnded(HWND hwnd, INT_PTR* pnResult) {
    const DialogInfo* pInfo = InfoOf(hwnd);
    *pnResult = pInfo != nullptr ? pInfo->result : 0;
    return pInfo == nullptr || pInfo->bEnded;
}

// WM_NEXTDLGCTL: the focus goes to the control wParam names (lParam TRUE), or to the next tab
// stop (wParam 0) or the previous one.
void NextDialogControl(HWND hwndDlg, WPARAM wParam, LPARAM lParam) {
    const HWND hwndTarget = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                           : GetNextDlgTabItem(hwndDlg, GetFocus(), wParam != 0);
    if (hwndTarget == nullptr)
        return;
    FocusControl(hwndDlg, hwndTarget);
    ShowDefaultButton(hwndDlg);
}

void RegisterDialogClasses() {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = GetModuleHandleA("user32.dll");
    wc.lpszClassName = "#32770";
    RegisterSystemClass(wc, 0x8002);
    wc.style = 0;
    wc.lpfnWndProc = DesktopProc;
    wc.cbWndExtra = 0;
    wc.lpszClassName = "#32769";
    RegisterSystemClass(wc, 0x8001);
}

} // namespace headless

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate,
                                       HWND hWndParent, DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    // A template the caller holds in memory comes without its size: it is trusted to be whole,
    // as Win32 trusts it.
    return headless::CreateDialogFromBytes(hInstance, lpTemplate, SIZE_MAX, hWndParent,
                                           lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    const HRSRC hRes = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
    if (hRes == nullptr)
        return nullptr;
    const void* pTemplate = LockResource(LoadResource(hInstance, hRes));
    return headless::CreateDialogFromBytes(hInstance, pTemplate, SizeofResource(hInstance, hRes),
                                           hWndParent, lpDialogFunc, dwInitParam);
}

// Each coordinate on its own, as a template's are; a window that is no dialog has no units and
// keeps the rectangle (Wine answers FALSE and sets no error).
BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect) {
    const headless::DialogInfo* pInfo = headless::InfoOf(hDlg);
    if (pInfo == nullptr || lpRect == nullptr)
        return FALSE;
    lpRect->left = headless::UnitsToPixelsX(lpRect->left, *pInfo);
    lpRect->right = headless::UnitsToPixelsX(lpRect->right, *pInfo);
    lpRect->top = headless::UnitsToPixelsY(lpRect->top, *pInfo);
    lpRect->bottom = headless::UnitsToPixelsY(lpRect->bottom, *pInfo);
    return TRUE;
}

// The dialog is hidden and its owner enabled again; a modal loop ends with nResult. A window of
// the dialog class made with CreateWindowEx counts as a dialog, as it does on Windows.
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
    const headless::Window* pWnd = headless::FindWindowPtr(hDlg);
    headless::DialogInfo* pInfo = pWnd != nullptr && pWnd->pClass->proc == DefDlgProcA
                                      ? headless::InfoMadeIfMissing(hDlg)
                                      : headless::InfoOf(hDlg);
    if (pInfo == nullptr)
        return FALSE;
    pInfo->result = nResult;
    pInfo->bEnded = true;
    const HWND hwndOwner = GetWindow(hDlg, GW_OWNER);
    if (hwndOwner != nullptr)
        EnableWindow(hwndOwner, TRUE);
    if (IsChild(hDlg, GetFocus()))
        SetFocus(hDlg);
    // Hidden, the dialog hands the activation on, to its owner first.
    SetWindowPos(hDlg, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hDlg))
        return 0;
    const DLGPROC dlgProc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hDlg, DWLP_DLGPROC));
    SetWindowLongPtrA(hDlg, DWLP_MSGRESULT, 0);
    const INT_PTR result = dlgProc != nullptr ? CallWindowProcA(reinterpret_cast<WNDPROC>(dlgProc),
                                                                hDlg, Msg, wParam, lParam)
                                              : 0;
    if (!IsWindow(hDlg))
        return 0;
    if (result != 0)
        return headless::ReturnsDirectly(Msg) ? result : GetWindowLongPtrA(hDlg, DWLP_MSGRESULT);
    return headless::DefaultDialogHandling(hDlg, Msg, wParam, lParam);
}
