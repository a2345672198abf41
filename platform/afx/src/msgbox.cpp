// AfxMessageBox: the program's message box, as MFC shows it.
#include "afxwin.h"

#include <cstring>

namespace {

// The caption MFC gives when the program names no title: its file name without extension.
CString ProgramName() {
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(AfxGetInstanceHandle(), szPath, sizeof(szPath));
    const char* pName = szPath;
    for (const char* p = szPath; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/')
            pName = p + 1;
    }
    CString name(pName);
    const int nDot = name.ReverseFind('.');
    return nDot > 0 ? name.Left(nDot) : name;
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
    return MessageBoxA(hWndOwner, lpszText, ProgramName(), WithDefaultIcon(nType));
}
