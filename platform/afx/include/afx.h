// The class framework's core: export markers, CString and the module-wide state accessors.
#pragma once

#include <windows.h>

#include "afxver_.h"
#include "afxstr.h"

// The module whose resources and instance the host application runs with: its executable,
// unless AfxSetResourceHandle chose another module for resources.
AFX_CORE_API HINSTANCE AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AfxGetResourceHandle();
AFX_CORE_API void AfxSetResourceHandle(HINSTANCE hInstResource);

// The module that holds a resource: the application's resource module first, then every
// extension library in the order it joined the chain; the resource module when none has it.
AFX_CORE_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
