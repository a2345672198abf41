// Window classes: registration, look-up by name or atom, and the system's own classes.
#include "window.h"
#include "lifetime.h"

#include "builtin_classes.h"

#include <strings.h>

#include <algorithm>
#include <list>

namespace headless {
namespace {

// String atoms of registered classes start here, as in the global atom table.
constexpr ATOM kFirstClassAtom = 0xC000;

struct ClassTable {
    std::list<WindowClass> classes; // stable addresses: windows point to their class
    ATOM nextAtom = kFirstClassAtom;
    bool bSystemRegistered = false;
};

ClassTable& Table() {
    return ProcessLifetime<ClassTable>();
}

void EnsureSystemClasses() {
    ClassTable& table = Table();
    if (table.bSystemRegistered)
        return;
    table.bSystemRegistered = true;
    RegisterBuiltinClasses();
}

// A module handle of NULL names the program's own module, for classes as for windows.
HINSTANCE ClassInstance(HINSTANCE hInstance) {
    return hInstance != nullptr ? hInstance : GetModuleHandleA(nullptr);
}

bool NameMatches(const WindowClass& cls, LPCSTR lpszClass) {
    if (IS_INTRESOURCE(lpszClass))
        return cls.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(lpszClass));
    return strcasecmp(cls.name.c_str(), lpszClass) == 0;
}

// The program's class of that module first, then a global one.
WindowClass* Lookup(LPCSTR lpszClass, HINSTANCE hInstance, bool bGlobalToo) {
    if (lpszClass == nullptr)
        return nullptr;
    EnsureSystemClasses();
    const HINSTANCE hModule = ClassInstance(hInstance);
    for (WindowClass& cls : Table().classes) {
        if (!cls.bGlobal && cls.hInstance == hModule && NameMatches(cls, lpszClass))
            return &cls;
    }
    if (!bGlobalToo)
        return nullptr;
    for (WindowClass& cls : Table().classes) {
        if (cls.bGlobal && NameMatches(cls, lpszClass))
            return &cls;
    }
    return nullptr;
}

ATOM AddClass(const WNDCLASSEXA& wc, ATOM atom, bool bGlobal) {
    if (wc.lpszClassName == nullptr || wc.lpfnWndProc == nullptr || wc.cbClsExtra < 0 ||
        wc.cbWndExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (Lookup(wc.lpszClassName, wc.hInstance, bGlobal) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    ClassTable& table = Table();
    WindowClass cls;
    cls.name = IS_INTRESOURCE(wc.lpszClassName) ? std::string() : wc.lpszClassName;
    cls.atom = atom != 0 ? atom : table.nextAtom++;
    cls.style = wc.style;
    cls.proc = wc.lpfnWndProc;
    cls.cbWndExtra = wc.cbWndExtra;
    cls.hInstance = ClassInstance(wc.hInstance);
    cls.hIcon = wc.hIcon;
    cls.hCursor = wc.hCursor;
    cls.hbrBackground = wc.hbrBackground;
    cls.bGlobal = bGlobal;
    cls.classExtra.assign(static_cast<size_t>(wc.cbClsExtra), 0);
    cls.nWindows = 0;
    table.classes.push_back(std::move(cls));
    return table.classes.back().atom;
}

WNDCLASSEXA Widen(const WNDCLASSA& wc) {
    WNDCLASSEXA wcx = {};
    wcx.cbSize = sizeof(wcx);
    wcx.style = wc.style;
    wcx.lpfnWndProc = wc.lpfnWndProc;
    wcx.cbClsExtra = wc.cbClsExtra;
    wcx.cbWndExtra = wc.cbWndExtra;
    wcx.hInstance = wc.hInstance;
    wcx.hIcon = wc.hIcon;
    wcx.hCursor = wc.hCursor;
    wcx.hbrBackground = wc.hbrBackground;
    wcx.lpszMenuName = wc.lpszMenuName;
    wcx.lpszClassName = wc.lpszClassName;
    return wcx;
}

void FillClassInfo(const WindowClass& cls, WNDCLASSEXA* pInfo, LPCSTR lpszRequested) {
    pInfo->style = cls.style;
    pInfo->lpfnWndProc = cls.proc;
    pInfo->cbClsExtra = static_cast<int>(cls.classExtra.size());
    pInfo->cbWndExtra = cls.cbWndExtra;
    pInfo->hInstance = cls.hInstance;
    pInfo->hIcon = cls.hIcon;
    pInfo->hCursor = cls.hCursor;
    pInfo->hbrBackground = cls.hbrBackground;
    pInfo->lpszMenuName = nullptr;
    pInfo->lpszClassName = lpszRequested;
    pInfo->hIconSm = nullptr;
}

} // namespace

WindowClass* FindClass(LPCSTR lpszClass, HINSTANCE hInstance) {
    return Lookup(lpszClass, hInstance, true);
}

void RegisterSystemClass(const WNDCLASSA& wc, ATOM atom) {
    AddClass(Widen(wc), atom, true);
}

} // namespace headless

using headless::WindowClass;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return headless::AddClass(*lpWndClass, 0, (lpWndClass->style & CS_GLOBALCLASS) != 0);
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (lpWndClass == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const WNDCLASSEXA wcx = headless::Widen(*lpWndClass);
    return RegisterClassExA(&wcx);
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    WindowClass* pClass = headless::Lookup(lpClassName, hInstance, false);
    if (pClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (pClass->nWindows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    auto& classes = headless::Table().classes;
    classes.remove_if([pClass](const WindowClass& cls) { return &cls == pClass; });
    return TRUE;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE hInstance, LPCSTR lpszClass, LPWNDCLASSEXA lpwcx) {
    const WindowClass* pClass = headless::FindClass(lpszClass, hInstance);
    if (pClass == nullptr || lpwcx == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    headless::FillClassInfo(*pClass, lpwcx, lpszClass);
    return pClass->atom;
}

BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
    WNDCLASSEXA wcx = {};
    wcx.cbSize = sizeof(wcx);
    const BOOL bFound = GetClassInfoExA(hInstance, lpClassName, &wcx);
    if (bFound && lpWndClass != nullptr) {
        lpWndClass->style = wcx.style;
        lpWndClass->lpfnWndProc = wcx.lpfnWndProc;
        lpWndClass->cbClsExtra = wcx.cbClsExtra;
        lpWndClass->cbWndExtra = wcx.cbWndExtra;
        lpWndClass->hInstance = wcx.hInstance;
        lpWndClass->hIcon = wcx.hIcon;
        lpWndClass->hCursor = wcx.hCursor;
        lpWndClass->hbrBackground = wcx.hbrBackground;
        lpWndClass->lpszMenuName = wcx.lpszMenuName;
        lpWndClass->lpszClassName = wcx.lpszClassName;
    }
    return bFound;
}

int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    const headless::Window* pWnd = headless::FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpClassName == nullptr || nMaxCount <= 0)
        return 0;
    const std::string& name = pWnd->pClass->name;
    const int nCopy = std::min(static_cast<int>(name.size()), nMaxCount - 1);
    name.copy(lpClassName, static_cast<size_t>(nCopy));
    lpClassName[nCopy] = '\0';
    return nCopy;
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex) {
    const headless::Window* pWnd = headless::FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    const WindowClass& cls = *pWnd->pClass;
    switch (nIndex) {
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(cls.hbrBackground);
    case GCLP_HMODULE:
        return reinterpret_cast<ULONG_PTR>(cls.hInstance);
    case GCL_CBWNDEXTRA:
        return static_cast<ULONG_PTR>(cls.cbWndExtra);
    case GCL_CBCLSEXTRA:
        return cls.classExtra.size();
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(cls.proc);
    case GCL_STYLE:
        return cls.style;
    case GCW_ATOM:
        return cls.atom;
    }
    if (nIndex >= 0 && static_cast<size_t>(nIndex) + sizeof(ULONG_PTR) <= cls.classExtra.size()) {
        ULONG_PTR value;
        std::copy_n(cls.classExtra.data() + nIndex, sizeof(value), reinterpret_cast<BYTE*>(&value));
        return value;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}
