// Resources of a module, found by type and name in the compiled resource file (.res) that the
// build carries inside the module as an ELF note, or that was loaded as a data-file module, or
// among those a test added at run time.
#include "dbcs.h"
#include "lifetime.h"
#include "memory.h"
#include "module.h"

#include <elf.h>
#include <link.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace headless {
namespace {

constexpr char kNoteName[] = "Win32Res";
constexpr uint32_t kNoteType = 0x53455257;

struct Bytes {
    const BYTE* p;
    size_t cb;
};

uint32_t ReadDword(const BYTE* p) {
    uint32_t value;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

uint16_t ReadWord(const BYTE* p) {
    uint16_t value;
    std::memcpy(&value, p, sizeof(value));
    return value;
}

size_t Align4(size_t n) {
    return (n + 3) & ~static_cast<size_t>(3);
}

// The .res file carried by the module, or {nullptr, 0}.
Bytes FindResourceFile(HMODULE hModule) {
    Bytes dataFile;
    if (FindDataFileModule(hModule, &dataFile.p, &dataFile.cb))
        return dataFile;
    ModuleImage image;
    if (!FindModuleImage(hModule, &image))
        return {nullptr, 0};
    const ElfW(Phdr)* pHeaders = static_cast<const ElfW(Phdr)*>(image.pProgramHeaders);
    for (unsigned i = 0; i < image.nProgramHeaders; ++i) {
        if (pHeaders[i].p_type != PT_NOTE)
            continue;
        const BYTE* p = reinterpret_cast<const BYTE*>(image.loadBias + pHeaders[i].p_vaddr);
        const BYTE* pEnd = p + pHeaders[i].p_memsz;
        while (pEnd - p >= 12) {
            const uint32_t cbName = ReadDword(p);
            const uint32_t cbDesc = ReadDword(p + 4);
            const uint32_t nType = ReadDword(p + 8);
            const BYTE* pName = p + 12;
            const BYTE* pDesc = pName + Align4(cbName);
            if (pDesc > pEnd || static_cast<size_t>(pEnd - pDesc) < cbDesc)
                break;
            if (nType == kNoteType && cbName == sizeof(kNoteName) &&
                std::memcmp(pName, kNoteName, cbName) == 0)
                return {pDesc, cbDesc};
            p = pDesc + Align4(cbDesc);
        }
    }
    return {nullptr, 0};
}

// A type or name field of a .res entry header: 0xFFFF and an ordinal, or a UTF-16 string.
struct ResourceId {
    const BYTE* p;
    size_t cb;
};

bool ReadId(const BYTE* p, const BYTE* pEnd, ResourceId* pId) {
    if (pEnd - p < 2)
        return false;
    if (ReadWord(p) == 0xFFFF) {
        if (pEnd - p < 4)
            return false;
        *pId = {p, 4};
        return true;
    }
    for (const BYTE* q = p; pEnd - q >= 2; q += 2) {
        if (ReadWord(q) == 0) {
            *pId = {p, static_cast<size_t>(q + 2 - p)};
            return true;
        }
    }
    return false;
}

// Resource names compare as Win32 compares them: an integer name with the ordinal, "#nnn" with
// ordinal nnn, any other string case-insensitively with the (upper-case) compiled name.
bool IdMatches(const ResourceId& id, LPCSTR lpName) {
    const bool bOrdinal = ReadWord(id.p) == 0xFFFF;
    if (IS_INTRESOURCE(lpName))
        return bOrdinal &&
               ReadWord(id.p + 2) == static_cast<WORD>(reinterpret_cast<ULONG_PTR>(lpName));
    if (lpName[0] == '#') {
        char* pEndNumber = nullptr;
        const unsigned long nOrdinal = std::strtoul(lpName + 1, &pEndNumber, 10);
        return bOrdinal && *pEndNumber == '\0' && nOrdinal <= 0xFFFF &&
               ReadWord(id.p + 2) == nOrdinal;
    }
    if (bOrdinal)
        return false;
    size_t i = 0;
    for (;; ++i) {
        const WORD wch = ReadWord(id.p + 2 * i);
        const unsigned char ch = static_cast<unsigned char>(lpName[i]);
        if (wch == 0 || ch == 0)
            return wch == 0 && ch == 0;
        if (wch > 0x7F || std::toupper(ch) != std::toupper(wch))
            return false;
    }
}

// One entry of a .res file: its header at p, its data after the header.
struct ResourceEntry {
    const BYTE* pHeader;
    ResourceId type;
    ResourceId name;
    WORD wLanguage;
    Bytes data;
};

bool ReadEntry(const BYTE* p, const BYTE* pEnd, ResourceEntry* pEntry) {
    if (pEnd - p < 8)
        return false;
    const uint32_t cbData = ReadDword(p);
    const uint32_t cbHeader = ReadDword(p + 4);
    if (cbHeader < 8 || static_cast<size_t>(pEnd - p) < cbHeader ||
        static_cast<size_t>(pEnd - p) - cbHeader < cbData)
        return false;
    const BYTE* pHeaderEnd = p + cbHeader;
    if (!ReadId(p + 8, pHeaderEnd, &pEntry->type) ||
        !ReadId(pEntry->type.p + pEntry->type.cb, pHeaderEnd, &pEntry->name))
        return false;
    const size_t nFixed = Align4(static_cast<size_t>(pEntry->name.p + pEntry->name.cb - p));
    if (nFixed + 16 > cbHeader)
        return false;
    pEntry->pHeader = p;
    pEntry->wLanguage = ReadWord(p + nFixed + 6);
    pEntry->data = {p + cbHeader, cbData};
    return true;
}

// Walks the entries of the module's resources until visit returns true; returns that entry.
template <typename Visit>
bool FindEntry(HMODULE hModule, Visit visit, ResourceEntry* pFound) {
    const Bytes file = FindResourceFile(hModule ? hModule : GetModuleHandleA(nullptr));
    const BYTE* p = file.p;
    const BYTE* pEnd = file.p + file.cb;
    ResourceEntry entry;
    while (p != nullptr && ReadEntry(p, pEnd, &entry)) {
        // The file begins with an empty entry of type 0, which stands for no resource.
        const bool bNullEntry = ReadWord(entry.type.p) == 0xFFFF && ReadWord(entry.type.p + 2) == 0;
        if (!bNullEntry && visit(entry)) {
            *pFound = entry;
            return true;
        }
        const size_t nNext = Align4(static_cast<size_t>(entry.data.p + entry.data.cb - p));
        if (nNext >= static_cast<size_t>(pEnd - p))
            break;
        p += nNext;
    }
    return false;
}

// A resource a test added: one block of a .res entry's header (its data size and header size;
// the rest is not read) and the data, which ends where the block ends, so that the sanitizers see
// a read past it.
constexpr DWORD kAddedHeader = 32;
struct AddedResource {
    HMODULE hModule;
    WORD wType;
    WORD wName;
    std::unique_ptr<BYTE[]> pBlock;
};

std::vector<AddedResource>& AddedResources() {
    return ProcessLifetime<std::vector<AddedResource>>();
}

HMODULE ModuleOrProgram(HMODULE hModule) {
    return hModule != nullptr ? hModule : GetModuleHandleA(nullptr);
}

std::vector<AddedResource>::iterator FindAdded(HMODULE hModule, LPCSTR lpType, LPCSTR lpName) {
    std::vector<AddedResource>& added = AddedResources();
    if (!IS_INTRESOURCE(lpType) || !IS_INTRESOURCE(lpName))
        return added.end();
    const WORD wType = LOWORD(reinterpret_cast<ULONG_PTR>(lpType));
    const WORD wName = LOWORD(reinterpret_cast<ULONG_PTR>(lpName));
    for (auto it = added.begin(); it != added.end(); ++it) {
        if (it->hModule == ModuleOrProgram(hModule) && it->wType == wType && it->wName == wName)
            return it;
    }
    return added.end();
}

HRSRC Find(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage, bool bAnyLanguage) {
    if (lpType == nullptr || lpName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto itAdded = FindAdded(hModule, lpType, lpName);
    if (itAdded != AddedResources().end())
        return reinterpret_cast<HRSRC>(itAdded->pBlock.get());
    ResourceEntry entry;
    const bool bFound = FindEntry(
        hModule,
        [&](const ResourceEntry& e) {
            return IdMatches(e.type, lpType) && IdMatches(e.name, lpName) &&
                   (bAnyLanguage || e.wLanguage == wLanguage);
        },
        &entry);
    if (!bFound) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<BYTE*>(entry.pHeader));
}

// An HRSRC is the address of its entry's header inside the module's mapped resources, which
// stay mapped as long as the module does.
Bytes EntryData(HRSRC hResInfo) {
    const BYTE* pHeader = reinterpret_cast<const BYTE*>(hResInfo);
    return {pHeader + ReadDword(pHeader + 4), ReadDword(pHeader)};
}

// The names of a type's resources as a module's resource directory orders them: strings first,
// by their upper-case text, then ordinals upwards; each once, whatever its languages.
struct ResourceNames {
    std::vector<std::string> strings;
    std::vector<WORD> ordinals;
};

void AddName(const ResourceId& name, ResourceNames* pNames) {
    if (ReadWord(name.p) == 0xFFFF) {
        pNames->ordinals.push_back(ReadWord(name.p + 2));
        return;
    }
    std::u16string text(name.cb / 2 - 1, u'\0');
    std::memcpy(&text[0], name.p, text.size() * 2);
    pNames->strings.push_back(AnsiFromUtf16(text.data(), text.size()));
}

template <typename T>
void SortUnique(std::vector<T>* pValues) {
    std::sort(pValues->begin(), pValues->end());
    pValues->erase(std::unique(pValues->begin(), pValues->end()), pValues->end());
}

// Throws std::bad_alloc without memory, for a caller inside GrowStorage.
ResourceNames NamesOfType(HMODULE hModule, LPCSTR lpType) {
    ResourceNames names;
    ResourceEntry unused;
    FindEntry(
        hModule,
        [&](const ResourceEntry& e) {
            if (IdMatches(e.type, lpType))
                AddName(e.name, &names);
            return false;
        },
        &unused);
    for (const AddedResource& added : AddedResources()) {
        if (added.hModule == ModuleOrProgram(hModule) && IS_INTRESOURCE(lpType) &&
            added.wType == LOWORD(reinterpret_cast<ULONG_PTR>(lpType)))
            names.ordinals.push_back(added.wName);
    }
    SortUnique(&names.strings);
    SortUnique(&names.ordinals);
    return names;
}

} // namespace

BOOL SetResource(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const void* pData, DWORD cbData) {
    if (!IS_INTRESOURCE(lpType) || !IS_INTRESOURCE(lpName) || (pData == nullptr && cbData != 0))
        return FALSE;
    std::vector<AddedResource>& added = AddedResources();
    const auto itOld = FindAdded(hModule, lpType, lpName);
    if (itOld != added.end())
        added.erase(itOld);
    if (pData == nullptr)
        return TRUE;
    return GrowStorage([&] {
        std::unique_ptr<BYTE[]> pBlock(new BYTE[kAddedHeader + cbData]());
        const DWORD sizes[2] = {cbData, kAddedHeader};
        std::memcpy(pBlock.get(), sizes, sizeof(sizes));
        std::memcpy(pBlock.get() + kAddedHeader, pData, cbData);
        added.push_back(
            AddedResource{ModuleOrProgram(hModule), LOWORD(reinterpret_cast<ULONG_PTR>(lpType)),
                          LOWORD(reinterpret_cast<ULONG_PTR>(lpName)), std::move(pBlock)});
    });
}

} // namespace headless

HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return headless::Find(hModule, lpType, lpName, 0, true);
}

HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    if (wLanguage == MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL))
        return headless::Find(hModule, lpType, lpName, 0, true);
    return headless::Find(hModule, lpType, lpName, wLanguage, false);
}

HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    if (hResInfo == nullptr)
        return nullptr;
    return const_cast<BYTE*>(headless::EntryData(hResInfo).p);
}

LPVOID WINAPI LockResource(HGLOBAL hResData) {
    return hResData;
}

DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    if (hResInfo == nullptr)
        return 0;
    return static_cast<DWORD>(headless::EntryData(hResInfo).cb);
}

// Names are given to the callback in the directory's order; one that answers FALSE ends the
// enumeration, which then answers FALSE too.
BOOL WINAPI EnumResourceNamesA(HMODULE hModule, LPCSTR lpType, ENUMRESNAMEPROCA lpEnumFunc,
                               LONG_PTR lParam) {
    if (lpType == nullptr || lpEnumFunc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    headless::ResourceNames names;
    if (!headless::GrowStorage([&] { names = headless::NamesOfType(hModule, lpType); }))
        return FALSE;
    if (names.strings.empty() && names.ordinals.empty()) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return FALSE;
    }
    const HMODULE hCalled = headless::ModuleOrProgram(hModule);
    for (std::string& name : names.strings) {
        if (!lpEnumFunc(hCalled, lpType, &name[0], lParam))
            return FALSE;
    }
    for (WORD wOrdinal : names.ordinals) {
        if (!lpEnumFunc(hCalled, lpType, MAKEINTRESOURCEA(wOrdinal), lParam))
            return FALSE;
    }
    return TRUE;
}
