// Global, local and heap memory: handles, lock counts, resizing and failing allocations.
#include "Headless.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool AllZero(const void* p, size_t cb) {
    const BYTE* pBytes = static_cast<const BYTE*>(p);
    for (size_t i = 0; i < cb; ++i) {
        if (pBytes[i] != 0)
            return false;
    }
    return true;
}

TEST(MemoryTest, MoveableBlockHasAHandleApartFromItsDataAndCountsLocks) {
    const HGLOBAL hMem = GlobalAlloc(GHND, 16);
    ASSERT_NE(nullptr, hMem);
    void* pData = GlobalLock(hMem);
    ASSERT_NE(nullptr, pData);
    EXPECT_NE(hMem, pData);
    EXPECT_TRUE(AllZero(pData, 16));
    EXPECT_EQ(16u, GlobalSize(hMem));
    EXPECT_EQ(hMem, GlobalHandle(pData));
    EXPECT_EQ(1u, GlobalFlags(hMem));
    EXPECT_EQ(pData, GlobalLock(hMem));
    EXPECT_EQ(2u, GlobalFlags(hMem));

    EXPECT_TRUE(GlobalUnlock(hMem));
    SetLastError(0xDEAD);
    EXPECT_FALSE(GlobalUnlock(hMem));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
    EXPECT_FALSE(GlobalUnlock(hMem));
    EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_LOCKED), GetLastError());
    EXPECT_EQ(0u, GlobalFlags(hMem));
    EXPECT_EQ(nullptr, GlobalFree(hMem));
}

TEST(MemoryTest, FixedBlockIsItsOwnAddressWithoutLockCount) {
    const HGLOBAL hMem = GlobalAlloc(GPTR, 8);
    ASSERT_NE(nullptr, hMem);
    EXPECT_EQ(hMem, GlobalLock(hMem));
    EXPECT_TRUE(AllZero(hMem, 8));
    EXPECT_EQ(0u, GlobalFlags(hMem));
    EXPECT_TRUE(GlobalUnlock(hMem));
    EXPECT_EQ(hMem, GlobalHandle(hMem));
    EXPECT_EQ(nullptr, GlobalFree(hMem));
    EXPECT_EQ(nullptr, GlobalFree(nullptr));
}

TEST(MemoryTest, ReAllocKeepsTheHandleAndContentOfAMoveableBlockAndZeroesTheGrowth) {
    const HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(hMem), "abc", 4);
    GlobalUnlock(hMem);
    ASSERT_EQ(hMem, GlobalReAlloc(hMem, 100, GMEM_ZEROINIT));
    EXPECT_EQ(100u, GlobalSize(hMem));
    const char* pData = static_cast<const char*>(GlobalLock(hMem));
    EXPECT_STREQ("abc", pData);
    EXPECT_TRUE(AllZero(pData + 4, 96));
    GlobalUnlock(hMem);
    GlobalFree(hMem);
}

// Without GMEM_MOVEABLE a fixed or locked block grows only where it stands: whether there is
// room there depends on the heap, so either it keeps its address or the call fails.
bool GrewInPlaceOrFailed(HGLOBAL hMem, HGLOBAL hResult) {
    if (hResult == nullptr)
        return GetLastError() == ERROR_NOT_ENOUGH_MEMORY;
    return hResult == hMem;
}

TEST(MemoryTest, FixedOrLockedBlockMovesOnlyWhenAllowed) {
    HGLOBAL hFixed = GlobalAlloc(GMEM_FIXED, 10);
    std::memcpy(hFixed, "fixed", 6);
    SetLastError(0);
    const HGLOBAL hInPlace = GlobalReAlloc(hFixed, 100000, 0);
    EXPECT_TRUE(GrewInPlaceOrFailed(hFixed, hInPlace));
    const HGLOBAL hMoved = GlobalReAlloc(hFixed, 100000, GMEM_MOVEABLE);
    ASSERT_NE(nullptr, hMoved);
    EXPECT_STREQ("fixed", static_cast<const char*>(hMoved));
    GlobalFree(hMoved);

    const HGLOBAL hLocked = GlobalAlloc(GMEM_MOVEABLE, 10);
    void* pLocked = GlobalLock(hLocked);
    SetLastError(0);
    const HGLOBAL hResult = GlobalReAlloc(hLocked, 100000, 0);
    EXPECT_TRUE(GrewInPlaceOrFailed(hLocked, hResult));
    EXPECT_EQ(pLocked, GlobalLock(hLocked));
    GlobalUnlock(hLocked);
    GlobalUnlock(hLocked);
    GlobalFree(hLocked);
}

TEST(MemoryTest, EmptyMoveableBlockIsDiscarded) {
    const HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(nullptr, hMem);
    EXPECT_EQ(nullptr, GlobalLock(hMem));
    EXPECT_EQ(static_cast<UINT>(GMEM_DISCARDED), GlobalFlags(hMem));
    EXPECT_EQ(0u, GlobalSize(hMem));
    GlobalFree(hMem);
}

TEST(MemoryTest, LocalAndHeapBlocksAreZeroedOnRequest) {
    const HLOCAL hLocal = LocalAlloc(LPTR, 12);
    ASSERT_NE(nullptr, hLocal);
    EXPECT_TRUE(AllZero(hLocal, 12));
    EXPECT_EQ(nullptr, LocalFree(hLocal));

    const HANDLE hHeap = GetProcessHeap();
    char* pHeap = static_cast<char*>(HeapAlloc(hHeap, HEAP_ZERO_MEMORY, 7));
    ASSERT_NE(nullptr, pHeap);
    EXPECT_TRUE(AllZero(pHeap, 7));
    EXPECT_EQ(7u, HeapSize(hHeap, 0, pHeap));
    std::memcpy(pHeap, "heap", 5);
    pHeap = static_cast<char*>(HeapReAlloc(hHeap, HEAP_ZERO_MEMORY, pHeap, 64));
    ASSERT_NE(nullptr, pHeap);
    EXPECT_STREQ("heap", pHeap);
    EXPECT_TRUE(AllZero(pHeap + 7, 57));
    EXPECT_EQ(64u, HeapSize(hHeap, 0, pHeap));
    EXPECT_TRUE(HeapFree(hHeap, 0, pHeap));
    EXPECT_TRUE(HeapFree(hHeap, 0, nullptr));
}

struct Allocation {
    const char* pszName;
    void* (*allocate)();
    void (*release)(void*);
};

const Allocation kAllocations[] = {
    {"GlobalAlloc", [] { return static_cast<void*>(GlobalAlloc(GHND, 8)); },
     [](void* p) { GlobalFree(p); }},
    {"LocalAlloc", [] { return static_cast<void*>(LocalAlloc(LPTR, 8)); },
     [](void* p) { LocalFree(p); }},
    {"HeapAlloc", [] { return HeapAlloc(GetProcessHeap(), 0, 8); },
     [](void* p) { HeapFree(GetProcessHeap(), 0, p); }},
};

TEST(MemoryFailureTest, EachFamilyFailsExactlyTheAllocationAfterTheAllowedOnes) {
    REQUIRE_HEADLESS();
    for (const Allocation& allocation : kAllocations) {
        SCOPED_TRACE(allocation.pszName);
        test::Headless()->FailAllocationAfter(0);
        SetLastError(0);
        EXPECT_EQ(nullptr, allocation.allocate());
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
        void* pNext = allocation.allocate();
        EXPECT_NE(nullptr, pNext);
        allocation.release(pNext);
    }
}

TEST(MemoryFailureTest, FailedReAllocationLeavesTheBlockAsItWas) {
    REQUIRE_HEADLESS();
    const HGLOBAL hGlobal = GlobalAlloc(GMEM_MOVEABLE, 8);
    void* pHeap = HeapAlloc(GetProcessHeap(), 0, 8);
    test::Headless()->FailAllocationAfter(0);
    EXPECT_EQ(nullptr, GlobalReAlloc(hGlobal, 16, 0));
    EXPECT_EQ(8u, GlobalSize(hGlobal));
    test::Headless()->FailAllocationAfter(0);
    EXPECT_EQ(nullptr, HeapReAlloc(GetProcessHeap(), 0, pHeap, 16));
    EXPECT_EQ(8u, HeapSize(GetProcessHeap(), 0, pHeap));
    GlobalFree(hGlobal);
    HeapFree(GetProcessHeap(), 0, pHeap);
}

TEST(MemoryFailureTest, CountsAllocationsAcrossFamiliesAndStopsWhenToldNegative) {
    REQUIRE_HEADLESS();
    test::Headless()->FailAllocationAfter(2);
    const HGLOBAL hGlobal = GlobalAlloc(GMEM_FIXED, 1);
    const HLOCAL hLocal = LocalAlloc(LMEM_MOVEABLE, 1);
    EXPECT_NE(nullptr, hGlobal);
    EXPECT_NE(nullptr, hLocal);
    EXPECT_EQ(nullptr, HeapAlloc(GetProcessHeap(), 0, 1));
    GlobalFree(hGlobal);
    LocalFree(hLocal);

    test::Headless()->FailAllocationAfter(0);
    test::Headless()->FailAllocationAfter(-1);
    const HGLOBAL hAfterStop = GlobalAlloc(GMEM_FIXED, 1);
    EXPECT_NE(nullptr, hAfterStop);
    GlobalFree(hAfterStop);
}

} // namespace
