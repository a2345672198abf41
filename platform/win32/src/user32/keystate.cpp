// The keyboard: presses and releases that come in as input (keybd_event), and the two views of
// which keys are down. GetAsyncKeyState sees the keyboard as it is now; GetKeyState sees it as
// of the key messages the thread has taken from its queue. Key messages that a program posts
// or sends change neither, as on Windows.
#include "keyboard.h"
#include "lifetime.h"

namespace headless {
namespace {

constexpr BYTE kDown = 0x80;
constexpr BYTE kToggled = 0x01;

struct KeyboardState {
    BYTE async[256] = {};
    BYTE thread[256] = {};
};

KeyboardState& State() {
    return ProcessLifetime<KeyboardState>();
}

// Bits 16 to 23 of a key message's lParam hold the scan code, 24 the extended-key flag, 30 the
// key's previous state and 31 the transition (1 for a release).
LPARAM KeyMessageParam(BYTE bScan, DWORD dwFlags, bool bWasDown) {
    const bool bUp = (dwFlags & KEYEVENTF_KEYUP) != 0;
    DWORD dw = 1 | (static_cast<DWORD>(bScan) << 16);
    if (dwFlags & KEYEVENTF_EXTENDEDKEY)
        dw |= 1u << 24;
    if (bWasDown || bUp)
        dw |= 1u << 30;
    if (bUp)
        dw |= 1u << 31;
    return static_cast<LPARAM>(dw);
}

} // namespace

void TakeKeyboardMessage(const MSG& msg) {
    BYTE& state = State().thread[msg.wParam & 0xFF];
    if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP)
        state &= static_cast<BYTE>(~kDown);
    else if (!(state & kDown))
        state = static_cast<BYTE>((state ^ kToggled) | kDown);
}

} // namespace headless

void WINAPI keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo) {
    BYTE& async = headless::State().async[bVk];
    const bool bWasDown = (async & headless::kDown) != 0;
    const bool bUp = (dwFlags & KEYEVENTF_KEYUP) != 0;
    async = bUp ? 0 : headless::kDown;
    headless::QueueKeyboardInput(bUp ? WM_KEYUP : WM_KEYDOWN, bVk,
                                 headless::KeyMessageParam(bScan, dwFlags, bWasDown));
}

// The state byte widened with its sign, as Windows returns it: negative while the key is down.
SHORT WINAPI GetKeyState(int nVirtKey) {
    return static_cast<SHORT>(static_cast<signed char>(headless::State().thread[nVirtKey & 0xFF]));
}

SHORT WINAPI GetAsyncKeyState(int vKey) {
    return (headless::State().async[vKey & 0xFF] & headless::kDown) ? static_cast<SHORT>(0x8000)
                                                                    : 0;
}
