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

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A class of plain windows, whose creation allocates only what every window needs.
class AllocationFailureTest : public ::testing::Test {
protected:
    static constexpr char kClass[] = "AllocationFailureTest";

    void SetUp() override {
        REQUIRE_HEADLESS();
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = kClass;
        ASSERT_NE(0, RegisterClassA(&wc));
    }
    void TearDown() override { UnregisterClassA(kClass, nullptr); }

    static HWND CreatePlainWindow(const char* pszText) {
        return CreateWindowExA(0, kClass, pszText, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, nullptr, nullptr);
    }
};

// A window makes its entry, its place among its siblings and its text.
TEST_F(AllocationFailureTest, EveryFailedAllocationFailsWindowCreation) {
    EXPECT_EQ(3, FailedCreations([] { return CreatePlainWindow("window"); },
                                 [](HWND hwnd) { return GetWindowTextLengthA(hwnd) == 6; }));
}

// Template 101: a button, a static, an edit, a list box and a drop-down list combo box, whose
// list is a window of its own. Each of the seven windows makes at least its entry, its place
// among its siblings and its state.
TEST_F(AllocationFailureTest, EveryFailedAllocationButTheFontsFailsDialogCreation) {
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
TEST_F(AllocationFailureTest, StoringCallsFailAsWin32DoesAndChangeNothing) {
    const HWND hwnd = CreatePlainWindow("old");
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
             other.lpfnWndProc = DefWindowProcA;
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
}

} // namespace
