// A real Win32 shows the box and waits for the user: it is read and answered when it is
// activated, before anyone could see it. A message box is a dialog, made while the test records,
// whose text is its item 0xFFFF, in Windows and in Wine alike; that item alone does not tell it
// from a host's dialog, whose unnamed statics have the ID -1.
#include "MessageBoxes.h"

#include <algorithm>

namespace test {
namespace {

constexpr int kTextItem = 0xFFFF;

HHOOK g_hHook = nullptr;
std::vector<ShownMessageBox> g_shown;
// The dialogs made while recording that have not been activated yet.
std::vector<HWND> g_made;

// The buttons each type gives the box, as a set of button IDs.
constexpr UINT Bit(int nId) {
    return 1u << nId;
}
const struct {
    UINT uButtons;
    UINT idSet;
} kButtonTypes[] = {
    {MB_OK, Bit(IDOK)},
    {MB_OKCANCEL, Bit(IDOK) | Bit(IDCANCEL)},
    {MB_ABORTRETRYIGNORE, Bit(IDABORT) | Bit(IDRETRY) | Bit(IDIGNORE)},
    {MB_YESNOCANCEL, Bit(IDYES) | Bit(IDNO) | Bit(IDCANCEL)},
    {MB_YESNO, Bit(IDYES) | Bit(IDNO)},
    {MB_RETRYCANCEL, Bit(IDRETRY) | Bit(IDCANCEL)},
};

const struct {
    UINT uIcon;
    LPCSTR pszIcon;
} kIcons[] = {
    {MB_ICONHAND, IDI_HAND},
    {MB_ICONQUESTION, IDI_QUESTION},
    {MB_ICONEXCLAMATION, IDI_EXCLAMATION},
    {MB_ICONASTERISK, IDI_ASTERISK},
};

UINT ButtonsOf(HWND hBox) {
    UINT idSet = 0;
    for (int nId = IDOK; nId <= IDNO; ++nId) {
        if (GetDlgItem(hBox, nId) != nullptr)
            idSet |= Bit(nId);
    }
    for (const auto& type : kButtonTypes) {
        if (type.idSet == idSet)
            return type.uButtons;
    }
    return MB_OK;
}

// The system's shared icons have one handle each, so the icon shown is the one the type named.
UINT IconOf(HWND hBox) {
    for (HWND hChild = GetWindow(hBox, GW_CHILD); hChild != nullptr;
         hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if ((GetWindowLongA(hChild, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const LRESULT hIcon = SendMessageA(hChild, STM_GETICON, 0, 0);
        for (const auto& icon : kIcons) {
            if (hIcon == reinterpret_cast<LRESULT>(LoadIconA(nullptr, icon.pszIcon)))
                return icon.uIcon;
        }
    }
    return 0;
}

std::string TextOf(HWND hWnd) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hWnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hWnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

bool IsDialog(HWND hWnd) {
    char szClass[8] = "";
    GetClassNameA(hWnd, szClass, sizeof szClass);
    return lstrcmpA(szClass, "#32770") == 0;
}

// A box may be activated more than once before it closes; it is recorded at the first.
bool TakeMadeDialog(HWND hWnd) {
    const auto made = std::find(g_made.begin(), g_made.end(), hWnd);
    if (made == g_made.end())
        return false;
    g_made.erase(made);
    return true;
}

LRESULT CALLBACK WatchWindows(int nCode, WPARAM wParam, LPARAM lParam) {
    const HWND hBox = reinterpret_cast<HWND>(wParam);
    if (nCode == HCBT_CREATEWND && IsDialog(hBox))
        g_made.push_back(hBox);
    const HWND hText = nCode == HCBT_ACTIVATE ? GetDlgItem(hBox, kTextItem) : nullptr;
    if (hText != nullptr && TakeMadeDialog(hBox)) {
        g_shown.push_back({TextOf(hText), TextOf(hBox), ButtonsOf(hBox) | IconOf(hBox)});
        const LRESULT defId = SendMessageA(hBox, DM_GETDEFID, 0, 0);
        const int nAnswer = HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK;
        PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hBox, nAnswer)));
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

} // namespace

MessageBoxes::MessageBoxes() {
    g_shown.clear();
    g_made.clear();
    g_hHook = SetWindowsHookExA(WH_CBT, WatchWindows, nullptr, GetCurrentThreadId());
}

MessageBoxes::~MessageBoxes() {
    UnhookWindowsHookEx(g_hHook);
}

std::vector<ShownMessageBox> MessageBoxes::Shown() const {
    return g_shown;
}

} // namespace test
