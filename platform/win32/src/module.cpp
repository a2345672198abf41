// Module handles, file names and exported symbols of the modules loaded into the process.
#include "module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

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
template <typename TVisit>
bool ForEachModule(TVisit visit) {
    struct Walk {
        TVisit* pVisit;
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

using ModuleStem = char[64];

// "user32.dll", "USER32" and "libuser32.so.1" all name the module "user32". A longer name is cut
// to the stem's size.
const char* StemOf(std::string_view path, ModuleStem& szStem) {
    const std::string_view name = path.substr(path.find_last_of("/\\") + 1);
    const size_t cb = std::min(name.size(), sizeof(ModuleStem) - 1);
    std::transform(name.begin(), name.begin() + cb, szStem,
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    std::string_view stem(szStem, cb);
    if (stem.size() > 4 && stem.substr(stem.size() - 4) == ".dll")
        stem.remove_suffix(4);
    stem = stem.substr(0, stem.find(".so"));
    if (stem.substr(0, 3) == "lib")
        stem.remove_prefix(3);
    std::memmove(szStem, stem.data(), stem.size());
    szStem[stem.size()] = '\0';
    return szStem;
}

bool IsSystemModuleStem(std::string_view stem) {
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
    headless::ModuleStem szStem;
    const std::string_view stem = headless::StemOf(lpModuleName, szStem);
    if (headless::IsSystemModuleStem(stem))
        return headless::ModuleFromAddress(reinterpret_cast<const void*>(&GetModuleHandleA));
    headless::ForEachModule([&](const ModuleImage& image) {
        headless::ModuleStem szImageStem;
        if (*image.pszPath == '\0' || headless::StemOf(image.pszPath, szImageStem) != stem)
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
    std::string_view path = image.pszPath;
    char szExe[4096];
    if (path.empty()) {
        const ssize_t n = readlink("/proc/self/exe", szExe, sizeof(szExe));
        path = std::string_view(szExe, n > 0 ? static_cast<size_t>(n) : 0);
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
    std::memcpy(lpFilename, path.data(), path.size());
    lpFilename[path.size()] = '\0';
    return static_cast<DWORD>(path.size());
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    ModuleImage image;
    if (IS_INTRESOURCE(lpProcName) || !headless::FindModuleImage(hModule, &image)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* pHandle =
        dlopen(*image.pszPath == '\0' ? nullptr : image.pszPath, RTLD_LAZY | RTLD_NOLOAD);
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
