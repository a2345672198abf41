// The library's load-time entry and the initialiser through which the host adds the library's
// resources to its own resource look-ups.
#include "tk_peludlg14.h"

// After the window classes, as MFC's extension libraries include it in their entry source.
#include <afxdllx.h>

#include <cstdio>
#include <cstdlib>

#include "NewObject.h"

namespace {
AFX_EXTENSION_MODULE g_extensionModule = {FALSE, nullptr, nullptr};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
    if (dwReason == DLL_PROCESS_ATTACH)
        return AfxInitExtensionModule(g_extensionModule, hInstance);
    return TRUE;
}

void InitPeluDlgDLL() {
    // The chain owns the link from now on; a failed allocation leaves the library out of the
    // host's look-ups, which only explicit module handles then reach.
    NewObject<CDynLinkLibrary>(g_extensionModule);
}

#ifndef _WIN32
// The headless system's loader calls no DLL entry point: the library runs its own when its
// shared object is loaded. A failed attach fails the load, which here ends the process.
__attribute__((constructor)) static void ProcessAttach() {
    HMODULE hThisModule = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ProcessAttach), &hThisModule);
    if (!DllMain(hThisModule, DLL_PROCESS_ATTACH, nullptr)) {
        std::fputs("tk_peludlg14: the library could not register itself\n", stderr);
        std::abort();
    }
}
#endif
