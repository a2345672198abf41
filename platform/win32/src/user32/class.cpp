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

// The program's class of that module first (none for a module of NULL), then a global one.
WindowClass* Lookup(LPCSTR lpszClass, HINSTANCE hModule, bool bGlobalToo) {
    if (lpszClass == nullptr)
        return nullptr;
    EnsureSystemClasses();
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
    if (Lookup(wc.lpszClassName, ClassInstance(wc.hInstance), bGlobal) != nullptr) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    ClassTable& table = Table();
    WindowClass cls;
    cls.atom = atom != 0 ? atom : table.nextAtom;
    cls.style = wc.style;
    cls.proc = wc.lpfnWndProc;
    cls.cbClsExtra = wc.cbClsExtra;
    cls.cbWndExtra = wc.cbWndExtra;
    cls.hInstance = ClassInstance(wc.hInstance);
    cls.hIcon = wc.hIcon;
    cls.hCursor = wc.hCursor;
    cls.hbrBackground = wc.hbrBackground;
    cls.bGlobal = bGlobal;
    cls.nWindows = 0;
    if (!GrowStorage([&] {
            if (!IS_INTRESOURCE(wc.lpszClassName))
                cls.name = wc.lpszClassName;
            if (!IS_INTRESOURCE(wc.lpszMenuName))
                cls.menuName = wc.lpszMenuName;
            table.classes.push_back(std::move(cls));
        }))
        return 0;
    if (atom == 0)
        ++table.nextAtom;
    // The class keeps its own copy of a menu name; an integer resource is kept as it is.
    WindowClass& added = table.classes.back();
    added.lpszMenuName = IS_INTRESOURCE(wc.lpszMenuName) ? wc.lpszMenuName : added.menuName.c_str();
    return added.atom;
}

WNDCLASSEXA Widen(const WNDCLASSA& wc) {
    return WNDCLASSEXA{sizeof(WNDCLASSEXA), wc.style,        wc.lpfnWndProc,   wc.cbClsExtra,
                       wc.cbWndExtra,       wc.hInstance,    wc.hIcon,         wc.hCursor,
                       wc.hbrBackground,    wc.lpszMenuName, wc.lpszClassName, nullptr};
}

} // namespace

WindowClass* FindClass(LPCSTR lpszClass, HINSTANCE hInstance) {
    return Lookup(lpszClass, ClassInstance(hInstance), true);
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
    const WNDCLASSEXA wc = headless::Widen(*lpWndClass);
    return RegisterClassExA(&wc);
}

// A module of NULL asks for the system's classes and the global ones, not for the program's own.
// A system class reports the module it was asked for, as Windows does; the name is the one asked
// for.
BOOL WINAPI GetClassInfoA(HINSTANCE hInstance, LPCSTR lpClassName, LPWNDCLASSA lpWndClass) {
    if (lpWndClass == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const WindowClass* pClass = headless::Lookup(lpClassName, hInstance, true);
    if (pClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    const bool bSystem = pClass->hInstance == GetModuleHandleA("user32.dll");
    *lpWndClass = WNDCLASSA{pClass->style,
                            pClass->proc,
                            pClass->cbClsExtra,
                            pClass->cbWndExtra,
                            bSystem ? hInstance : pClass->hInstance,
                            pClass->hIcon,
                            pClass->hCursor,
                            pClass->hbrBackground,
                            pClass->lpszMenuName,
                            lpClassName};
    return pClass->atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    WindowClass* pClass = headless::Lookup(lpClassName, headless::ClassInstance(hInstance), false);
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
