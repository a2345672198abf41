// Module handles, file names and exported symbols of the modules loaded into the process.
#include "module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

namespace headless {
namespace {

HMODULE ImageBase(const dl_phdr_info* pInfo) {
    for (int i = 0; i < pInfo->dlpi_phnum; ++i) {
        if (pInfo->dlpi_phdr[i].p_type == PT_LOAD)
            return reinterpret_cast<HMODULE>(pInfo->dlpi_addr + pInfo->dlpi_phdr[i].p_vaddr -
                                             pInfo->dlpi_phdr[i].p_offset);
    }
    return nullptr;
}

// Calls visit for each loaded module, the main program first, until it returns true.
bool ForEachModule(const std::function<bool(const ModuleImage&)>& visit) {
    struct Walk {
        const std::function<bool(const ModuleImage&)>* pVisit;
        bool bFound;
    } walk{&visit, false};
    dl_iterate_phdr(
        [](dl_phdr_info* pInfo, size_t, void* pData) -> int {
            Walk* pWalk = static_cast<Walk*>(pData);
            const ModuleImage image{ImageBase(pInfo), pInfo->dlpi_name ? pInfo->dlpi_name : "",
                                    pInfo->dlpi_phdr, pInfo->dlpi_phnum,
                                    static_cast<uintptr_t>(pInfo->dlpi_addr)};
            if (image.hModule == nullptr || !(*pWalk->pVisit)(image))
                return 0;
            pWalk->bFound = true;
            return 1;
        },
        &walk);
    return walk.bFound;
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// "user32.dll", "USER32" and "libuser32.so.1" all name the module "user32".
std::string ModuleStem(const std::string& path) {
    std::string stem = LowerCase(path.substr(path.find_last_of("/\\") + 1));
    if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".dll") == 0)
        stem.resize(stem.size() - 4);
    const size_t nSo = stem.find(".so");
    if (nSo != std::string::npos)
        stem.resize(nSo);
    if (stem.compare(0, 3, "lib") == 0)
        stem.erase(0, 3);
    return stem;
}

bool IsSystemModuleStem(const std::string& stem) {
    return stem == "user32" || stem == "kernel32" || stem == "gdi32" || stem == "imm32";
}

HMODULE ModuleFromAddress(const void* pAddress) {
    Dl_info info;
    if (dladdr(pAddress, &info) == 0)
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

} // namespace

bool FindModuleImage(HMODULE hModule, ModuleImage* pImage) {
    return ForEachModule([&](const ModuleImage& image) {
        if (image.hModule != hModule)
            return false;
        *pImage = image;
        return true;
    });
}

} // namespace headless

using headless::ModuleImage;

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    HMODULE hFound = nullptr;
    if (lpModuleName == nullptr) {
        headless::ForEachModule([&](const ModuleImage& image) {
            hFound = image.hModule;
            return true;
        });
        return hFound;
    }
    // This one library stands for all four system DLLs.
    const std::string stem = headless::ModuleStem(lpModuleName);
    if (headless::IsSystemModuleStem(stem))
        return headless::ModuleFromAddress(reinterpret_cast<const void*>(&GetModuleHandleA));
    headless::ForEachModule([&](const ModuleImage& image) {
        if (image.path.empty() || headless::ModuleStem(image.path) != stem)
            return false;
        hFound = image.hModule;
        return true;
    });
    if (hFound == nullptr)
        SetLastError(ERROR_MOD_NOT_FOUND);
    return hFound;
}

BOOL WINAPI GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule) {
    if (phModule == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Modules are never unloaded here, so reference counts and pinning change nothing.
    *phModule = (dwFlags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)
                    ? headless::ModuleFromAddress(lpModuleName)
                    : GetModuleHandleA(lpModuleName);
    if (*phModule == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
    ModuleImage image;
    if (!headless::FindModuleImage(hModule ? hModule : GetModuleHandleA(nullptr), &image)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    std::string path = image.path;
    if (path.empty()) {
        char szExe[4096];
        const ssize_t n = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
        path.assign(szExe, n > 0 ? static_cast<size_t>(n) : 0);
    }
    if (nSize == 0 || lpFilename == nullptr) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    // As on Windows: a path that does not fit is cut to nSize - 1 bytes, terminated, and the
    // result is nSize.
    if (path.size() >= nSize) {
        std::memcpy(lpFilename, path.data(), nSize - 1);
        lpFilename[nSize - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return nSize;
    }
    std::memcpy(lpFilename, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    ModuleImage image;
    if (IS_INTRESOURCE(lpProcName) || !headless::FindModuleImage(hModule, &image)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* pHandle =
        dlopen(image.path.empty() ? nullptr : image.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    void* pSymbol = pHandle != nullptr ? dlsym(pHandle, lpProcName) : nullptr;
    if (pHandle != nullptr)
        dlclose(pHandle);
    // dlsym also searches the module's dependencies; an export is the module's own symbol.
    if (pSymbol == nullptr || headless::ModuleFromAddress(pSymbol) != hModule) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(pSymbol);
}
