// The library's Japanese resources, found through the Win32 API alone. The program calls
// InitPeluDlgDLL (ResourceChainTest.cpp), so the loader maps the library before any test runs,
// while only that one test puts it into the resource chain.
#pragma once

#include "HostDialog.h"

#include <windows.h>

struct ResourceBytes {
    const BYTE* p;
    DWORD cb;
};

// The locked data of the library's resource of that type and name in language 1041
// (LANG_JAPANESE, SUBLANG_DEFAULT); {nullptr, 0} if the library has no such resource.
inline ResourceBytes LoadJapaneseResource(LPCSTR lpType, LPCSTR lpName) {
    const HMODULE hModule = test::LibraryModule();
    const HRSRC hResInfo =
        FindResourceExA(hModule, lpType, lpName, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (hResInfo == nullptr)
        return {nullptr, 0};
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hResInfo)));
    return {p, p != nullptr ? SizeofResource(hModule, hResInfo) : 0};
}
