// Window hooks: WH_CBT only, and of its events only the creation of a window (HCBT_CREATEWND),
// which is what the class framework needs to attach its objects to the windows it creates.
// Hook records come from the process heap, so a test can make installing one fail.
#include "window.h"
#include "lifetime.h"

#include <algorithm>
#include <vector>

namespace headless {
namespace {

struct Hook {
    HOOKPROC proc;
};

constexpr size_t kNotCalling = static_cast<size_t>(-1);

struct HookChain {
    std::vector<Hook*> hooks; // the newest first, as they are called
    // Where CallNextHookEx goes on while a hook is called: the position after it.
    size_t nNext = kNotCalling;
};

HookChain& Chain() {
    return ProcessLifetime<HookChain>();
}

// The chain is followed by position, so a hook that goes away while it is called leaves
// nothing behind that CallNextHookEx could still use.
LRESULT CallHookAt(size_t nAt, int nCode, WPARAM wParam, LPARAM lParam) {
    HookChain& chain = Chain();
    if (nAt >= chain.hooks.size())
        return 0;
    const HOOKPROC proc = chain.hooks[nAt]->proc;
    const size_t nOuterNext = chain.nNext;
    chain.nNext = nAt + 1;
    const LRESULT lResult = proc(nCode, wParam, lParam);
    chain.nNext = nOuterNext;
    return lResult;
}

} // namespace

bool CreationHookRefuses(HWND hwnd, CREATESTRUCTA* pcs) {
    CBT_CREATEWNDA cbt = {pcs, HWND_TOP};
    return CallHookAt(0, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                      reinterpret_cast<LPARAM>(&cbt)) != 0;
}

} // namespace headless

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId) {
    if (idHook != WH_CBT || lpfn == nullptr) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    auto* pHook =
        static_cast<headless::Hook*>(HeapAlloc(GetProcessHeap(), 0, sizeof(headless::Hook)));
    if (pHook == nullptr)
        return nullptr;
    pHook->proc = lpfn;
    headless::HookChain& chain = headless::Chain();
    if (!headless::GrowStorage([&] { chain.hooks.insert(chain.hooks.begin(), pHook); })) {
        HeapFree(GetProcessHeap(), 0, pHook);
        return nullptr;
    }
    if (chain.nNext != headless::kNotCalling)
        ++chain.nNext;
    return reinterpret_cast<HHOOK>(pHook);
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk) {
    headless::HookChain& chain = headless::Chain();
    const auto it =
        std::find(chain.hooks.begin(), chain.hooks.end(), reinterpret_cast<headless::Hook*>(hhk));
    if (it == chain.hooks.end()) {
        SetLastError(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    const size_t nAt = static_cast<size_t>(it - chain.hooks.begin());
    chain.hooks.erase(it);
    if (chain.nNext != headless::kNotCalling && nAt < chain.nNext)
        --chain.nNext;
    HeapFree(GetProcessHeap(), 0, hhk);
    return TRUE;
}

// The hook handle is not needed: the next hook is the one after the hook being called.
LRESULT WINAPI CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
    const size_t nNext = headless::Chain().nNext;
    if (nNext == headless::kNotCalling)
        return 0;
    return headless::CallHookAt(nNext, nCode, wParam, lParam);
}
