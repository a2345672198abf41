// The class framework's core: export markers, CObject, CString and the module-wide state.
#pragma once

#include <windows.h>

#include <cstddef>

#include "afxver_.h"
#include "afxstr.h"

// The root of the framework's classes. Objects live on the process heap, where a test can make
// an allocation fail. As MFC's, operator new throws when memory runs out, and the class's own
// operator new hides the global nothrow form.
class AFX_CORE_API CObject {
public:
    virtual ~CObject();

    static void* PASCAL operator new(size_t nSize);
    static void PASCAL operator delete(void* p) noexcept;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The module whose resources and instance the host application runs with: its executable.
AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();

// The module that holds a resource: the application's resource module first, then every
// extension library in the order it joined the chain; the resource module when none has it.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
