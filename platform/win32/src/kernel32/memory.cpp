// KERNEL32's memory: global blocks, fixed or movable with a lock count, and the process
// heap. Every block comes from malloc, so that the sanitizers watch it.
#include "memory.h"
#include "handleset.h"
#include "lifetime.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace headless {
namespace {

LONG g_nAllocationsBeforeFailure = -1;

// A movable block's header keeps its data address disguised: a plain copy would keep the data
// reachable, and LeakSanitizer would never report a block that the program forgot to free.
uintptr_t Disguise(const void* p) {
    return ~reinterpret_cast<uintptr_t>(p);
}

void* Reveal(uintptr_t disguised) {
    return reinterpret_cast<void*>(~disguised);
}

// What a block's handle knows of it, kept just before the handle, in the same allocation. A
// fixed block's handle is its data address; a movable block's handle is a cell of its own, so
// that it differs from every data address.
struct Block {
    SIZE_T cb;
    uintptr_t data; // a movable block's, disguised; none for 0 bytes (Win32 calls it discarded)
    UINT nLocks;
    bool bMoveable;
};

// The header keeps the data after it as aligned as malloc's own.
constexpr size_t kHeaderSize = (sizeof(Block) + alignof(std::max_align_t) - 1) /
                               alignof(std::max_align_t) * alignof(std::max_align_t);

HandleSet& Handles() {
    return ProcessLifetime<HandleSet>();
}

void* Fail(DWORD dwError) {
    SetLastError(dwError);
    return nullptr;
}

Block* HeaderOf(const void* hMem) {
    return reinterpret_cast<Block*>(static_cast<char*>(const_cast<void*>(hMem)) - kHeaderSize);
}

Block* FindBlock(const void* hMem) {
    return hMem != nullptr && Handles().Contains(hMem) ? HeaderOf(hMem) : nullptr;
}

// A header and cbAfter bytes, at least one, so that an empty fixed block still has an address of
// its own; the handle that follows the header is in the set. Null without memory.
void* NewHandle(SIZE_T cbAfter, bool bZero, const Block& block) {
    if (cbAfter > static_cast<SIZE_T>(-1) - kHeaderSize)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    const size_t cb = kHeaderSize + std::max<SIZE_T>(cbAfter, 1);
    char* pRaw = static_cast<char*>(bZero ? std::calloc(cb, 1) : std::malloc(cb));
    if (pRaw == nullptr)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    void* hMem = pRaw + kHeaderSize;
    if (!GrowStorage([&] { Handles().Add(hMem); })) {
        std::free(pRaw);
        return nullptr;
    }
    *HeaderOf(hMem) = block;
    return hMem;
}

HGLOBAL NewFixedBlock(SIZE_T cb, bool bZero) {
    return NewHandle(cb, bZero, {cb, 0, 0, false});
}

HGLOBAL NewMoveableBlock(SIZE_T cb, bool bZero) {
    void* pData = cb == 0 ? nullptr : (bZero ? std::calloc(cb, 1) : std::malloc(cb));
    if (cb != 0 && pData == nullptr)
        return Fail(ERROR_NOT_ENOUGH_MEMORY);
    // A zeroed cell: its byte is never read, and the compiler then need not wonder.
    const HGLOBAL hMem = NewHandle(0, true, {cb, pData ? Disguise(pData) : 0, 0, true});
    if (hMem == nullptr)
        std::free(pData);
    return hMem;
}

void* DataOf(const void* hMem, const Block& block) {
    if (!block.bMoveable)
        return const_cast<void*>(hMem);
    return block.data != 0 ? Reveal(block.data) : nullptr;
}

void FreeBlock(const void* hMem) {
    const Block* pBlock = HeaderOf(hMem);
    if (pBlock->bMoveable)
        std::free(DataOf(hMem, *pBlock));
    Handles().Remove(hMem);
    std::free(const_cast<Block*>(pBlock));
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
    return headless::DataOf(hMem, *pBlock);
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
