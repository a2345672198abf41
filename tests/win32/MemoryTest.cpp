// Global and heap memory, and allocations that fail: in the memory functions, in the creation of
// windows and dialogs, and in every call that stores something for its caller.
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

size_t TopLevelWindowCount() {
    size_t nCount = 0;
    for (HWND hwnd = GetWindow(GetDesktopWindow(), GW_CHILD); hwnd != nullptr;
         hwnd = GetWindow(hwnd, GW_HWNDNEXT))
        ++nCount;
    return nCount;
}

// Fails each of the first 100 allocations of create in turn. Each creation either fails, leaving
// no window behind, or makes the whole window (it may do without some allocations, as a dialog
// without its own font); returns how many failed. The sanitizer build sees that nothing leaks.
template <typename TCreate, typename TWhole>
int FailedCreations(TCreate create, TWhole isWhole) {
    int nFailed = 0;
    for (LONG nSucceed = 0; nSucceed < 100; ++nSucceed) {
        SCOPED_TRACE(::testing::Message() << "failing allocation " << nSucceed);
        const size_t nWindows = TopLevelWindowCount();
        test::Headless()->FailAllocationAfter(nSucceed);
        const HWND hwnd = create();
        test::Headless()->FailAllocationAfter(-1);
        if (hwnd == nullptr) {
            ++nFailed;
            EXPECT_EQ(nWindows, TopLevelWindowCount());
            continue;
        }
        EXPECT_TRUE(isWhole(hwnd));
        DestroyWindow(hwnd);
    }
    return nFailed;
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A window makes its entry, its place among its siblings and its text.
TEST(AllocationFailureTest, EveryFailedAllocationFailsWindowCreation) {
    REQUIRE_HEADLESS();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "AllocationFailureTest";
    ASSERT_NE(0, RegisterClassA(&wc));
    EXPECT_EQ(3, FailedCreations(
                     [] {
                         return CreateWindowExA(0, "AllocationFailureTest", "window",
                                                WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                                nullptr, nullptr, nullptr);
                     },
                     [](HWND hwnd) { return GetWindowTextLengthA(hwnd) == 6; }));
    UnregisterClassA("AllocationFailureTest", nullptr);
}

// Template 101: a button, a static, an edit, a list box and a drop-down list combo box, whose
// list is a window of its own. Each of the seven windows makes at least its entry, its place
// among its siblings and its state.
TEST(AllocationFailureTest, EveryFailedAllocationButTheFontsFailsDialogCreation) {
    REQUIRE_HEADLESS();
    const int nFailed = FailedCreations(
        [] {
            return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101), nullptr,
                                      PlainDialogProc, 0);
        },
        [](HWND hDlg) {
            for (int nID = 1; nID <= 5; ++nID) {
                if (GetDlgItem(hDlg, nID) == nullptr)
                    return false;
            }
            return true;
        });
    EXPECT_GE(nFailed, 3 * 7);
}

// Calls that store something for the caller fail with ERROR_NOT_ENOUGH_MEMORY and change
// nothing.
TEST(AllocationFailureTest, StoringCallsFailAsWin32DoesAndChangeNothing) {
    REQUIRE_HEADLESS();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "AllocationFailureTest";
    ASSERT_NE(0, RegisterClassA(&wc));
    const HWND hwnd = CreateWindowExA(0, "AllocationFailureTest", "old", WS_OVERLAPPEDWINDOW, 0, 0,
                                      100, 100, nullptr, nullptr, nullptr, nullptr);
    const struct {
        const char* pszCall;
        bool (*fails)(HWND hwnd);
        bool (*unchanged)(HWND hwnd);
    } kCalls[] = {
        {"SetWindowTextA", [](HWND h) { return !SetWindowTextA(h, "new"); },
         [](HWND h) {
             char szText[8] = {};
             return GetWindowTextA(h, szText, sizeof(szText)) == 3 &&
                    std::strcmp(szText, "old") == 0;
         }},
        {"SetPropA", [](HWND h) { return !SetPropA(h, "key", h); },
         [](HWND h) { return GetPropA(h, "key") == nullptr; }},
        {"PostMessageA", [](HWND h) { return !PostMessageA(h, WM_USER, 0, 0); },
         [](HWND h) {
             MSG msg;
             return !PeekMessageA(&msg, h, 0, 0, PM_REMOVE);
         }},
        {"RegisterClassA",
         [](HWND) {
             WNDCLASSA other = {};
             other.lpfnWndProc = PlainProc;
             other.lpszClassName = "AllocationFailureTestOther";
             return RegisterClassA(&other) == 0;
         },
         [](HWND) { return !UnregisterClassA("AllocationFailureTestOther", nullptr); }},
    };
    for (const auto& call : kCalls) {
        SCOPED_TRACE(call.pszCall);
        SetLastError(0);
        test::Headless()->FailAllocationAfter(0);
        EXPECT_TRUE(call.fails(hwnd));
        test::Headless()->FailAllocationAfter(-1);
        EXPECT_EQ(static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
        EXPECT_TRUE(call.unchanged(hwnd));
    }
    DestroyWindow(hwnd);
    UnregisterClassA("AllocationFailureTest", nullptr);
}

} // namespace
