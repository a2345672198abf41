// Messages: sending (a nested call of the window procedure), the posted-message queue, its
// pump, and the translation of key presses into characters.
#include "keyboard.h"
#include "lifetime.h"
#include "paint.h"

#include <deque>

namespace headless {
namespace {

struct MessageQueue {
    std::deque<MSG> posted;
    std::deque<MSG> input; // keyboard input, without its window until it is taken
    bool bQuit = false;    // PostQuitMessage was called and WM_QUIT not yet taken
    int nQuitCode = 0;
};

MessageQueue& Queue() {
    return ProcessLifetime<MessageQueue>();
}

bool InRange(UINT uMsg, UINT uMin, UINT uMax) {
    return (uMin == 0 && uMax == 0) || (uMsg >= uMin && uMsg <= uMax);
}

bool WindowMatches(HWND hwndMsg, HWND hwndFilter) {
    if (hwndFilter == nullptr)
        return true;
    if (hwndFilter == reinterpret_cast<HWND>(-1))
        return hwndMsg == nullptr;
    return hwndMsg == hwndFilter || IsChild(hwndFilter, hwndMsg);
}

MSG MakeMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    MSG msg = {hwnd, uMsg, wParam, lParam, GetTickCount(), {0, 0}};
    return msg;
}

// Keyboard input goes to the focus window; with no focus, to the active window as a system
// key, as Windows does.
MSG RouteKeyboardInput(MSG msg) {
    msg.hwnd = GetFocus();
    if (msg.hwnd == nullptr && (msg.hwnd = GetActiveWindow()) != nullptr)
        msg.message = msg.message == WM_KEYDOWN ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    return msg;
}

bool FetchInput(MSG* pMsg, HWND hwndFilter, UINT uMin, UINT uMax, bool bRemove) {
    auto& input = Queue().input;
    for (auto it = input.begin(); it != input.end(); ++it) {
        const MSG msg = RouteKeyboardInput(*it);
        if (InRange(msg.message, uMin, uMax) && WindowMatches(msg.hwnd, hwndFilter)) {
            *pMsg = msg;
            if (bRemove) {
                input.erase(it);
                TakeKeyboardMessage(msg);
            }
            return true;
        }
    }
    return false;
}

// Posted messages first, then keyboard input, then a pending WM_QUIT, then painting, as Windows
// orders them.
bool FetchMessage(MSG* pMsg, HWND hwndFilter, UINT uMin, UINT uMax, bool bRemove) {
    MessageQueue& queue = Queue();
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (InRange(it->message, uMin, uMax) && WindowMatches(it->hwnd, hwndFilter)) {
            *pMsg = *it;
            if (bRemove)
                queue.posted.erase(it);
            return true;
        }
    }
    if (FetchInput(pMsg, hwndFilter, uMin, uMax, bRemove))
        return true;
    if (queue.bQuit && InRange(WM_QUIT, uMin, uMax)) {
        *pMsg = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(queue.nQuitCode), 0);
        if (bRemove)
            queue.bQuit = false;
        return true;
    }
    if (InRange(WM_PAINT, uMin, uMax)) {
        if (const HWND hwndPaint = NextWindowToPaint(hwndFilter)) {
            *pMsg = MakeMessage(hwndPaint, WM_PAINT, 0, 0);
            return true;
        }
    }
    return false;
}

// The character a key produces with no modifier pressed, on a US keyboard layout; 0 when it
// produces none.
char KeyCharacter(WPARAM vk) {
    if (vk >= 'A' && vk <= 'Z')
        return static_cast<char>(vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9')
        return static_cast<char>(vk);
    switch (vk) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_BACK:
    case VK_TAB:
    case VK_ESCAPE:
        return static_cast<char>(vk);
    case VK_MULTIPLY:
        return '*';
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        return '-';
    case VK_DECIMAL:
    case VK_OEM_PERIOD:
        return '.';
    case VK_DIVIDE:
    case 0xBF:
        return '/';
    case VK_OEM_PLUS:
        return '=';
    case VK_OEM_COMMA:
        return ',';
    case 0xBA:
        return ';';
    case 0xC0:
        return '`';
    case 0xDB:
        return '[';
    case 0xDC:
        return '\\';
    case 0xDD:
        return ']';
    case 0xDE:
        return '\'';
    }
    return 0;
}

} // namespace

void QueueKeyboardInput(UINT uMsg, WPARAM vk, LPARAM lParam) {
    // A keyboard whose buffer is full loses the key, as a real one does.
    GrowStorage([&] { Queue().input.push_back(MakeMessage(nullptr, uMsg, vk, lParam)); });
}

void RemovePostedMessages(HWND hwnd) {
    auto& posted = Queue().posted;
    for (auto it = posted.begin(); it != posted.end();)
        it = it->hwnd == hwnd ? posted.erase(it) : it + 1;
}

} // namespace headless

LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam,
                               LPARAM lParam) {
    return lpPrevWndFunc != nullptr ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const headless::Window* pWnd = headless::FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    return CallWindowProcA(pWnd->proc, hWnd, Msg, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd != nullptr && headless::FindWindowPtr(hWnd) == nullptr)
        return FALSE;
    return headless::GrowStorage([&] {
        headless::Queue().posted.push_back(headless::MakeMessage(hWnd, Msg, wParam, lParam));
    });
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                         UINT wRemoveMsg) {
    return lpMsg != nullptr && headless::FetchMessage(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax,
                                                      (wRemoveMsg & PM_REMOVE) != 0);
}

// Nothing but the program itself ever puts a message into the queue here, so waiting for one on
// an empty queue would wait for ever: GetMessage then ends the loop as WM_QUIT would.
BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (lpMsg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hWnd != nullptr && hWnd != reinterpret_cast<HWND>(-1) &&
        headless::FindWindowPtr(hWnd) == nullptr)
        return -1;
    if (!headless::FetchMessage(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true))
        *lpMsg = headless::MakeMessage(nullptr, WM_QUIT, 0, 0);
    return lpMsg->message != WM_QUIT;
}

void WINAPI PostQuitMessage(int nExitCode) {
    headless::Queue().bQuit = true;
    headless::Queue().nQuitCode = nExitCode;
}

BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr)
        return FALSE;
    switch (lpMsg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (const char ch = headless::KeyCharacter(lpMsg->wParam))
            PostMessageA(lpMsg->hwnd, lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR,
                         static_cast<unsigned char>(ch), lpMsg->lParam);
        return TRUE;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return TRUE;
    }
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr)
        return 0;
    const LRESULT lResult = SendMessageA(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
    if (lpMsg->message == WM_PAINT)
        headless::ValidateAfterPaint(lpMsg->hwnd);
    return lResult;
}
