// USER32's MessageBoxA: a modal dialog of the dialog class with the text and one button per
// answer, owned by the caller's top-level window, which is disabled while the box is up. Every
// message of the thread is dispatched through the box's loop meanwhile, as Windows does. Nothing
// is shown; the box is recorded for the test interface, and when the queue runs dry it is
// answered as a user would: with the button a test named, else with its default button, as Enter
// would.
#include "msgbox.h"
#include "records.h"
#include "window.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace headless {
namespace {

int g_nAnswer = 0;

// The caption Windows gives a box without one: "エラー" (error).
constexpr char kDefaultCaption[] = "\x83\x47\x83\x89\x81\x5B";

template <size_t N>
void CopyCut(char (&szTarget)[N], LPCSTR pszSource) {
    const size_t cb = std::min(std::strlen(pszSource), N - 1);
    std::memcpy(szTarget, pszSource, cb);
    szTarget[cb] = '\0';
}

void Record(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    HEADLESS_MESSAGEBOX record = {};
    record.hwndOwner = hWnd;
    record.uType = uType;
    CopyCut(record.szText, lpText != nullptr ? lpText : "");
    CopyCut(record.szCaption, lpCaption != nullptr ? lpCaption : kDefaultCaption);
    Records<HEADLESS_MESSAGEBOX>().Add(record);
}

struct ButtonSet {
    size_t nCount;
    int ids[3];
};

// By MB_TYPEMASK value, MB_OK to MB_RETRYCANCEL.
constexpr ButtonSet kButtonSets[] = {
    {1, {IDOK}},
    {2, {IDOK, IDCANCEL}},
    {3, {IDABORT, IDRETRY, IDIGNORE}},
    {3, {IDYES, IDNO, IDCANCEL}},
    {2, {IDYES, IDNO}},
    {2, {IDRETRY, IDCANCEL}},
};

// A type beyond the table is an OK box.
const ButtonSet& ButtonsOf(UINT uType) {
    const UINT uSet = uType & MB_TYPEMASK;
    return kButtonSets[uSet < std::size(kButtonSets) ? uSet : 0];
}

// The buttons' captions as a Japanese Windows writes them.
const char* ButtonText(int nId) {
    switch (nId) {
    case IDCANCEL:
        return "\x83\x4C\x83\x83\x83\x93\x83\x5A\x83\x8B"; // キャンセル
    case IDABORT:
        return "\x92\x86\x8E\x7E(&A)"; // 中止(&A)
    case IDRETRY:
        return "\x8D\xC4\x8E\x8E\x8D\x73(&R)"; // 再試行(&R)
    case IDIGNORE:
        return "\x96\xB3\x8E\x8B(&I)"; // 無視(&I)
    case IDYES:
        return "\x82\xCD\x82\xA2(&Y)"; // はい(&Y)
    case IDNO:
        return "\x82\xA2\x82\xA2\x82\xA6(&N)"; // いいえ(&N)
    }
    return "OK";
}

// The default button (MB_DEFBUTTONn) of the box's buttons. A default beyond the last button
// falls back to the first, as on Windows (the reference Wine answers IDOK there, even for a box
// without an OK button).
int DefaultButton(UINT uType) {
    const ButtonSet& buttons = ButtonsOf(uType);
    const size_t nDefault = (uType & MB_DEFMASK) >> 8;
    return buttons.ids[nDefault < buttons.nCount ? nDefault : 0];
}

// Escape (IDCANCEL) closes a box that has a Cancel button, and an OK box as OK; a box with
// neither ignores it, as Windows documents it. Wine closes every box with IDCANCEL.
INT_PTR CALLBACK MessageBoxProc(HWND hwndBox, UINT uMsg, WPARAM wParam, LPARAM) {
    if (uMsg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    int nId = LOWORD(wParam);
    if (nId == IDCANCEL && GetDlgItem(hwndBox, IDCANCEL) == nullptr)
        nId = IDOK;
    if (GetDlgItem(hwndBox, nId) != nullptr)
        EndDialog(hwndBox, nId);
    return TRUE;
}

// The text above a row of buttons; nothing is drawn, so the sizes are only plausible ones.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMargin = 12;
constexpr int kTextHeight = 40;

bool AddControl(HWND hwndBox, const char* pszClass, const char* pszText, DWORD style, int nId,
                int x, int y, int cx, int cy) {
    const HWND hwnd = CreateWindowExA(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | style, x, y, cx,
                                      cy, hwndBox, reinterpret_cast<HMENU>(INT_PTR{nId}),
                                      GetModuleHandleA("user32.dll"), nullptr);
    if (hwnd != nullptr)
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
    return hwnd != nullptr;
}

bool AddControls(HWND hwndBox, LPCSTR lpText, UINT uType) {
    const ButtonSet& buttons = ButtonsOf(uType);
    const int cxText = static_cast<int>(buttons.nCount) * (kButtonWidth + kMargin) - kMargin;
    if (!AddControl(hwndBox, "Static", lpText != nullptr ? lpText : "", SS_NOPREFIX | WS_GROUP,
                    0xFFFF, kMargin, kMargin, cxText, kTextHeight))
        return false;
    for (size_t i = 0; i < buttons.nCount; ++i) {
        const int nId = buttons.ids[i];
        const DWORD style = (nId == DefaultButton(uType) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                            WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        if (!AddControl(hwndBox, "Button", ButtonText(nId), style, nId,
                        kMargin + static_cast<int>(i) * (kButtonWidth + kMargin),
                        2 * kMargin + kTextHeight, kButtonWidth, kButtonHeight))
            return false;
    }
    return true;
}

// A hidden box over the middle of the screen, its buttons made; nullptr without memory.
HWND MakeBox(HWND hwndOwner, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const size_t nButtons = ButtonsOf(uType).nCount;
    RECT rc = {0, 0, static_cast<int>(nButtons) * (kButtonWidth + kMargin) + kMargin,
               kTextHeight + kButtonHeight + 3 * kMargin};
    constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOIDLEMSG;
    AdjustWindowRectEx(&rc, style, FALSE, WS_EX_DLGMODALFRAME);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    const HWND hwndBox = CreateWindowExA(
        WS_EX_DLGMODALFRAME, WC_DIALOG, lpCaption != nullptr ? lpCaption : kDefaultCaption, style,
        (GetSystemMetrics(SM_CXSCREEN) - cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - cy) / 2, cx, cy,
        hwndOwner, nullptr, GetModuleHandleA("user32.dll"), nullptr);
    if (hwndBox == nullptr)
        return nullptr;
    SetWindowLongPtrA(hwndBox, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(MessageBoxProc));
    if (!AddControls(hwndBox, lpText, uType) ||
        !SendMessageA(hwndBox, DM_SETDEFID, DefaultButton(uType), 0)) {
        DestroyWindow(hwndBox);
        return nullptr;
    }
    return hwndBox;
}

// The user at a box that waits: the button the test interface names, when the box has it, else
// the default one.
void AnswerAsTheUser(HWND hwndBox) {
    int nId = LOWORD(SendMessageA(hwndBox, DM_GETDEFID, 0, 0));
    if (g_nAnswer != 0 && GetDlgItem(hwndBox, g_nAnswer) != nullptr)
        nId = g_nAnswer;
    EndDialog(hwndBox, nId);
}

// The box's modal loop, until EndDialog; its result. A WM_QUIT ends it, answered 0, and is
// posted again for the loop around it, as Windows does.
INT_PTR RunBox(HWND hwndBox) {
    MSG msg;
    INT_PTR nResult = 0;
    while (!DialogEnded(hwndBox, &nResult)) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            AnswerAsTheUser(hwndBox);
        } else if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return 0;
        } else if (!IsDialogMessageA(hwndBox, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return nResult;
}

} // namespace

void AnswerMessageBoxes(int nButton) {
    g_nAnswer = nButton;
}

} // namespace headless

// The box belongs to the top-level window of hWnd, which is disabled before the box is made;
// 0 when there is no memory for it.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    headless::Record(hWnd, lpText, lpCaption, uType);
    const HWND hwndOwner = hWnd != nullptr ? GetAncestor(hWnd, GA_ROOT) : nullptr;
    const bool bDisableOwner = hwndOwner != nullptr && IsWindowEnabled(hwndOwner);
    if (bDisableOwner)
        EnableWindow(hwndOwner, FALSE);
    const HWND hwndBox = headless::MakeBox(hwndOwner, lpText, lpCaption, uType);
    INT_PTR nResult = 0;
    if (hwndBox != nullptr) {
        ShowWindow(hwndBox, SW_SHOWNORMAL);
        SetFocus(GetDlgItem(hwndBox, headless::DefaultButton(uType)));
        nResult = headless::RunBox(hwndBox);
        DestroyWindow(hwndBox);
    }
    if (bDisableOwner)
        EnableWindow(hwndOwner, TRUE);
    return static_cast<int>(nResult);
}
