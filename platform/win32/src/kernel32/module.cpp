// Module handles, file names and exported symbols of the modules loaded into the process.
#include "lifetime.h"
#include "memory.h"
#include "module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

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

// Compiled resource files loaded as data-file modules. A handle is the address of the file's
// bytes with the low bit set, as Windows marks a module loaded as a data file.
using DataFile = std::vector<BYTE>;

std::vector<std::unique_ptr<DataFile>>& DataFiles() {
    return ProcessLifetime<std::vector<std::unique_ptr<DataFile>>>();
}

HMODULE DataFileHandle(const DataFile& file) {
    return reinterpret_cast<HMODULE>(reinterpret_cast<ULONG_PTR>(file.data()) | 1);
}

// A .res file begins with an empty entry: no data, a 32-byte header, type 0 and name 0.
bool IsResourceFile(const DataFile& file) {
    static const BYTE kEmptyEntry[16] = {0,    0,    0, 0, 0x20, 0,    0, 0,
                                         0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0};
    return file.size() >= 32 && std::memcmp(file.data(), kEmptyEntry, sizeof(kEmptyEntry)) == 0;
}

// The whole file; false with the thread's last error set when it cannot be read.
bool ReadWholeFile(LPCSTR pszPath, DataFile* pFile) {
    std::FILE* pStream = std::fopen(pszPath, "rb");
    if (pStream == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return false;
    }
    bool bRead = true;
    BYTE buffer[4096];
    size_t cb;
    while (bRead && (cb = std::fread(buffer, 1, sizeof(buffer), pStream)) > 0)
        bRead = GrowStorage([&] { pFile->insert(pFile->end(), buffer, buffer + cb); });
    std::fclose(pStream);
    return bRead;
}

HMODULE ModuleFromAddress(const void* pAddress) {
    Dl_info info;
    if (dladdr(pAddress, &info) == 0)
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

} // namespace

bool FindDataFileModule(HMODULE hModule, const BYTE** ppBytes, size_t* pcb) {
    for (const std::unique_ptr<DataFile>& pFile : DataFiles()) {
        if (DataFileHandle(*pFile) == hModule) {
            *ppBytes = pFile->data();
            *pcb = pFile->size();
            return true;
        }
    }
    return false;
}

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

// Only data-file loads are offered, and what a data-file module is here follows the system's
// image format: a compiled resource file (.res), the form in which every module of the headless
// system carries its resources. Windows loads only PE images so (Wine fails a .res file with
// ERROR_BAD_EXE_FORMAT).
HMODULE WINAPI LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags) {
    if (lpLibFileName == nullptr || hFile != nullptr || dwFlags != LOAD_LIBRARY_AS_DATAFILE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::unique_ptr<headless::DataFile> pFile;
    if (!headless::GrowStorage([&] { pFile = std::make_unique<headless::DataFile>(); }) ||
        !headless::ReadWholeFile(lpLibFileName, pFile.get()))
        return nullptr;
    if (!headless::IsResourceFile(*pFile)) {
        SetLastError(ERROR_BAD_EXE_FORMAT);
        return nullptr;
    }
    const HMODULE hModule = headless::DataFileHandle(*pFile);
    auto& files = headless::DataFiles();
    if (!headless::GrowStorage([&] { files.push_back(std::move(pFile)); }))
        return nullptr;
    return hModule;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    auto& files = headless::DataFiles();
    const auto it = std::find_if(files.begin(), files.end(), [&](const auto& pFile) {
        return headless::DataFileHandle(*pFile) == hLibModule;
    });
    // No error, as Wine answers for a handle it does not know.
    if (it == files.end())
        return FALSE;
    files.erase(it);
    return TRUE;
}
