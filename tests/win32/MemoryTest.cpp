// Global and heap memory: handles, lock counts, resizing and failing allocations.
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

struct Allocation {
    const char* pszName;
    void* (*allocate)();
    void (*release)(void*);
};

const Allocation kAllocations[] = {
    {"GlobalAlloc", [] { return static_cast<void*>(GlobalAlloc(GHND, 8)); },
     [](void* p) { GlobalFree(p); }},
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

TEST(MemoryFailureTest, CountsAllocationsAcrossFamiliesAndStopsWhenToldNegative) {
    REQUIRE_HEADLESS();
    test::Headless()->FailAllocationAfter(2);
    const HGLOBAL hGlobal = GlobalAlloc(GMEM_FIXED, 1);
    void* pHeap = HeapAlloc(GetProcessHeap(), 0, 1);
    EXPECT_NE(nullptr, hGlobal);
    EXPECT_NE(nullptr, pHeap);
    EXPECT_EQ(nullptr, GlobalAlloc(GMEM_MOVEABLE, 1));
    GlobalFree(hGlobal);
    HeapFree(GetProcessHeap(), 0, pHeap);

    test::Headless()->FailAllocationAfter(0);
    test::Headless()->FailAllocationAfter(-1);
    const HGLOBAL hAfterStop = GlobalAlloc(GMEM_FIXED, 1);
    EXPECT_NE(nullptr, hAfterStop);
    GlobalFree(hAfterStop);
}

} // namespace
