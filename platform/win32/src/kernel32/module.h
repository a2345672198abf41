// Loaded modules as Win32 sees them: a module handle is the address at which the module's image
// (its ELF header) is mapped, as an HMODULE is the base address of a mapped PE image.
#pragma once

#include <windows.h>

#include <cstddef>

namespace headless {

struct ModuleImage {
    HMODULE hModule;
    const char* pszPath;         // empty for the main program; modules stay loaded
    const void* pProgramHeaders; // the ELF program headers, to find sections by segment
    unsigned nProgramHeaders;
    uintptr_t loadBias; // what the program headers' addresses are relative to
};

// The loaded module with that handle; false when no module is mapped there.
bool FindModuleImage(HMODULE hModule, ModuleImage* pImage);

// The compiled resource file (.res) that LoadLibraryExA loaded as the data-file module with that
// handle; false when there is none.
bool FindDataFileModule(HMODULE hModule, const BYTE** ppBytes, size_t* pcb);

// The test interface's resources made at run time (headless_test.h).
BOOL SetResource(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const void* pData, DWORD cbData);

} // namespace headless
