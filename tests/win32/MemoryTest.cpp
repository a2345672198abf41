// Global and heap blocks as the library keeps its lists and entry buffers in them: every live
// block is found by its handle however many come and go around it.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Thousands of blocks side by side, so that each handle has many live neighbours; freeing every
// third, then the rest, leaves gaps between blocks that must still be found.
TEST(MemoryTest, LiveBlocksKeepTheirSizesWhileOthersAreFreed) {
    const SIZE_T kBlocks = 3000;
    std::vector<HGLOBAL> globals;
    std::vector<LPVOID> heap;
    for (SIZE_T i = 0; i < kBlocks; ++i) {
        globals.push_back(GlobalAlloc(i % 2 ? GHND : GPTR, i % 97 + 1));
        heap.push_back(HeapAlloc(GetProcessHeap(), 0, i % 61 + 1));
        ASSERT_NE(nullptr, globals.back());
        ASSERT_NE(nullptr, heap.back());
    }
    for (SIZE_T i = 0; i < kBlocks; i += 3) {
        EXPECT_EQ(nullptr, GlobalFree(globals[i])) << i;
        EXPECT_TRUE(HeapFree(GetProcessHeap(), 0, heap[i])) << i;
    }
    for (SIZE_T i = 0; i < kBlocks; ++i) {
        if (i % 3 == 0)
            continue;
        EXPECT_EQ(i % 97 + 1, GlobalSize(globals[i])) << i;
        EXPECT_EQ(nullptr, GlobalFree(globals[i])) << i;
        EXPECT_TRUE(HeapFree(GetProcessHeap(), 0, heap[i])) << i;
    }
}

} // namespace
