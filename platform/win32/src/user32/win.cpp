// Windows: the handle table, creation and destruction, the window tree, styles, window longs,
// text and properties.
#include "composition.h"
#include "window.h"
#include "lifetime.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace headless {
namespace {

// A handle names a slot of the window table and how many windows the slot has held, as on
// Win32: the slot of a destroyed window is used again, so the table is only as large as the most
// windows alive at once, while the old handle, whose count no longer matches, stays invalid until
// the count comes round (4,096 windows later in that slot). Every handle fits in 31 bits.
constexpr uintptr_t kFirstHandle = 0x10020;
constexpr unsigned kSlotBits = 17;
constexpr size_t kMaxSlots = size_t{1} << kSlotBits;
constexpr uintptr_t kUseMask = 0xFFF;

struct Slot {
    std::unique_ptr<Window> window;
    uintptr_t nUse = 0;
};

// A look-up, made several times for each message, is an index. The free list has room for every
// slot, so that destroying a window never needs memory.
struct WindowTable {
    std::vector<Slot> slots;
    std::vector<size_t> freeSlots;
    HWND desktop = nullptr;
};

WindowTable& Table() {
    return ProcessLifetime<WindowTable>();
}

HWND HandleOf(size_t nSlot, uintptr_t nUse) {
    return reinterpret_cast<HWND>(kFirstHandle + ((nUse << kSlotBits | nSlot) << 1));
}

// The slot a handle names while the handle is current, else nullptr.
Slot* SlotOf(HWND hwnd) {
    WindowTable& table = Table();
    const uintptr_t nHandle = reinterpret_cast<uintptr_t>(hwnd);
    if (nHandle < kFirstHandle || ((nHandle - kFirstHandle) & 1) != 0)
        return nullptr;
    const uintptr_t nCode = (nHandle - kFirstHandle) >> 1;
    const size_t nSlot = nCode & (kMaxSlots - 1);
    if (nSlot >= table.slots.size() || table.slots[nSlot].nUse != nCode >> kSlotBits)
        return nullptr;
    return &table.slots[nSlot];
}

// A slot for a new window: a free one, under its next count, or a new one; false without memory
// or when the table is full.
bool TakeSlot(std::unique_ptr<Window> pWindow, HWND* phwnd) {
    WindowTable& table = Table();
    if (!table.freeSlots.empty()) {
        const size_t nSlot = table.freeSlots.back();
        table.freeSlots.pop_back();
        Slot& slot = table.slots[nSlot];
        slot.nUse = (slot.nUse + 1) & kUseMask;
        slot.window = std::move(pWindow);
        *phwnd = HandleOf(nSlot, slot.nUse);
        return true;
    }
    if (table.slots.size() == kMaxSlots)
        return false;
    table.freeSlots.reserve(table.slots.size() + 1);
    table.slots.push_back({std::move(pWindow), 0});
    *phwnd = HandleOf(table.slots.size() - 1, 0);
    return true;
}

// A window of the class under a new handle, in the table but in no tree yet; nullptr without
// memory.
Window* NewWindow(WindowClass* pClass) {
    HWND hwnd = nullptr;
    Window* pWnd = nullptr;
    bool bTaken = false;
    if (!GrowStorage([&] {
            auto pNew = std::make_unique<Window>();
            pNew->extra.assign(static_cast<size_t>(pClass->cbWndExtra), 0);
            pWnd = pNew.get();
            bTaken = TakeSlot(std::move(pNew), &hwnd);
        }))
        return nullptr;
    if (!bTaken) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    pWnd->hwnd = hwnd;
    pWnd->pClass = pClass;
    pWnd->proc = pClass->proc;
    ++pClass->nWindows;
    return pWnd;
}

void CreateDesktop() {
    WindowTable& table = Table();
    Window* pDesk = NewWindow(FindClass(MAKEINTATOM(0x8001), nullptr));
    if (pDesk == nullptr)
        return;
    pDesk->style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    SetRect(&pDesk->rcWindow, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    pDesk->rcClient = pDesk->rcWindow;
    table.desktop = pDesk->hwnd;
}

// The key of a window among its siblings by ID, as GetDlgItem compares it.
int ControlIdKey(UINT_PTR id) {
    return static_cast<int>(id);
}

bool Link(Window* pWnd) {
    Window* pParent = FindWindowPtr(pWnd->parent);
    std::vector<HWND>& siblings = pParent->children;
    // Controls go below their siblings, so that z-order is creation (tab) order; a new
    // top-level window goes on top.
    return GrowStorage([&] {
        const auto at =
            siblings.insert(pWnd->style & WS_CHILD ? siblings.end() : siblings.begin(), pWnd->hwnd);
        try {
            if (pParent->childrenById == nullptr)
                pParent->childrenById = std::make_unique<ChildIdIndex>();
            pParent->childrenById->map.emplace(ControlIdKey(pWnd->id), pWnd->hwnd);
        } catch (...) {
            siblings.erase(at);
            throw;
        }
    });
}

// A child's entry in its parent's index, or the index's end.
ChildIdIndex::Map::iterator FindById(ChildIdIndex& index, HWND hwnd, UINT_PTR id) {
    auto range = index.map.equal_range(ControlIdKey(id));
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == hwnd)
            return it;
    }
    return index.map.end();
}

// A dialog's children are destroyed from the last one up, so the search starts there.
void Unlink(Window* pWnd) {
    if (Window* pParent = FindWindowPtr(pWnd->parent)) {
        auto& siblings = pParent->children;
        const auto it = std::find(siblings.rbegin(), siblings.rend(), pWnd->hwnd);
        if (it != siblings.rend())
            siblings.erase(std::next(it).base());
        if (ChildIdIndex* pIndex = pParent->childrenById.get()) {
            const auto itById = FindById(*pIndex, pWnd->hwnd, pWnd->id);
            if (itById != pIndex->map.end())
                pIndex->map.erase(itById);
        }
    }
}

// A new ID moves the window's entry in its parent's index, which allocates nothing.
void ChangeId(Window* pWnd, UINT_PTR newId) {
    Window* pParent = FindWindowPtr(pWnd->parent);
    if (ChildIdIndex* pIndex = pParent != nullptr ? pParent->childrenById.get() : nullptr) {
        const auto it = FindById(*pIndex, pWnd->hwnd, pWnd->id);
        if (it != pIndex->map.end()) {
            auto node = pIndex->map.extract(it);
            node.key() = ControlIdKey(newId);
            pIndex->map.insert(std::move(node));
        }
    }
    pWnd->id = newId;
}

// The first child in z-order with that ID. Only an ID that several children share needs their
// places compared.
HWND FirstChildWithId(const Window& parent, int nID) {
    if (parent.childrenById == nullptr)
        return nullptr;
    const auto range = parent.childrenById->map.equal_range(nID);
    if (range.first == range.second)
        return nullptr;
    if (std::next(range.first) == range.second)
        return range.first->second;
    for (HWND child : parent.children) {
        if (ControlIdKey(FindWindowPtr(child)->id) == nID)
            return child;
    }
    return nullptr;
}

void FreeWindow(HWND hwnd) {
    Slot* pSlot = SlotOf(hwnd);
    if (pSlot == nullptr || pSlot->window == nullptr)
        return;
    Unlink(pSlot->window.get());
    --pSlot->window->pClass->nWindows;
    pSlot->window.reset();
    Table().freeSlots.push_back(static_cast<size_t>(pSlot - Table().slots.data()));
}

bool IsChildStyle(DWORD style) {
    return (style & (WS_CHILD | WS_POPUP)) == WS_CHILD;
}

// What CreateWindowEx makes of the position and size it is given.
void InitialRect(const CREATESTRUCTA& cs, RECT* pRect) {
    int x = cs.x, y = cs.y, cx = cs.cx, cy = cs.cy;
    const bool bOverlapped = !(cs.style & (WS_CHILD | WS_POPUP));
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (cx == CW_USEDEFAULT) {
        cx = bOverlapped ? GetSystemMetrics(SM_CXSCREEN) * 3 / 4 : 0;
        cy = bOverlapped ? GetSystemMetrics(SM_CYSCREEN) * 3 / 4 : 0;
    }
    SetRect(pRect, x, y, x + std::max(cx, 0), y + std::max(cy, 0));
}

// Windows with a dialog frame or a caption, and overlapped windows, carry WS_EX_WINDOWEDGE.
DWORD FixExStyle(DWORD style, DWORD exStyle) {
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME) ||
        !(style & (WS_CHILD | WS_POPUP)))
        return exStyle | WS_EX_WINDOWEDGE;
    return exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE);
}

void SendParentNotify(const Window* pWnd, UINT uMsg) {
    if (IsChildStyle(pWnd->style) && !(pWnd->exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessageA(pWnd->parent, WM_PARENTNOTIFY, MAKEWPARAM(uMsg, pWnd->id),
                     reinterpret_cast<LPARAM>(pWnd->hwnd));
}

HWND CreateWindowObject(const CREATESTRUCTA& cs, WindowClass* pClass, HWND parent, HWND owner) {
    Window* pWnd = NewWindow(pClass);
    if (pWnd == nullptr)
        return nullptr;
    pWnd->style = static_cast<DWORD>(cs.style) & ~static_cast<DWORD>(WS_VISIBLE);
    if (!(pWnd->style & (WS_CHILD | WS_POPUP)))
        pWnd->style |= WS_CLIPSIBLINGS | WS_CAPTION;
    pWnd->exStyle = FixExStyle(pWnd->style, cs.dwExStyle);
    pWnd->parent = parent;
    pWnd->owner = owner;
    pWnd->id = reinterpret_cast<UINT_PTR>(cs.hMenu);
    pWnd->hInstance = cs.hInstance;
    InitialRect(cs, &pWnd->rcWindow);
    pWnd->rcClient = pWnd->rcWindow;
    pWnd->bNeedSize = !IsChildStyle(pWnd->style);
    if (!Link(pWnd)) {
        FreeWindow(pWnd->hwnd);
        return nullptr;
    }
    return pWnd->hwnd;
}

// WM_NCCREATE to WM_CREATE, then the first size and position of a child window.
bool RunCreationMessages(HWND hwnd, CREATESTRUCTA* pcs) {
    Window* pWnd = FindWindowPtr(hwnd);
    if (!IsChildStyle(pWnd->style) || (pWnd->style & WS_THICKFRAME)) {
        MINMAXINFO info = {};
        SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    }
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(pcs)) ||
        (pWnd = FindWindowPtr(hwnd)) == nullptr)
        return false;
    RECT rcClient = pWnd->rcWindow;
    SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rcClient));
    if ((pWnd = FindWindowPtr(hwnd)) == nullptr)
        return false;
    pWnd->rcClient = rcClient;
    if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(pcs)) == -1 ||
        (pWnd = FindWindowPtr(hwnd)) == nullptr)
        return false;
    if (!pWnd->bNeedSize) {
        const RECT rc = pWnd->rcClient;
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(rc.right - rc.left, rc.bottom - rc.top));
        SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(rc.left, rc.top));
    }
    return FindWindowPtr(hwnd) != nullptr;
}

void CollectPreorder(HWND hwnd, std::vector<HWND>* pOut) {
    pOut->push_back(hwnd);
    if (const Window* pWnd = FindWindowPtr(hwnd)) {
        for (HWND child : pWnd->children)
            CollectPreorder(child, pOut);
    }
}

void VisitTree(Window* pWnd, void (*visit)(Window*, void*), void* pData) {
    visit(pWnd, pData);
    for (HWND child : pWnd->children)
        VisitTree(FindWindowPtr(child), visit, pData);
}

// The window and its descendants, each before its children; false without memory.
bool Preorder(HWND hwnd, std::vector<HWND>* pOut) {
    return GrowStorage([&] { CollectPreorder(hwnd, pOut); });
}

bool SendDestroyMessages(HWND hwnd) {
    std::vector<HWND> tree;
    if (!Preorder(hwnd, &tree))
        return false;
    for (HWND h : tree) {
        if (Window* pWnd = FindWindowPtr(h)) {
            pWnd->bDestroying = true;
            ForgetFocusOnDestroy(h);
            SendMessageA(h, WM_DESTROY, 0, 0);
        }
    }
    for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
        if (FindWindowPtr(*it) != nullptr)
            SendMessageA(*it, WM_NCDESTROY, 0, 0);
        RemovePostedMessages(*it);
        FreeWindow(*it);
    }
    return true;
}

bool OwnedWindows(HWND hwndOwner, std::vector<HWND>* pOut) {
    return GrowStorage([&] {
        for (HWND top : FindWindowPtr(DesktopWindow())->children) {
            if (FindWindowPtr(top)->owner == hwndOwner)
                pOut->push_back(top);
        }
    });
}

// A property's name as the window keeps it; an atom is "#" and its number.
const char* PropName(LPCSTR lpString, char (&szAtom)[8]) {
    if (!IS_INTRESOURCE(lpString))
        return lpString;
    std::snprintf(szAtom, sizeof(szAtom), "#%u",
                  static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(lpString)));
    return szAtom;
}

// Names compare without regard to case; looking one up allocates nothing.
std::map<std::string, HANDLE>::iterator FindProp(Window* pWnd, LPCSTR lpString) {
    char szAtom[8];
    const char* pszName = PropName(lpString, szAtom);
    return std::find_if(pWnd->props.begin(), pWnd->props.end(), [pszName](const auto& prop) {
        return strcasecmp(prop.first.c_str(), pszName) == 0;
    });
}

// A value of T in the window's extra bytes at byte nIndex; outside them, or at a standard
// control's own bytes, it is 0 and cannot be changed (ERROR_INVALID_INDEX).
template <typename T>
bool ExtraHolds(const Window* pWnd, int nIndex) {
    const bool bControlOwn = pWnd->pControlState != nullptr && nIndex < kControlExtraBytes;
    if (nIndex < 0 || static_cast<size_t>(nIndex) + sizeof(T) > pWnd->extra.size() || bControlOwn) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    return true;
}

template <typename T>
T ReadExtra(const Window* pWnd, int nIndex) {
    T value = 0;
    if (ExtraHolds<T>(pWnd, nIndex))
        std::memcpy(&value, pWnd->extra.data() + nIndex, sizeof(value));
    return value;
}

// The previous value.
template <typename T>
T ExchangeExtra(Window* pWnd, int nIndex, T newValue) {
    T old = 0;
    if (!ExtraHolds<T>(pWnd, nIndex))
        return old;
    std::memcpy(&old, pWnd->extra.data() + nIndex, sizeof(old));
    std::memcpy(pWnd->extra.data() + nIndex, &newValue, sizeof(newValue));
    return old;
}

// GWL_STYLE and GWL_EXSTYLE changes are announced before and after, and the window may amend
// the new value while it is being announced.
DWORD ChangeStyle(HWND hwnd, int nIndex, DWORD newStyle) {
    Window* pWnd = FindWindowPtr(hwnd);
    DWORD& field = nIndex == GWL_STYLE ? pWnd->style : pWnd->exStyle;
    STYLESTRUCT ss = {field, newStyle};
    SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(nIndex),
                 reinterpret_cast<LPARAM>(&ss));
    if ((pWnd = FindWindowPtr(hwnd)) == nullptr)
        return 0;
    DWORD& current = nIndex == GWL_STYLE ? pWnd->style : pWnd->exStyle;
    const DWORD oldStyle = current;
    current = ss.styleNew;
    ss.styleOld = oldStyle;
    SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&ss));
    return oldStyle;
}

} // namespace

Window* FindWindowPtr(HWND hwnd) {
    const Slot* pSlot = SlotOf(hwnd);
    if (pSlot == nullptr || pSlot->window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return pSlot->window.get();
}

HWND DesktopWindow() {
    if (Table().desktop == nullptr)
        CreateDesktop();
    return Table().desktop;
}

bool IsDesktop(HWND hwnd) {
    return hwnd != nullptr && hwnd == Table().desktop;
}

void ForEachWindowPreorder(void (*visit)(Window*, void*), void* pData) {
    if (Window* pDesk = FindWindowPtr(DesktopWindow()))
        VisitTree(pDesk, visit, pData);
}

} // namespace headless

using headless::FindWindowPtr;
using headless::Window;

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                            HINSTANCE hInstance, LPVOID lpParam) {
    headless::WindowClass* pClass = headless::FindClass(lpClassName, hInstance);
    if (pClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    HWND parent = headless::DesktopWindow();
    if (parent == nullptr || !headless::MakeDefaultContext())
        return nullptr;
    HWND owner = nullptr;
    if (headless::IsChildStyle(dwStyle)) {
        if (hWndParent == nullptr) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
        if (FindWindowPtr(hWndParent) == nullptr)
            return nullptr;
        parent = hWndParent;
    } else if (hWndParent != nullptr) {
        if (FindWindowPtr(hWndParent) == nullptr)
            return nullptr;
        owner = GetAncestor(hWndParent, GA_ROOT);
    }
    CREATESTRUCTA cs = {lpParam,
                        hInstance,
                        hMenu,
                        hWndParent,
                        nHeight,
                        nWidth,
                        Y,
                        X,
                        static_cast<LONG>(dwStyle),
                        lpWindowName,
                        lpClassName,
                        dwExStyle};
    const HWND hwnd = headless::CreateWindowObject(cs, pClass, parent, owner);
    if (hwnd == nullptr)
        return nullptr;
    // A window that a hook refuses goes without a message, and without an error.
    if (headless::CreationHookRefuses(hwnd, &cs)) {
        headless::FreeWindow(hwnd);
        return nullptr;
    }
    if (!headless::RunCreationMessages(hwnd, &cs)) {
        if (FindWindowPtr(hwnd) != nullptr)
            DestroyWindow(hwnd);
        return nullptr;
    }
    headless::SendParentNotify(FindWindowPtr(hwnd), WM_CREATE);
    if ((dwStyle & WS_VISIBLE) && FindWindowPtr(hwnd) != nullptr)
        ShowWindow(hwnd, SW_SHOW);
    return FindWindowPtr(hwnd) != nullptr ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || headless::IsDesktop(hWnd))
        return FALSE;
    if (pWnd->bDestroying)
        return TRUE;
    headless::SendParentNotify(pWnd, WM_DESTROY);
    if ((pWnd = FindWindowPtr(hWnd)) != nullptr && (pWnd->style & WS_VISIBLE)) {
        if (headless::IsChildStyle(pWnd->style))
            ShowWindow(hWnd, SW_HIDE);
        else
            SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    if (FindWindowPtr(hWnd) == nullptr)
        return TRUE;
    if (GetActiveWindow() == hWnd)
        headless::ActivateOtherWindow(hWnd);
    // Owned windows go first, as their owner is about to disappear.
    std::vector<HWND> owned;
    if (!headless::OwnedWindows(hWnd, &owned))
        return FALSE;
    for (HWND h : owned)
        DestroyWindow(h);
    return FindWindowPtr(hWnd) == nullptr || headless::SendDestroyMessages(hWnd);
}

BOOL WINAPI IsWindow(HWND hWnd) {
    return FindWindowPtr(hWnd) != nullptr;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
    const Window* pWnd = FindWindowPtr(hWnd);
    return pWnd != nullptr && !(pWnd->style & WS_DISABLED);
}

// A window that is disabled loses the focus and the capture, as a disabled window cannot
// take input; the result says whether it was disabled before.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return FALSE;
    const BOOL bWasDisabled = (pWnd->style & WS_DISABLED) != 0;
    if (bEnable && bWasDisabled) {
        pWnd->style &= ~static_cast<DWORD>(WS_DISABLED);
        SendMessageA(hWnd, WM_ENABLE, TRUE, 0);
    } else if (!bEnable) {
        // Windows cancels modes even for a window that was disabled already.
        SendMessageA(hWnd, WM_CANCELMODE, 0, 0);
        if ((pWnd = FindWindowPtr(hWnd)) == nullptr || bWasDisabled)
            return bWasDisabled;
        pWnd->style |= WS_DISABLED;
        if (hWnd == GetFocus())
            SetFocus(nullptr);
        if (hWnd == GetCapture())
            ReleaseCapture();
        SendMessageA(hWnd, WM_ENABLE, FALSE, 0);
    }
    return bWasDisabled;
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
    for (const Window* pWnd = FindWindowPtr(hWnd); pWnd != nullptr;
         pWnd = FindWindowPtr(pWnd->parent)) {
        if (!(pWnd->style & WS_VISIBLE))
            return FALSE;
        if (headless::IsDesktop(pWnd->hwnd) || headless::IsDesktop(pWnd->parent))
            return TRUE;
    }
    return FALSE;
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) {
    const Window* pWnd = FindWindowPtr(hWnd);
    while (pWnd != nullptr && headless::IsChildStyle(pWnd->style)) {
        if (pWnd->parent == hWndParent)
            return TRUE;
        pWnd = FindWindowPtr(pWnd->parent);
    }
    return FALSE;
}

HWND WINAPI GetParent(HWND hWnd) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return nullptr;
    // A child of the desktop (as the list of a combo box is) names the desktop as its parent.
    if (pWnd->style & WS_CHILD)
        return pWnd->parent;
    return (pWnd->style & WS_POPUP) ? pWnd->owner : nullptr;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags) {
    const Window* pWnd = FindWindowPtr(hwnd);
    if (pWnd == nullptr || headless::IsDesktop(hwnd))
        return nullptr;
    switch (gaFlags) {
    case GA_PARENT:
        return pWnd->parent;
    case GA_ROOT:
    case GA_ROOTOWNER:
        while (!headless::IsDesktop(pWnd->parent))
            pWnd = FindWindowPtr(pWnd->parent);
        if (gaFlags == GA_ROOTOWNER) {
            while (pWnd->owner != nullptr)
                pWnd = FindWindowPtr(pWnd->owner);
        }
        return pWnd->hwnd;
    }
    return nullptr;
}

HWND WINAPI GetDesktopWindow(void) {
    return headless::DesktopWindow();
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return nullptr;
    if (uCmd == GW_CHILD)
        return pWnd->children.empty() ? nullptr : pWnd->children.front();
    if (uCmd == GW_OWNER)
        return pWnd->owner;
    const Window* pParent = FindWindowPtr(pWnd->parent);
    if (pParent == nullptr)
        return nullptr;
    const std::vector<HWND>& siblings = pParent->children;
    const auto it = std::find(siblings.begin(), siblings.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return it + 1 != siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV:
        return it != siblings.begin() ? *(it - 1) : nullptr;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    const Window* pDlg = FindWindowPtr(hDlg);
    if (pDlg == nullptr)
        return nullptr;
    const HWND hItem = headless::FirstChildWithId(*pDlg, nIDDlgItem);
    if (hItem == nullptr)
        SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return hItem;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
    const Window* pWnd = FindWindowPtr(hWnd);
    return pWnd != nullptr ? static_cast<int>(pWnd->id) : 0;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    switch (nIndex) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(pWnd->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(pWnd->hInstance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(headless::IsChildStyle(pWnd->style) ? pWnd->parent
                                                                              : pWnd->owner);
    case GWLP_ID:
        return static_cast<LONG_PTR>(pWnd->id);
    case GWL_STYLE:
        return static_cast<LONG>(pWnd->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(pWnd->exStyle);
    case GWLP_USERDATA:
        return pWnd->userData;
    }
    return headless::ReadExtra<LONG_PTR>(pWnd, nIndex);
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    LONG_PTR old = 0;
    switch (nIndex) {
    case GWLP_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(pWnd->proc);
        pWnd->proc = reinterpret_cast<WNDPROC>(dwNewLong);
        return old;
    case GWLP_HINSTANCE:
        old = reinterpret_cast<LONG_PTR>(pWnd->hInstance);
        pWnd->hInstance = reinterpret_cast<HINSTANCE>(dwNewLong);
        return old;
    case GWLP_HWNDPARENT:
        if (headless::IsChildStyle(pWnd->style))
            return 0;
        old = reinterpret_cast<LONG_PTR>(pWnd->owner);
        pWnd->owner = reinterpret_cast<HWND>(dwNewLong);
        return old;
    case GWLP_ID:
        old = static_cast<LONG_PTR>(pWnd->id);
        headless::ChangeId(pWnd, static_cast<UINT_PTR>(dwNewLong));
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return static_cast<LONG>(
            headless::ChangeStyle(hWnd, nIndex, static_cast<DWORD>(dwNewLong)));
    case GWLP_USERDATA:
        old = pWnd->userData;
        pWnd->userData = dwNewLong;
        return old;
    }
    return headless::ExchangeExtra(pWnd, nIndex, dwNewLong);
}

LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
    const Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    if (nIndex < 0)
        return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex));
    return headless::ReadExtra<LONG>(pWnd, nIndex);
}

LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr)
        return 0;
    if (nIndex < 0)
        return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, dwNewLong));
    return headless::ExchangeExtra(pWnd, nIndex, dwNewLong);
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    if (FindWindowPtr(hWnd) == nullptr)
        return FALSE;
    return static_cast<BOOL>(SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    lpString[0] = '\0';
    if (FindWindowPtr(hWnd) == nullptr)
        return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthA(HWND hWnd) {
    if (FindWindowPtr(hWnd) == nullptr)
        return 0;
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    const HWND hItem = GetDlgItem(hDlg, nIDDlgItem);
    return hItem != nullptr && SetWindowTextA(hItem, lpString);
}

// The buffer is emptied first, so that it holds a string also when there is no such control.
UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    if (lpString != nullptr && cchMax > 0)
        lpString[0] = '\0';
    const HWND hItem = GetDlgItem(hDlg, nIDDlgItem);
    return hItem != nullptr ? static_cast<UINT>(GetWindowTextA(hItem, lpString, cchMax)) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam) {
    const HWND hItem = GetDlgItem(hDlg, nIDDlgItem);
    return hItem != nullptr ? SendMessageA(hItem, Msg, wParam, lParam) : 0;
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    const HWND hItem = GetDlgItem(hDlg, nIDButton);
    if (hItem == nullptr)
        return FALSE;
    SendMessageA(hItem, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

BOOL WINAPI SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpString == nullptr)
        return FALSE;
    const auto it = headless::FindProp(pWnd, lpString);
    if (it != pWnd->props.end()) {
        it->second = hData;
        return TRUE;
    }
    char szAtom[8];
    const char* pszName = headless::PropName(lpString, szAtom);
    return headless::GrowStorage([&] { pWnd->props.emplace(pszName, hData); });
}

HANDLE WINAPI GetPropA(HWND hWnd, LPCSTR lpString) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpString == nullptr)
        return nullptr;
    const auto it = headless::FindProp(pWnd, lpString);
    return it != pWnd->props.end() ? it->second : nullptr;
}

HANDLE WINAPI RemovePropA(HWND hWnd, LPCSTR lpString) {
    Window* pWnd = FindWindowPtr(hWnd);
    if (pWnd == nullptr || lpString == nullptr)
        return nullptr;
    const auto it = headless::FindProp(pWnd, lpString);
    if (it == pWnd->props.end())
        return nullptr;
    const HANDLE hData = it->second;
    pWnd->props.erase(it);
    return hData;
}
