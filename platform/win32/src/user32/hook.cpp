// Window hooks: WH_CBT, of whose events only the creation of a window (HCBT_CREATEWND) is called,
// which is what the class framework needs to attach its objects to the windows it creates; and
// WH_MSGFILTER, which the dialog manager calls with each message it is given (CallMsgFilter).
// Hook records come from the process heap, so a test can make installing one fail.
#include "window.h"
#include "lifetime.h"

#include <algorithm>
#include <vector>

namespace headless {
namespace {

struct Hook {
    int idHook;
    HOOKPROC proc;
};

constexpr size_t kNotCalling = static_cast<size_t>(-1);

struct HookChain {
    std::vector<Hook*> hooks; // the newest first, as they are called
    // Where CallNextHookEx goes on while a hook is called: the position after it, and its type.
    size_t nNext = kNotCalling;
    int idCalling = 0;
};

HookChain& Chain() {
    return ProcessLifetime<HookChain>();
}

// The chain is followed by position, so a hook that goes away while it is called leaves
// nothing behind that CallNextHookEx could still use. The first hook of the type at or after
// nFrom is called.
LRESULT CallHookFrom(int idHook, size_t nFrom, int nCode, WPARAM wParam, LPARAM lParam) {
    HookChain& chain = Chain();
    size_t nAt = nFrom;
    while (nAt < chain.hooks.size() && chain.hooks[nAt]->idHook != idHook)
        ++nAt;
    if (nAt >= chain.hooks.size())
        return 0;
    const HOOKPROC proc = chain.hooks[nAt]->proc;
    const size_t nOuterNext = chain.nNext;
    const int idOuter = chain.idCalling;
    chain.nNext = nAt + 1;
    chain.idCalling = idHook;
    const LRESULT lResult = proc(nCode, wParam, lParam);
    chain.nNext = nOuterNext;
    chain.idCalling = idOuter;
    return lResult;
}

} // namespace

bool CreationHookRefuses(HWND hwnd, CREATESTRUCTA* pcs) {
    CBT_CREATEWNDA cbt = {pcs, HWND_TOP};
    return CallHookFrom(WH_CBT, 0, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                        reinterpret_cast<LPARAM>(&cbt)) != 0;
}

} // namespace headless

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId) {
    if ((idHook != WH_CBT && idHook != WH_MSGFILTER) || lpfn == nullptr) {
        SetLastError(ERROR_INVALID_HOOK_FILTER);
        return nullptr;
    }
    auto* pHook =
        static_cast<headless::Hook*>(HeapAlloc(GetProcessHeap(), 0, sizeof(headless::Hook)));
    if (pHook == nullptr)
        return nullptr;
    pHook->idHook = idHook;
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

// The hook handle is not needed: the next hook is the one of the same type after the hook being
// called.
LRESULT WINAPI CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
    const headless::HookChain& chain = headless::Chain();
    if (chain.nNext == headless::kNotCalling)
        return 0;
    return headless::CallHookFrom(chain.idCalling, chain.nNext, nCode, wParam, lParam);
}

// True when a hook took the message.
BOOL WINAPI CallMsgFilterA(LPMSG lpMsg, int nCode) {
    return headless::CallHookFrom(WH_MSGFILTER, 0, nCode, 0, reinterpret_cast<LPARAM>(lpMsg)) != 0;
}
