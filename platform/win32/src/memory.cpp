// KERNEL32's memory: global blocks, fixed or movable with a lock count, and the process
// heap. Every block comes from malloc, so that the sanitizers watch it.
#include "memory.h"
#include "lifetime.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <new>

namespace headless {
namespace {

LONG g_nAllocationsBeforeFailure = -1;

// The table keeps addresses disguised: a plain copy would keep every block reachable, and
// LeakSanitizer would never report a block that the program forgot to free.
uintptr_t Disguise(const void* p) {
    return ~reinterpret_cast<uintptr_t>(p);
}

void* Reveal(uintptr_t disguised) {
    return reinterpret_cast<void*>(~disguised);
}

struct Block {
    uintptr_t data; // disguised; a movable block of 0 bytes has none (Win32 calls it discarded)
    SIZE_T cb;
    bool bMoveable;
    UINT nLocks;
};

// Every live block under its disguised handle. A fixed block's handle is its data address; a
// movable block's handle is the address of a one-byte cell of its own, so that it differs
// from every data address.
std::unordered_map<uintptr_t, Block>& Blocks() {
    return ProcessLifetime<std::unordered_map<uintptr_t, Block>>();
}

Block* FindBlock(const void* hMem) {
    const auto it = Blocks().find(Disguise(hMem));
    return it == Blocks().end() ? nullptr : &it->second;
}

void* Fail(DWORD dwError) {
    SetLastError(dwError);
    return nullptr;
}

// At least one byte, so that an empty fixed block still has an address of its own.
void* AllocateData(SIZE_T cb, bool bZero) {
    void* p =
        bZero ? std::calloc(std::max<SIZE_T>(cb, 1), 1) : std::malloc(std::max<SIZE_T>(cb, 1));
    return p != nullptr ? p : Fail(ERROR_NOT_ENOUGH_MEMORY);
}

bool AddBlock(const void* hMem, const Block& block) {
    return GrowStorage([&] { Blocks().emplace(Disguise(hMem), block); });
}

HGLOBAL NewFixedBlock(SIZE_T cb, bool bZero) {
    void* pData = AllocateData(cb, bZero);
    if (pData == nullptr)
        return nullptr;
    if (!AddBlock(pData, {Disguise(pData), cb, false, 0})) {
        std::free(pData);
        return nullptr;
    }
    return pData;
}

HGLOBAL NewMoveableBlock(SIZE_T cb, bool bZero) {
    // A zeroed cell: its byte is never read, and the compiler then need not wonder.
    void* hCell = std::calloc(1, 1);
    void* pData = cb == 0 ? nullptr : (bZero ? std::calloc(cb, 1) : std::malloc(cb));
    if (hCell == nullptr || (cb != 0 && pData == nullptr) ||
        !AddBlock(hCell, {pData ? Disguise(pData) : 0, cb, true, 0})) {
        std::free(hCell);
        std::free(pData);
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    }
    return hCell;
}

void* DataOf(const Block& block) {
    return block.data != 0 ? Reveal(block.data) : nullptr;
}

void FreeBlock(const void* hMem) {
    const auto it = Blocks().find(Disguise(hMem));
    std::free(DataOf(it->second));
    if (it->second.bMoveable)
        std::free(const_cast<void*>(hMem));
    Blocks().erase(it);
}

// The process heap has no state of its own; its handle only has to be recognisable.
int g_processHeap;

bool IsProcessHeap(HANDLE hHeap) {
    if (hHeap == &g_processHeap)
        return true;
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
}

// A heap block is a fixed block; anything else is not the heap's.
Block* FindHeapBlock(HANDLE hHeap, LPCVOID lpMem) {
    if (!IsProcessHeap(hHeap))
        return nullptr;
    Block* pBlock = FindBlock(lpMem);
    if (pBlock == nullptr || pBlock->bMoveable) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return pBlock;
}

} // namespace

LONG FailAllocationAfter(LONG nSucceed) {
    const LONG nLeft = g_nAllocationsBeforeFailure;
    g_nAllocationsBeforeFailure = nSucceed < 0 ? -1 : nSucceed;
    return nLeft;
}

bool AllocationMustFail() {
    if (g_nAllocationsBeforeFailure < 0)
        return false;
    return g_nAllocationsBeforeFailure-- == 0;
}

} // namespace headless

using headless::Block;
using headless::FindBlock;
using headless::FindHeapBlock;
using headless::IsProcessHeap;

HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
    const bool bZero = (uFlags & GMEM_ZEROINIT) != 0;
    return (uFlags & GMEM_MOVEABLE) ? headless::NewMoveableBlock(dwBytes, bZero)
                                    : headless::NewFixedBlock(dwBytes, bZero);
}

LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
    Block* pBlock = FindBlock(hMem);
    if (pBlock == nullptr)
        return headless::Fail(ERROR_INVALID_HANDLE);
    if (pBlock->bMoveable && pBlock->data != 0 && pBlock->nLocks < GMEM_LOCKCOUNT)
        ++pBlock->nLocks;
    return headless::DataOf(*pBlock);
}

BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
    Block* pBlock = FindBlock(hMem);
    if (pBlock == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!pBlock->bMoveable)
        return TRUE;
    if (pBlock->nLocks == 0) {
        SetLastError(ERROR_NOT_LOCKED);
        return FALSE;
    }
    // FALSE with no error tells the caller that the last lock is gone.
    if (--pBlock->nLocks == 0) {
        SetLastError(ERROR_SUCCESS);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
    if (hMem == nullptr)
        return nullptr;
    if (FindBlock(hMem) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return hMem;
    }
    headless::FreeBlock(hMem);
    return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
    const Block* pBlock = FindBlock(hMem);
    if (pBlock == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return pBlock->cb;
}

UINT WINAPI GlobalFlags(HGLOBAL hMem) {
    const Block* pBlock = FindBlock(hMem);
    if (pBlock == nullptr)
        return GMEM_INVALID_HANDLE;
    if (pBlock->bMoveable && pBlock->data == 0)
        return GMEM_DISCARDED;
    return pBlock->nLocks;
}

HGLOBAL WINAPI GlobalHandle(LPCVOID pMem) {
    if (pMem != nullptr) {
        for (const auto& [handle, block] : headless::Blocks()) {
            if (block.data == headless::Disguise(pMem))
                return headless::Reveal(handle);
        }
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

HANDLE WINAPI GetProcessHeap(void) {
    return &headless::g_processHeap;
}

LPVOID WINAPI HeapAlloc(HANDLE hHeap, DWORD dwFlags, SIZE_T dwBytes) {
    if (!IsProcessHeap(hHeap))
        return nullptr;
    return headless::NewFixedBlock(dwBytes, (dwFlags & HEAP_ZERO_MEMORY) != 0);
}

BOOL WINAPI HeapFree(HANDLE hHeap, DWORD dwFlags, LPVOID lpMem) {
    if (lpMem == nullptr)
        return IsProcessHeap(hHeap);
    if (FindHeapBlock(hHeap, lpMem) == nullptr)
        return FALSE;
    headless::FreeBlock(lpMem);
    return TRUE;
}
