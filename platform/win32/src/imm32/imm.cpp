// IMM32's input contexts: one default context per thread that every window shares until it
// is given one of its own, with an open state, a conversion and sentence mode, and the
// composition strings that the test interface sets in place of an IME. Every call is logged
// for the test interface.
#include "composition.h"
#include "lifetime.h"
#include "memory.h"
#include "records.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <string>

namespace headless {
namespace {

struct CompositionString {
    std::string bytes;
    // What ImmGetCompositionStringA reports instead of the byte count: 0 for none, negative for
    // an error (no bytes are copied then).
    LONG lReport = 0;
};

struct InputContext {
    BOOL fOpen = FALSE;
    // A new context under the reference Wine: native full-shape input, automatic conversion.
    DWORD dwConversion = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    DWORD dwSentence = IME_SMODE_AUTOMATIC;
    std::map<DWORD, CompositionString> strings; // by GCS_ index
};

struct ImmState {
    std::unordered_map<uintptr_t, InputContext> contexts;
    uintptr_t nextHandle = 0x20000;
    std::map<DWORD, HIMC> defaultContexts; // by thread id
    // Windows are not checked: the association is kept by handle, and a NULL context means
    // the window has none.
    std::unordered_map<HWND, HIMC> associations;
};

ImmState& State() {
    return ProcessLifetime<ImmState>();
}

InputContext* FindContext(HIMC hIMC) {
    auto& contexts = State().contexts;
    const auto it = contexts.find(reinterpret_cast<uintptr_t>(hIMC));
    return it == contexts.end() ? nullptr : &it->second;
}

HIMC NewContext() {
    ImmState& state = State();
    if (!GrowStorage([&] { state.contexts.emplace(state.nextHandle + 4, InputContext()); }))
        return nullptr;
    state.nextHandle += 4;
    return reinterpret_cast<HIMC>(state.nextHandle);
}

// None for a thread that has made no window.
HIMC DefaultContext() {
    const auto& defaults = State().defaultContexts;
    const auto it = defaults.find(GetCurrentThreadId());
    return it != defaults.end() ? it->second : nullptr;
}

HIMC WindowContext(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    const auto& associations = State().associations;
    const auto it = associations.find(hWnd);
    return it != associations.end() ? it->second : DefaultContext();
}

bool IsDefaultContext(HIMC hIMC) {
    for (const auto& [dwThread, hDefault] : State().defaultContexts) {
        if (hDefault == hIMC)
            return true;
    }
    return false;
}

} // namespace

bool MakeDefaultContext() {
    if (DefaultContext() != nullptr)
        return true;
    const HIMC hIMC = NewContext();
    if (hIMC != nullptr &&
        !GrowStorage([&] { State().defaultContexts.emplace(GetCurrentThreadId(), hIMC); })) {
        State().contexts.erase(reinterpret_cast<uintptr_t>(hIMC));
        return false;
    }
    return hIMC != nullptr;
}

BOOL SetCompositionResult(HIMC hIMC, DWORD dwIndex, LONG lResult) {
    InputContext* pContext = FindContext(hIMC);
    if (pContext == nullptr)
        return FALSE;
    return GrowStorage([&] { pContext->strings[dwIndex].lReport = lResult; });
}

HIMC ContextOfWindow(HWND hWnd) {
    return WindowContext(hWnd);
}

bool IsContextOpen(HIMC hIMC) {
    const InputContext* pContext = FindContext(hIMC);
    return pContext != nullptr && pContext->fOpen;
}

// A copy, which the caller may keep while messages change the context; without memory for it,
// no string.
std::string CompositionBytes(HIMC hIMC, DWORD dwIndex) {
    const InputContext* pContext = FindContext(hIMC);
    if (pContext == nullptr)
        return std::string();
    const auto it = pContext->strings.find(dwIndex);
    std::string bytes;
    if (it != pContext->strings.end())
        GrowStorage([&] { bytes = it->second.bytes; });
    return bytes;
}

bool SetCompositionBytes(HIMC hIMC, DWORD dwIndex, const char* psz) {
    InputContext* pContext = FindContext(hIMC);
    if (pContext == nullptr)
        return false;
    return GrowStorage([&] { pContext->strings[dwIndex].bytes = psz != nullptr ? psz : ""; });
}

} // namespace headless

using headless::InputContext;

HIMC WINAPI ImmGetContext(HWND hWnd) {
    const HIMC hIMC = headless::WindowContext(hWnd);
    return hIMC;
}

// Contexts are not reference-counted here, so there is nothing to release.
BOOL WINAPI ImmReleaseContext(HWND hWnd, HIMC hIMC) {
    return TRUE;
}

HIMC WINAPI ImmCreateContext(void) {
    const HIMC hIMC = headless::NewContext();
    return hIMC;
}

// A default context cannot be destroyed. Windows that had the destroyed context keep no
// context at all.
BOOL WINAPI ImmDestroyContext(HIMC hIMC) {
    if (headless::FindContext(hIMC) == nullptr || headless::IsDefaultContext(hIMC))
        return FALSE;
    headless::State().contexts.erase(reinterpret_cast<uintptr_t>(hIMC));
    for (auto& [hwnd, hAssociated] : headless::State().associations) {
        if (hAssociated == hIMC)
            hAssociated = nullptr;
    }
    return TRUE;
}

HIMC WINAPI ImmAssociateContext(HWND hWnd, HIMC hIMC) {
    if (hWnd == nullptr || (hIMC != nullptr && headless::FindContext(hIMC) == nullptr))
        return nullptr;
    const HIMC hPrevious = headless::WindowContext(hWnd);
    if (!headless::GrowStorage([&] { headless::State().associations[hWnd] = hIMC; }))
        return nullptr;
    return hPrevious;
}

BOOL WINAPI ImmGetOpenStatus(HIMC hIMC) {
    const InputContext* pContext = headless::FindContext(hIMC);
    return pContext != nullptr ? pContext->fOpen : FALSE;
}

BOOL WINAPI ImmSetOpenStatus(HIMC hIMC, BOOL fOpen) {
    InputContext* pContext = headless::FindContext(hIMC);
    if (pContext == nullptr)
        return FALSE;
    // The value is kept as given, but only when the open state changes (as the reference Wine
    // does): opening an open context with 7 leaves it open with its old value.
    if ((pContext->fOpen != FALSE) != (fOpen != FALSE))
        pContext->fOpen = fOpen;
    return TRUE;
}

BOOL WINAPI ImmGetConversionStatus(HIMC hIMC, LPDWORD lpfdwConversion, LPDWORD lpfdwSentence) {
    const InputContext* pContext = headless::FindContext(hIMC);
    if (pContext == nullptr)
        return FALSE;
    if (lpfdwConversion != nullptr)
        *lpfdwConversion = pContext->dwConversion;
    if (lpfdwSentence != nullptr)
        *lpfdwSentence = pContext->dwSentence;
    return TRUE;
}

BOOL WINAPI ImmSetConversionStatus(HIMC hIMC, DWORD fdwConversion, DWORD fdwSentence) {
    InputContext* pContext = headless::FindContext(hIMC);
    if (pContext == nullptr)
        return FALSE;
    pContext->dwConversion = fdwConversion;
    pContext->dwSentence = fdwSentence;
    return TRUE;
}

// The byte count of the string; at most dwBufLen bytes of it are copied, without a
// terminator, and a dwBufLen of 0 only asks for the count. A test may have the call report an
// error, or another count, instead.
LONG WINAPI ImmGetCompositionStringA(HIMC hIMC, DWORD dwIndex, LPVOID lpBuf, DWORD dwBufLen) {
    const InputContext* pContext = headless::FindContext(hIMC);
    if (pContext == nullptr)
        return 0;
    const auto it = pContext->strings.find(dwIndex);
    if (it == pContext->strings.end())
        return 0;
    const LONG lReport = it->second.lReport;
    if (lReport < 0)
        return lReport;
    const std::string& text = it->second.bytes;
    size_t cbCopy = text.size();
    if (dwBufLen != 0 && lpBuf != nullptr) {
        cbCopy = std::min<size_t>(dwBufLen, text.size());
        text.copy(static_cast<char*>(lpBuf), cbCopy);
    }
    return lReport > 0 ? lReport : static_cast<LONG>(cbCopy);
}
