// The library's module and its Japanese resources, found through the Win32 API alone.
#include "LibraryResources.h"

HMODULE LibraryModule() {
    // The program calls InitPeluDlgDLL (ResourceChainTest.cpp), so the loader maps the library
    // before any test runs, while only that one test puts it into the resource chain.
    return GetModuleHandleA("tk_peludlg14.dll");
}

ResourceBytes LoadJapaneseResource(LPCSTR lpType, LPCSTR lpName) {
    const HMODULE hModule = LibraryModule();
    const HRSRC hResInfo =
        FindResourceExA(hModule, lpType, lpName, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (hResInfo == nullptr)
        return {nullptr, 0};
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hResInfo)));
    return {p, p != nullptr ? SizeofResource(hModule, hResInfo) : 0};
}
