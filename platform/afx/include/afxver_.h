// Export and import markers of the class framework and of the extension libraries built on it.
#pragma once

#if defined(_WIN32)
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#else
#define AFX_CLASS_EXPORT __attribute__((visibility("default")))
#define AFX_CLASS_IMPORT __attribute__((visibility("default")))
#endif

// The calling convention of MFC's global functions (AFXAPI) and of CObject's operators (PASCAL,
// from the SDK): __stdcall on 32-bit Windows.
#define AFXAPI WINAPI

// The framework's own classes and functions.
#ifdef _AFX_BUILDING_FRAMEWORK
#define AFX_CORE_API AFX_CLASS_EXPORT
#else
#define AFX_CORE_API AFX_CLASS_IMPORT
#endif

// An extension library defines _AFXEXT while it is built, so that the classes and functions it
// marks with AFX_EXT_CLASS are exported by it and imported by everybody else.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#endif
