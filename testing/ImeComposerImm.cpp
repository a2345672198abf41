// Compositions on a real Win32: the program is its own input method. ImmSetCompositionString
// cannot stand in for one, as Wine's input method drops the readings given to it (see
// docs/platform.md), so the program writes the focus window's input context through the input
// method's side of IMM32, and IMM32 sends the window the messages and gives
// ImmGetCompositionStringA the strings.
#include "ImeComposer.h"

#include <imm.h>

#include <cstring>
#include <string>
#include <vector>

// The input method's side of IMM32, as documented (mingw-w64 has no immdev.h).
struct INPUTCONTEXT {
    HWND hWnd;
    BOOL fOpen;
    POINT ptStatusWndPos;
    POINT ptSoftKbdPos;
    DWORD fdwConversion;
    DWORD fdwSentence;
    union {
        LOGFONTA A;
        LOGFONTW W;
    } lfFont;
    COMPOSITIONFORM cfCompForm;
    CANDIDATEFORM cfCandForm[4];
    HIMCC hCompStr;
    HIMCC hCandInfo;
    HIMCC hGuideLine;
    HIMCC hPrivate;
    DWORD dwNumMsgBuf;
    HIMCC hMsgBuf;
    DWORD fdwInit;
    DWORD dwReserve[3];
};

struct COMPOSITIONSTRING {
    DWORD dwSize;
    DWORD dwCompReadAttrLen, dwCompReadAttrOffset;
    DWORD dwCompReadClauseLen, dwCompReadClauseOffset;
    DWORD dwCompReadStrLen, dwCompReadStrOffset;
    DWORD dwCompAttrLen, dwCompAttrOffset;
    DWORD dwCompClauseLen, dwCompClauseOffset;
    DWORD dwCompStrLen, dwCompStrOffset;
    DWORD dwCursorPos, dwDeltaStart;
    DWORD dwResultReadClauseLen, dwResultReadClauseOffset;
    DWORD dwResultReadStrLen, dwResultReadStrOffset;
    DWORD dwResultClauseLen, dwResultClauseOffset;
    DWORD dwResultStrLen, dwResultStrOffset;
    DWORD dwPrivateSize, dwPrivateOffset;
};

struct TRANSMSG {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

extern "C" {
INPUTCONTEXT* WINAPI ImmLockIMC(HIMC hIMC);
BOOL WINAPI ImmUnlockIMC(HIMC hIMC);
LPVOID WINAPI ImmLockIMCC(HIMCC hIMCC);
BOOL WINAPI ImmUnlockIMCC(HIMCC hIMCC);
HIMCC WINAPI ImmReSizeIMCC(HIMCC hIMCC, DWORD dwSize);
BOOL WINAPI ImmGenerateMessage(HIMC hIMC);
}

namespace test {
namespace {

// The focus window's input context, while it is open.
class ComposingContext {
public:
    ComposingContext() : m_hwnd(GetFocus()), m_hIMC(ImmGetContext(m_hwnd)) {}
    ~ComposingContext() {
        if (m_hIMC != nullptr)
            ImmReleaseContext(m_hwnd, m_hIMC);
    }
    ComposingContext(const ComposingContext&) = delete;
    ComposingContext& operator=(const ComposingContext&) = delete;

    HIMC Open() const { return m_hIMC != nullptr && ImmGetOpenStatus(m_hIMC) ? m_hIMC : nullptr; }

private:
    HWND m_hwnd;
    HIMC m_hIMC;
};

// Resizes block *phIMCC of the context to cb bytes and copies pData there.
bool WriteBlock(HIMCC* phIMCC, const void* pData, DWORD cb) {
    const HIMCC hResized = ImmReSizeIMCC(*phIMCC, cb);
    if (hResized == nullptr)
        return false;
    *phIMCC = hResized;
    void* const pBlock = ImmLockIMCC(hResized);
    if (pBlock == nullptr)
        return false;
    std::memcpy(pBlock, pData, cb);
    ImmUnlockIMCC(hResized);
    return true;
}

// Queues the message in the context and has IMM32 send it to the context's window. The
// composition message's character is left 0: what reads a composition reads the context.
BOOL Generate(HIMC hIMC, UINT uMsg, LPARAM lParam) {
    INPUTCONTEXT* const pContext = ImmLockIMC(hIMC);
    if (pContext == nullptr)
        return FALSE;
    const TRANSMSG msg = {uMsg, 0, lParam};
    const bool bQueued = WriteBlock(&pContext->hMsgBuf, &msg, sizeof msg);
    pContext->dwNumMsgBuf = bQueued ? 1 : 0;
    ImmUnlockIMC(hIMC);
    return bQueued && ImmGenerateMessage(hIMC);
}

BOOL SendToComposingWindow(UINT uMsg) {
    const ComposingContext context;
    return context.Open() != nullptr && Generate(context.Open(), uMsg, 0);
}

BOOL StartComposition() {
    return SendToComposingWindow(WM_IME_STARTCOMPOSITION);
}

BOOL EndComposition() {
    return SendToComposingWindow(WM_IME_ENDCOMPOSITION);
}

// A context holds its strings in the input method's character set: UTF-16 for a Unicode one
// (Wine's and today's Windows' are), else code page 932.
size_t InputMethodCharSize() {
    const DWORD dwProperty = ImmGetProperty(GetKeyboardLayout(0), IGP_PROPERTY);
    return (dwProperty & IME_PROP_UNICODE) != 0 ? sizeof(WCHAR) : 1;
}

std::string InContextCharacters(const char* psz, size_t cbChar) {
    const std::string text = psz != nullptr ? psz : "";
    if (cbChar == 1)
        return text;
    const int cch = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<size_t>(MultiByteToWideChar(932, 0, text.data(), cch, nullptr, 0)), L'\0');
    MultiByteToWideChar(932, 0, text.data(), cch, &wide[0], static_cast<int>(wide.size()));
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(WCHAR));
}

// The context's composition string block (the header, then each string with its terminator,
// lengths and the caret counted in characters) and the flags of the strings given.
struct Composition {
    std::vector<BYTE> block;
    LPARAM flags = 0;
};

Composition MakeComposition(LPCSTR pszResult, LPCSTR pszResultRead, LPCSTR pszComp,
                            LPCSTR pszCompRead) {
    const size_t cbChar = InputMethodCharSize();
    COMPOSITIONSTRING header = {};
    const struct {
        LPCSTR psz;
        LPARAM flag;
        DWORD* pdwLen;
        DWORD* pdwOffset;
    } strings[] = {
        {pszResult, GCS_RESULTSTR, &header.dwResultStrLen, &header.dwResultStrOffset},
        {pszResultRead, GCS_RESULTREADSTR, &header.dwResultReadStrLen,
         &header.dwResultReadStrOffset},
        {pszComp, GCS_COMPSTR, &header.dwCompStrLen, &header.dwCompStrOffset},
        {pszCompRead, GCS_COMPREADSTR, &header.dwCompReadStrLen, &header.dwCompReadStrOffset},
    };
    Composition composition;
    std::string body;
    for (const auto& string : strings) {
        const std::string text = InContextCharacters(string.psz, cbChar);
        *string.pdwOffset = static_cast<DWORD>(sizeof header + body.size());
        *string.pdwLen = static_cast<DWORD>(text.size() / cbChar);
        body += text + std::string(cbChar, '\0');
        composition.flags |= string.psz != nullptr ? string.flag : 0;
    }
    header.dwCursorPos = header.dwCompStrLen;
    header.dwSize = static_cast<DWORD>(sizeof header + body.size());
    composition.block.resize(header.dwSize);
    std::memcpy(composition.block.data(), &header, sizeof header);
    std::memcpy(composition.block.data() + sizeof header, body.data(), body.size());
    return composition;
}

BOOL Compose(LPCSTR pszResult, LPCSTR pszResultRead, LPCSTR pszComp, LPCSTR pszCompRead) {
    const ComposingContext context;
    const HIMC hIMC = context.Open();
    INPUTCONTEXT* const pContext = hIMC != nullptr ? ImmLockIMC(hIMC) : nullptr;
    if (pContext == nullptr)
        return FALSE;
    const Composition composition = MakeComposition(pszResult, pszResultRead, pszComp, pszCompRead);
    const bool bWritten = WriteBlock(&pContext->hCompStr, composition.block.data(),
                                     static_cast<DWORD>(composition.block.size()));
    ImmUnlockIMC(hIMC);
    return bWritten && Generate(hIMC, WM_IME_COMPOSITION, composition.flags);
}

} // namespace

const ImeComposer& Ime() {
    static const ImeComposer composer = {StartComposition, Compose, EndComposition};
    return composer;
}

} // namespace test
