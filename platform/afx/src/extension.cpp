// Extension-module registration and the chain of resource providers the host's look-ups walk.
#include "afxdllx.h"

namespace {

// The chain head, with its links deleted when the framework unloads.
struct LibraryChain {
    CDynLinkLibrary* pFirst = nullptr;
    ~LibraryChain() {
        while (pFirst != nullptr)
            delete pFirst;
    }
};

LibraryChain& Chain() {
    static LibraryChain chain;
    return chain;
}

} // namespace

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized)
        return TRUE;
    if (hModule == nullptr)
        return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem),
      m_pNextDLL(nullptr) {
    CDynLinkLibrary** ppLink = &Chain().pFirst;
    while (*ppLink != nullptr)
        ppLink = &(*ppLink)->m_pNextDLL;
    *ppLink = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    for (CDynLinkLibrary** ppLink = &Chain().pFirst; *ppLink != nullptr;
         ppLink = &(*ppLink)->m_pNextDLL) {
        if (*ppLink == this) {
            *ppLink = m_pNextDLL;
            break;
        }
    }
}

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    return GetModuleHandleA(nullptr);
}

HINSTANCE AFXAPI AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    const HINSTANCE hApp = AfxGetResourceHandle();
    if (FindResourceA(hApp, lpszName, lpszType) != nullptr)
        return hApp;
    for (CDynLinkLibrary* pLib = Chain().pFirst; pLib != nullptr; pLib = pLib->m_pNextDLL) {
        if (pLib->m_hResource != nullptr &&
            FindResourceA(pLib->m_hResource, lpszName, lpszType) != nullptr)
            return pLib->m_hResource;
    }
    return hApp;
}
