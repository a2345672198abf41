// Extension libraries: the module record that a library fills when it is loaded, and the chain
// link through which its resources join the host's resource look-ups.
#pragma once

#include "afx.h"

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// Fills the record from the library's own module handle; fails (FALSE) without a module.
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);

// Joins the chain of resource providers when constructed and leaves it when destroyed. The
// framework owns every link once it is made and deletes the ones left at process exit. A link
// is a framework object on the process heap, where a test can make its allocation fail.
class AFX_CORE_API CDynLinkLibrary : public CObject {
public:
    CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;

private:
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
};
