// Scripted compositions: what an input method sends the focus window while the user composes,
// with the strings it leaves in the window's input context for ImmGetCompositionStringA.
#include "composition.h"
#include "dbcs.h"

#include <cstring>

namespace headless {
namespace {

// The focus window, when an input method could compose in it: it has a context, and the
// context is open.
HWND ComposingWindow() {
    const HWND hwnd = GetFocus();
    return IsContextOpen(ContextOfWindow(hwnd)) ? hwnd : nullptr;
}

// A composition message carries the last character of the text it changed.
WPARAM LastCharacter(const char* psz) {
    WPARAM ch = 0;
    const size_t n = std::strlen(psz);
    for (size_t i = 0; i < n; i += CharLength932(psz + i, n - i))
        ch = ImeCharacter(psz + i, n - i);
    return ch;
}

BOOL SendToComposingWindow(UINT uMsg) {
    const HWND hwnd = ComposingWindow();
    if (hwnd == nullptr)
        return FALSE;
    SendMessageA(hwnd, uMsg, 0, 0);
    return TRUE;
}

} // namespace

BOOL StartComposition() {
    return SendToComposingWindow(WM_IME_STARTCOMPOSITION);
}

BOOL EndComposition() {
    return SendToComposingWindow(WM_IME_ENDCOMPOSITION);
}

// Every string of the message is set, the ones not given empty, so that each message leaves
// the context as the input method has it then.
BOOL Compose(const char* pszResult, const char* pszResultReading, const char* pszComposition,
             const char* pszCompositionReading) {
    const HWND hwnd = ComposingWindow();
    if (hwnd == nullptr)
        return FALSE;
    const HIMC hIMC = ContextOfWindow(hwnd);
    const struct {
        DWORD dwIndex;
        const char* psz;
    } strings[] = {{GCS_RESULTSTR, pszResult},
                   {GCS_RESULTREADSTR, pszResultReading},
                   {GCS_COMPSTR, pszComposition},
                   {GCS_COMPREADSTR, pszCompositionReading}};
    LPARAM flags = 0;
    for (const auto& string : strings) {
        if (!SetCompositionBytes(hIMC, string.dwIndex, string.psz))
            return FALSE;
        if (string.psz != nullptr)
            flags |= string.dwIndex;
    }
    const char* pszChanged = pszComposition != nullptr ? pszComposition
                             : pszResult != nullptr    ? pszResult
                                                       : "";
    SendMessageA(hwnd, WM_IME_COMPOSITION, LastCharacter(pszChanged), flags);
    return TRUE;
}

} // namespace headless
