// The library's module and its Japanese resources, found through the Win32 API alone.
#pragma once

#include <windows.h>

struct ResourceBytes {
    const BYTE* p;
    DWORD cb;
};

HMODULE LibraryModule();

// The locked data of the library's resource of that type and name in language 1041
// (LANG_JAPANESE, SUBLANG_DEFAULT); {nullptr, 0} if the library has no such resource.
ResourceBytes LoadJapaneseResource(LPCSTR lpType, LPCSTR lpName);
