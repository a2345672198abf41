// AfxMessageBox: the program's message box, as MFC shows it.
#include "afxwin.h"

#include <cstring>

namespace {

// The caption MFC gives when the program names no title: its file name without extension, cut
// out of the program's path in place.
const char* ProgramName(char (&szPath)[MAX_PATH]) {
    GetModuleFileNameA(AfxGetInstanceHandle(), szPath, sizeof(szPath));
    char* pName = szPath;
    for (char* p = szPath; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/')
            pName = p + 1;
    }
    // No trail byte of code page 932 is a dot.
    if (char* pDot = std::strrchr(pName, '.'); pDot != nullptr && pDot != pName)
        *pDot = '\0';
    return pName;
}

UINT WithDefaultIcon(UINT nType) {
    if (nType & MB_ICONMASK)
        return nType;
    switch (nType & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
        return nType | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return nType | MB_ICONQUESTION;
    case MB_ABORTRETRYIGNORE:
    case MB_RETRYCANCEL:
        return nType | MB_ICONHAND;
    }
    return nType;
}

} // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    const HWND hWndActive = GetActiveWindow();
    const HWND hWndOwner = hWndActive != nullptr ? GetAncestor(hWndActive, GA_ROOT) : nullptr;
    char szPath[MAX_PATH] = "";
    return MessageBoxA(hWndOwner, lpszText, ProgramName(szPath), WithDefaultIcon(nType));
}
