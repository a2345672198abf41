// List boxes, and the drop-down lists of combo boxes (class "ComboLBox"): items with text or
// data, sorted or in order, one selected item or (LBS_MULTIPLESEL, LBS_EXTENDEDSEL) any number,
// the caret, the anchor and their keys and clicks, owner-drawn items of a fixed height, and
// painting that asks the owner for its colours.
#include "builtin_classes.h"
#include "controls.h"
#include "dbcs.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>
#include <vector>

namespace headless {
namespace {

constexpr int kMaxItemHeight = 255;

// The items' texts stand one after another, each with its terminator, in one buffer of the
// list, so that a list of many rows is filled and emptied without an allocation for each row.
struct ListItem {
    size_t nText; // where the text starts in the list's buffer
    size_t cbText;
    ULONG_PTR data;
    bool bSelected; // in a list of several selected items
};

struct ListBoxState {
    HWND self = nullptr;
    HWND hwndOwner = nullptr; // the parent, or the combo box a drop-down list belongs to
    DWORD style = 0;          // as created
    std::vector<ListItem> items;
    std::string texts;
    size_t cbDeletedTexts = 0; // what the buffer still holds of deleted items' texts
    int nTop = 0;
    // The selected item; in a list of several selected items, the one the caret keys last
    // reached, or -1 for the caret item.
    int nSelected = -1;
    int nCaret = 0;   // the item with the focus rectangle
    int nAnchor = -1; // where a selection by range starts
    int nItemHeight = 1;
    bool bCaretShown = true; // a combo box's list shows no focus rectangle until it has focus
    bool bFocused = false;
    bool bTracking = false;        // the mouse button went down on an item and is still down
    bool bRedrawOff = false;       // WM_SETREDRAW FALSE: items are not repainted as they change
    bool bChangedWhileOff = false; // an item in view changed while the redraw was off
    HFONT hFont = nullptr;
};

bool IsOwnerDrawn(const ListBoxState& state) {
    return (state.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool HasStrings(const ListBoxState& state) {
    return !IsOwnerDrawn(state) || (state.style & LBS_HASSTRINGS);
}

// The selection style is the one the list was made with, whatever its window style says later
// (Wine agrees). A list that keeps several selections keeps them on its items, even under
// LBS_NOSEL, which only stops them changing.
bool KeepsSeveral(const ListBoxState& state) {
    return (state.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

bool IsExtended(const ListBoxState& state) {
    return (state.style & LBS_EXTENDEDSEL) != 0;
}

bool SelectsNothing(const ListBoxState& state) {
    return (state.style & LBS_NOSEL) != 0;
}

bool SelectsSeveral(const ListBoxState& state) {
    return KeepsSeveral(state) && !SelectsNothing(state);
}

bool Notifies(const ListBoxState& state) {
    return (state.style & LBS_NOTIFY) != 0;
}

int Count(const ListBoxState& state) {
    return static_cast<int>(state.items.size());
}

bool IsIndex(const ListBoxState& state, int nIndex) {
    return nIndex >= 0 && nIndex < Count(state);
}

const char* TextOf(const ListBoxState& state, const ListItem& item) {
    return state.texts.data() + item.nText;
}

const ListItem& ItemAt(const ListBoxState& state, int nIndex) {
    return state.items[static_cast<size_t>(nIndex)];
}

bool IsSelected(const ListBoxState& state, int nIndex) {
    return KeepsSeveral(state) ? ItemAt(state, nIndex).bSelected : nIndex == state.nSelected;
}

void Notify(HWND hwnd, const ListBoxState& state, WORD wCode) {
    NotifyOwner(state.hwndOwner, hwnd, wCode);
}

RECT ClientRect(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return rc;
}

int PageSize(HWND hwnd, const ListBoxState& state) {
    return std::max(1, static_cast<int>(ClientRect(hwnd).bottom) / state.nItemHeight);
}

// True when the item lies (partly) inside the client area.
bool ItemRect(HWND hwnd, const ListBoxState& state, int nIndex, RECT* pRect) {
    const RECT rcClient = ClientRect(hwnd);
    *pRect = rcClient;
    pRect->top = (nIndex - state.nTop) * state.nItemHeight;
    pRect->bottom = pRect->top + state.nItemHeight;
    return pRect->top < rcClient.bottom && pRect->bottom > 0 && rcClient.right > 0;
}

void SetTop(HWND hwnd, ListBoxState* pState, int nTop) {
    const int nMax = std::max(0, Count(*pState) - PageSize(hwnd, *pState));
    nTop = std::max(0, std::min(nTop, nMax));
    if (nTop == pState->nTop)
        return;
    pState->nTop = nTop;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MakeVisible(HWND hwnd, ListBoxState* pState, int nIndex) {
    const int nPage = PageSize(hwnd, *pState);
    if (nIndex < pState->nTop)
        SetTop(hwnd, pState, nIndex);
    else if (nIndex >= pState->nTop + nPage)
        SetTop(hwnd, pState, nIndex - nPage + 1);
}

void SendDrawItem(HWND hwnd, const ListBoxState& state, HDC hdc, const RECT& rc, int nIndex,
                  UINT uAction, bool bFocus) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemID = static_cast<UINT>(nIndex);
    dis.itemAction = uAction;
    if (IsSelected(state, nIndex))
        dis.itemState |= ODS_SELECTED;
    if (bFocus)
        dis.itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(hwnd))
        dis.itemState |= ODS_DISABLED;
    dis.hwndItem = hwnd;
    dis.hDC = hdc;
    dis.rcItem = rc;
    dis.itemData = state.items[static_cast<size_t>(nIndex)].data;
    SendMessageA(state.hwndOwner, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void DrawItemText(const ListBoxState& state, HDC hdc, const RECT& rc, int nIndex) {
    COLORREF crOldBack = 0, crOldText = 0;
    const bool bSelected = IsSelected(state, nIndex);
    if (bSelected) {
        crOldBack = SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        crOldText = SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const ListItem& item = ItemAt(state, nIndex);
    ExtTextOutA(hdc, rc.left + 1, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, TextOf(state, item),
                static_cast<UINT>(item.cbText), nullptr);
    if (bSelected) {
        SetBkColor(hdc, crOldBack);
        SetTextColor(hdc, crOldText);
    }
}

// An item's focus is drawn only when asked for: the whole list paints items without it and
// the focus item once more at the end.
void PaintItem(HWND hwnd, const ListBoxState& state, HDC hdc, const RECT& rc, int nIndex,
               UINT uAction, bool bIgnoreFocus) {
    const bool bFocus =
        !bIgnoreFocus && nIndex == state.nCaret && state.bCaretShown && state.bFocused;
    if (IsOwnerDrawn(state)) {
        if (IsIndex(state, nIndex))
            SendDrawItem(hwnd, state, hdc, rc, nIndex, uAction, bFocus);
        else if (uAction == ODA_FOCUS)
            DrawFocusRect(hdc, &rc);
        return;
    }
    if (uAction == ODA_FOCUS) {
        DrawFocusRect(hdc, &rc);
        return;
    }
    if (IsIndex(state, nIndex))
        DrawItemText(state, hdc, rc, nIndex);
    if (bFocus)
        DrawFocusRect(hdc, &rc);
}

// An item in view that changes while the redraw is off is only noted.
bool NoteIfRedrawOff(ListBoxState* pState) {
    pState->bChangedWhileOff = pState->bChangedWhileOff || pState->bRedrawOff;
    return pState->bRedrawOff;
}

// Selection changes are drawn at once, each item after its owner chose the colours.
void RepaintItem(HWND hwnd, ListBoxState* pState, int nIndex, UINT uAction) {
    const ListBoxState& state = *pState;
    RECT rc;
    if (!IsWindowVisible(hwnd) || !ItemRect(hwnd, state, nIndex, &rc) || NoteIfRedrawOff(pState))
        return;
    ControlDc dc(hwnd, state.hFont);
    OwnerBrush(state.hwndOwner, hwnd, dc.Dc(), WM_CTLCOLORLISTBOX);
    if (!IsWindowEnabled(hwnd))
        SetTextColor(dc.Dc(), GetSysColor(COLOR_GRAYTEXT));
    PaintItem(hwnd, state, dc.Dc(), rc, nIndex, uAction, true);
}

void DrawFocus(HWND hwnd, const ListBoxState& state, bool bOn) {
    RECT rc;
    if (!IsWindowVisible(hwnd) || !state.bCaretShown || !state.bFocused ||
        !ItemRect(hwnd, state, state.nCaret, &rc))
        return;
    ControlDc dc(hwnd, state.hFont);
    PaintItem(hwnd, state, dc.Dc(), rc, state.nCaret, ODA_FOCUS, !bOn);
}

// An item of a list of several selected items, drawn at once when it changes.
void SelectItem(HWND hwnd, ListBoxState* pState, int nIndex, bool bOn) {
    ListItem& item = pState->items[static_cast<size_t>(nIndex)];
    if (item.bSelected != bOn) {
        item.bSelected = bOn;
        RepaintItem(hwnd, pState, nIndex, ODA_SELECT);
    }
}

// Items first to last (-1 or past the end: the last).
LRESULT SelectRange(HWND hwnd, ListBoxState* pState, int nFirst, int nLast, bool bOn) {
    if (!SelectsSeveral(*pState))
        return LB_ERR;
    for (int i = std::max(0, nFirst); i < Count(*pState) && (nLast == -1 || i <= nLast); ++i)
        SelectItem(hwnd, pState, i, bOn);
    return LB_OKAY;
}

LRESULT SelectOne(HWND hwnd, ListBoxState* pState, int nIndex, bool bNotify) {
    const int nOld = pState->nSelected;
    if (nIndex == nOld)
        return LB_OKAY;
    pState->nSelected = nIndex;
    if (nOld != -1)
        RepaintItem(hwnd, pState, nOld, ODA_SELECT);
    if (nIndex != -1)
        RepaintItem(hwnd, pState, nIndex, ODA_SELECT);
    if (bNotify && !pState->items.empty())
        Notify(hwnd, *pState, nIndex != -1 ? LBN_SELCHANGE : LBN_SELCANCEL);
    return LB_OKAY;
}

// Item nIndex (-1: every item) selected or not. A list of one selected item selects nIndex
// whatever bOn says; under LBS_NOSEL the list only notes the item as its current one.
LRESULT SetSelection(HWND hwnd, ListBoxState* pState, int nIndex, bool bOn, bool bNotify) {
    if (SelectsNothing(*pState)) {
        pState->nSelected = nIndex;
        return LB_ERR;
    }
    if (nIndex < -1 || nIndex >= Count(*pState))
        return LB_ERR;
    if (KeepsSeveral(*pState))
        return nIndex == -1 ? SelectRange(hwnd, pState, 0, -1, bOn)
                            : SelectRange(hwnd, pState, nIndex, nIndex, bOn);
    return SelectOne(hwnd, pState, nIndex, bNotify);
}

LRESULT SetCaretIndex(HWND hwnd, ListBoxState* pState, int nIndex) {
    if (SelectsNothing(*pState) || !IsIndex(*pState, nIndex))
        return LB_ERR;
    const bool bChanged = pState->nCaret != nIndex;
    if (bChanged) {
        DrawFocus(hwnd, *pState, false);
        pState->nCaret = nIndex;
    }
    MakeVisible(hwnd, pState, nIndex);
    if (bChanged)
        DrawFocus(hwnd, *pState, true);
    return LB_OKAY;
}

// An extended selection runs from the anchor to the caret item, and nothing else is selected.
void SelectFromAnchor(HWND hwnd, ListBoxState* pState, int nCaret) {
    const int nFirst = std::min(nCaret, pState->nAnchor);
    const int nLast = std::max(nCaret, pState->nAnchor);
    if (SelectsSeveral(*pState)) {
        for (int i = 0; i < Count(*pState); ++i)
            SelectItem(hwnd, pState, i, i >= nFirst && i <= nLast);
    }
}

// The focus leaves the old item, the selection follows (a single one moves, an extended one
// reaches from the anchor, multiple ones stay), and the focus comes to the new item, drawn in
// this order as Windows draws it.
void MoveCaret(HWND hwnd, ListBoxState* pState, int nIndex) {
    if (!IsIndex(*pState, nIndex))
        return;
    DrawFocus(hwnd, *pState, false);
    if (IsExtended(*pState) && pState->nAnchor != -1)
        SelectFromAnchor(hwnd, pState, nIndex);
    else if (!KeepsSeveral(*pState))
        SetSelection(hwnd, pState, nIndex, true, false);
    pState->nCaret = nIndex;
    MakeVisible(hwnd, pState, nIndex);
    DrawFocus(hwnd, *pState, true);
}

// Letters compare without regard to case; a double-byte character compares as its two bytes.
bool StartsWithNoCase(const char* pszText, size_t cbText, const char* pszPrefix) {
    const size_t cbPrefix = std::strlen(pszPrefix);
    if (cbPrefix > cbText)
        return false;
    for (size_t i = 0; i < cbPrefix; ++i) {
        const BYTE a = static_cast<BYTE>(pszText[i]);
        const BYTE b = static_cast<BYTE>(pszPrefix[i]);
        if (IsLeadByte932(a) && i + 1 < cbPrefix) {
            if (a != b || pszText[i + 1] != pszPrefix[i + 1])
                return false;
            ++i;
        } else if (std::toupper(a) != std::toupper(b)) {
            return false;
        }
    }
    return true;
}

bool Matches(const ListBoxState& state, int nIndex, LPARAM lKey, bool bExact) {
    const ListItem& item = ItemAt(state, nIndex);
    if (!HasStrings(state))
        return item.data == static_cast<ULONG_PTR>(lKey);
    const char* pszKey = reinterpret_cast<const char*>(lKey);
    return bExact ? lstrcmpiA(TextOf(state, item), pszKey) == 0
                  : StartsWithNoCase(TextOf(state, item), item.cbText, pszKey);
}

// The first match after nStart, going round; a list of texts finds nothing for an empty key.
LRESULT FindItem(const ListBoxState& state, int nStart, LPARAM lKey, bool bExact) {
    if (HasStrings(state)) {
        const char* pszKey = reinterpret_cast<const char*>(lKey);
        if (pszKey == nullptr || *pszKey == '\0')
            return LB_ERR;
    }
    const int nCount = Count(state);
    int nIndex = nStart + 1 < nCount && nStart + 1 >= 0 ? nStart + 1 : 0;
    for (int i = 0; i < nCount; ++i, nIndex = (nIndex + 1) % nCount) {
        if (Matches(state, nIndex, lKey, bExact))
            return nIndex;
    }
    return LB_ERR;
}

// A sorted list places a text before the first that does not sort before it.
int SortedPosition(const ListBoxState& state, const char* pszText) {
    if (!(state.style & LBS_SORT))
        return Count(state);
    const auto at = std::lower_bound(state.items.begin(), state.items.end(), pszText,
                                     [&](const ListItem& item, const char* psz) {
                                         return lstrcmpiA(TextOf(state, item), psz) < 0;
                                     });
    return static_cast<int>(at - state.items.begin());
}

void InvalidateFrom(HWND hwnd, ListBoxState* pState, int nIndex) {
    RECT rc;
    if (ItemRect(hwnd, *pState, nIndex, &rc) && !NoteIfRedrawOff(pState)) {
        rc.bottom = ClientRect(hwnd).bottom;
        InvalidateRect(hwnd, &rc, TRUE);
    }
}

// Turned on again after a change in view, the list is repainted whole, as Wine's is.
LRESULT SetRedraw(HWND hwnd, ListBoxState* pState, WPARAM bRedraw) {
    if (!bRedraw) {
        pState->bRedrawOff = true;
        return 0;
    }
    if (pState->bChangedWhileOff)
        InvalidateRect(hwnd, nullptr, TRUE);
    pState->bRedrawOff = false;
    pState->bChangedWhileOff = false;
    return 0;
}

LRESULT InsertItem(HWND hwnd, ListBoxState* pState, int nIndex, LPARAM lParam) {
    if (nIndex == -1)
        nIndex = Count(*pState);
    if (nIndex < 0 || nIndex > Count(*pState))
        return LB_ERR;
    ListItem item = {pState->texts.size(), 0, 0, false};
    const char* pszText = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
    if (HasStrings(*pState))
        item.cbText = std::strlen(pszText);
    else
        item.data = static_cast<ULONG_PTR>(lParam);
    if (!GrowStorage([&] {
            // Room first, so that a failure leaves no text behind. The room doubles as a
            // vector's does, so that filling a list copies its items a few times, not once a row.
            std::vector<ListItem>& items = pState->items;
            if (items.size() == items.capacity())
                items.reserve(2 * items.size() + 1);
            if (HasStrings(*pState))
                pState->texts.append(pszText, item.cbText + 1);
            pState->items.insert(pState->items.begin() + nIndex, item);
        })) {
        Notify(hwnd, *pState, LBN_ERRSPACE);
        return LB_ERRSPACE;
    }
    InvalidateFrom(hwnd, pState, nIndex);
    if (Count(*pState) == 1)
        SetCaretIndex(hwnd, pState, 0);
    else if (nIndex <= pState->nSelected)
        ++pState->nSelected;
    return nIndex;
}

LRESULT AddString(HWND hwnd, ListBoxState* pState, LPARAM lParam) {
    const int nIndex =
        HasStrings(*pState)
            ? SortedPosition(*pState, lParam != 0 ? reinterpret_cast<const char*>(lParam) : "")
            : Count(*pState);
    return InsertItem(hwnd, pState, nIndex, lParam);
}

// Items with data, or of an owner-drawn list, are announced to the owner as they go.
void SendDeleteItem(HWND hwnd, const ListBoxState& state, int nIndex) {
    const ULONG_PTR data = ItemAt(state, nIndex).data;
    if (!IsOwnerDrawn(state) && data == 0)
        return;
    DELETEITEMSTRUCT dis = {};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemID = static_cast<UINT>(nIndex);
    dis.hwndItem = hwnd;
    dis.itemData = data;
    SendMessageA(state.hwndOwner, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

// The buffers keep their room for the next items.
void ResetContent(HWND hwnd, ListBoxState* pState) {
    for (int i = Count(*pState) - 1; i >= 0; --i)
        SendDeleteItem(hwnd, *pState, i);
    pState->items.clear();
    pState->texts.clear();
    pState->cbDeletedTexts = 0;
    pState->nTop = 0;
    pState->nSelected = -1;
    pState->nCaret = 0;
    pState->nAnchor = -1;
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Once deleted items' texts fill half the buffer, the texts that remain move together; without
// memory for that, the buffer stays as it is.
void CompactTexts(ListBoxState* pState) {
    if (pState->cbDeletedTexts <= pState->texts.size() / 2)
        return;
    std::string texts;
    if (!GrowStorage([&] { texts.reserve(pState->texts.size() - pState->cbDeletedTexts); }))
        return;
    for (ListItem& item : pState->items) {
        const size_t nText = texts.size();
        texts.append(TextOf(*pState, item), item.cbText + 1);
        item.nText = nText;
    }
    pState->texts.swap(texts);
    pState->cbDeletedTexts = 0;
}

// The selected item of a list of one follows the items after a deletion; a list of several
// keeps its current item's number, as Windows does.
void FollowDeletion(int* pnSelected, int nDeleted) {
    if (nDeleted == *pnSelected)
        *pnSelected = -1;
    else if (nDeleted < *pnSelected)
        --*pnSelected;
}

// The result is the number of items left.
LRESULT DeleteString(HWND hwnd, ListBoxState* pState, int nIndex) {
    if (!IsIndex(*pState, nIndex))
        return LB_ERR;
    InvalidateFrom(hwnd, pState, nIndex);
    if (Count(*pState) == 1) {
        ResetContent(hwnd, pState);
        return 0;
    }
    SendDeleteItem(hwnd, *pState, nIndex);
    if (HasStrings(*pState))
        pState->cbDeletedTexts += ItemAt(*pState, nIndex).cbText + 1;
    pState->items.erase(pState->items.begin() + nIndex);
    CompactTexts(pState);
    pState->nAnchor = std::min(pState->nAnchor, Count(*pState) - 1);
    if (!SelectsSeveral(*pState))
        FollowDeletion(&pState->nSelected, nIndex);
    pState->nCaret = std::max(0, std::min(pState->nCaret, Count(*pState) - 1));
    SetTop(hwnd, pState, pState->nTop);
    return Count(*pState);
}

LRESULT GetText(const ListBoxState& state, int nIndex, LPARAM lpBuffer) {
    if (!IsIndex(state, nIndex))
        return LB_ERR;
    const ListItem& item = ItemAt(state, nIndex);
    if (!HasStrings(state)) {
        if (lpBuffer != 0)
            std::memcpy(reinterpret_cast<void*>(lpBuffer), &item.data, sizeof(item.data));
        return sizeof(item.data);
    }
    if (lpBuffer != 0)
        std::memcpy(reinterpret_cast<char*>(lpBuffer), TextOf(state, item), item.cbText + 1);
    return static_cast<LRESULT>(item.cbText);
}

LRESULT GetTextLength(const ListBoxState& state, int nIndex) {
    if (!IsIndex(state, nIndex))
        return LB_ERR;
    return HasStrings(state) ? static_cast<LRESULT>(ItemAt(state, nIndex).cbText)
                             : static_cast<LRESULT>(sizeof(ULONG_PTR));
}

LRESULT SelectString(HWND hwnd, ListBoxState* pState, int nStart, LPARAM lKey) {
    const LRESULT nIndex = FindItem(*pState, nStart, lKey, false);
    if (nIndex != LB_ERR) {
        MoveCaret(hwnd, pState, static_cast<int>(nIndex));
        SetSelection(hwnd, pState, static_cast<int>(nIndex), true, false);
    }
    return nIndex;
}

// Only a list of one selected item has a selection to set.
LRESULT SetCurSel(HWND hwnd, ListBoxState* pState, int nIndex) {
    if (SelectsSeveral(*pState))
        return LB_ERR;
    SetCaretIndex(hwnd, pState, nIndex);
    if (SetSelection(hwnd, pState, nIndex, true, false) == LB_ERR)
        return LB_ERR;
    return pState->nSelected;
}

LRESULT SetItemHeight(HWND hwnd, ListBoxState* pState, LPARAM lHeight) {
    if (lHeight > kMaxItemHeight)
        return LB_ERR;
    const int nHeight = std::max(1, static_cast<int>(lHeight));
    if (nHeight != pState->nItemHeight) {
        pState->nItemHeight = nHeight;
        SetTop(hwnd, pState, pState->nTop);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return LB_OKAY;
}

// An empty list still has a rectangle for its first item.
LRESULT GetItemRect(HWND hwnd, const ListBoxState& state, int nIndex, LPARAM lpRect) {
    RECT* pRect = reinterpret_cast<RECT*>(lpRect);
    if (pRect == nullptr || (nIndex != 0 && !IsIndex(state, nIndex))) {
        if (pRect != nullptr)
            SetRectEmpty(pRect);
        return LB_ERR;
    }
    return ItemRect(hwnd, state, nIndex, pRect) ? 1 : 0;
}

// Where a key takes the caret: the caret keys, and Space in an extended list, which selects
// the caret item alone; -1 for other keys.
int KeyTarget(HWND hwnd, const ListBoxState& state, WPARAM vk) {
    const int nLast = Count(state) - 1;
    const int nPage = PageSize(hwnd, state);
    switch (vk) {
    case VK_LEFT:
    case VK_UP:
        return std::max(0, state.nCaret - 1);
    case VK_RIGHT:
    case VK_DOWN:
        return std::min(nLast, state.nCaret + 1);
    case VK_PRIOR:
        return std::max(0, state.nCaret - nPage + 1);
    case VK_NEXT:
        return std::min(nLast, state.nCaret + nPage - 1);
    case VK_HOME:
        return 0;
    case VK_END:
        return nLast;
    case VK_SPACE:
        return IsExtended(state) ? state.nCaret : -1;
    }
    return -1;
}

// A key that moves the caret selects the item it reaches (in a list of one) or the items from
// the anchor (in an extended list, the anchor moving along unless Shift is down); the
// notification comes even when the caret stays where it was. While the selected item of a
// list of one is not the caret item, such a key selects the caret item instead of moving. In a
// list of multiple selections Space turns the caret item's selection over.
LRESULT OnKeyDown(HWND hwnd, ListBoxState* pState, WPARAM vk) {
    int nTarget = KeyTarget(hwnd, *pState, vk);
    const bool bMovesCaret = nTarget >= 0 || vk == VK_SPACE;
    if (vk == VK_SPACE && KeepsSeveral(*pState) && !IsExtended(*pState))
        SetSelection(hwnd, pState, pState->nCaret, !IsSelected(*pState, pState->nCaret), false);
    if (bMovesCaret && !SelectsSeveral(*pState) && pState->nSelected != pState->nCaret)
        nTarget = pState->nCaret;
    if (nTarget < 0 || pState->items.empty())
        return 0;
    if (!SelectsSeveral(*pState) || (IsExtended(*pState) && !(GetKeyState(VK_SHIFT) & 0x8000)))
        pState->nAnchor = nTarget;
    MoveCaret(hwnd, pState, nTarget);
    if (KeepsSeveral(*pState))
        pState->nSelected = nTarget;
    if (Notifies(*pState))
        Notify(hwnd, *pState, LBN_SELCHANGE);
    return 0;
}

// A typed character moves the caret (and a list of one's selection) to the next item that starts
// with it.
LRESULT OnChar(HWND hwnd, ListBoxState* pState, WPARAM wChar) {
    const char key[2] = {static_cast<char>(wChar), '\0'};
    const LRESULT nFound = FindItem(*pState, pState->nCaret, reinterpret_cast<LPARAM>(key), false);
    if (nFound == LB_ERR)
        return 0;
    MoveCaret(hwnd, pState, static_cast<int>(nFound));
    if (Notifies(*pState))
        Notify(hwnd, *pState, LBN_SELCHANGE);
    return 0;
}

bool IsComboList(const ListBoxState& state) {
    return (state.style & LBS_COMBOBOX) != 0;
}

// A combo box's list leaves the focus to the combo box, or to its edit.
HWND FocusTarget(HWND hwnd, const ListBoxState& state) {
    if (!IsComboList(state))
        return hwnd;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(state.hwndOwner, &info);
    return info.hwndItem != nullptr ? info.hwndItem : state.hwndOwner;
}

// The item at height y of the client area: one above the top is the top one, and there is none
// below the last.
int ItemFromPoint(const ListBoxState& state, int y) {
    const int nIndex = std::max(0, state.nTop + y / state.nItemHeight);
    return IsIndex(state, nIndex) ? nIndex : -1;
}

// LB_ITEMFROMPOINT: the item nearest the point, in the low word, and in the high word whether
// the point lies outside the client area or below the last item.
LRESULT OnItemFromPoint(HWND hwnd, const ListBoxState& state, LPARAM lPoint) {
    if (state.items.empty())
        return MAKELONG(0xFFFF, 1);
    const RECT rc = ClientRect(hwnd);
    const POINT pt = {static_cast<SHORT>(LOWORD(lPoint)), static_cast<SHORT>(HIWORD(lPoint))};
    const int y = std::max(0, std::min(static_cast<int>(pt.y), static_cast<int>(rc.bottom) - 1));
    const int nIndex = ItemFromPoint(state, y);
    const bool bOutside = !PtInRect(&rc, pt) || nIndex == -1;
    return MAKELONG(nIndex != -1 ? nIndex : Count(state) - 1, bOutside ? 1 : 0);
}

// What a click selects in a list of several: Ctrl turns the item over, an extended list keeps
// what its caret move made of it, a list of multiple selections turns it over. A list of one
// selects the item whatever the answer.
bool ClickSelects(const ListBoxState& state, int nIndex, WPARAM keys) {
    if (IsExtended(state) && !(keys & MK_CONTROL))
        return IsSelected(state, nIndex);
    return !IsSelected(state, nIndex);
}

// A press outside a combo box's list closes it without a choice; on an item it selects it (or,
// in a list of several, as ClickSelects says; Shift keeps the anchor, Ctrl the others), and
// its release reports the choice.
LRESULT OnLButtonDown(HWND hwnd, ListBoxState* pState, WPARAM keys, LPARAM lParam) {
    const POINT pt = {static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    const RECT rcClient = ClientRect(hwnd);
    if (IsComboList(*pState) && !PtInRect(&rcClient, pt)) {
        SendMessageA(pState->hwndOwner, CB_SHOWDROPDOWN, FALSE, 0);
        return 0;
    }
    if (!pState->bFocused)
        SetFocus(FocusTarget(hwnd, *pState));
    pState = ControlState<ListBoxState>(hwnd);
    if (pState == nullptr)
        return 0;
    const int nIndex = ItemFromPoint(*pState, pt.y);
    if (nIndex == -1)
        return 0;
    pState->bTracking = true;
    SetCapture(hwnd);
    if (!KeepsSeveral(*pState) || !(keys & MK_SHIFT))
        pState->nAnchor = nIndex;
    if (KeepsSeveral(*pState) && (keys & MK_CONTROL))
        SetCaretIndex(hwnd, pState, nIndex);
    else
        MoveCaret(hwnd, pState, nIndex);
    SetSelection(hwnd, pState, nIndex, ClickSelects(*pState, nIndex, keys), Notifies(*pState));
    return 0;
}

LRESULT OnLButtonUp(HWND hwnd, ListBoxState* pState) {
    if (!pState->bTracking)
        return 0;
    pState->bTracking = false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (Notifies(*pState) && !pState->items.empty())
        Notify(hwnd, *pState, LBN_SELCHANGE);
    return 0;
}

// Focus changes are reported whether or not the list has LBS_NOTIFY, as Windows does.
LRESULT OnSetFocus(HWND hwnd, ListBoxState* pState) {
    pState->bFocused = true;
    pState->bCaretShown = true;
    DrawFocus(hwnd, *pState, true);
    Notify(hwnd, *pState, LBN_SETFOCUS);
    return 0;
}

LRESULT OnKillFocus(HWND hwnd, ListBoxState* pState) {
    OnLButtonUp(hwnd, pState);
    pState->bFocused = false;
    if (pState->bCaretShown)
        RepaintItem(hwnd, pState, pState->nCaret, ODA_FOCUS);
    Notify(hwnd, *pState, LBN_KILLFOCUS);
    return 0;
}

LRESULT OnPaint(HWND hwnd, const ListBoxState& state, HDC hdcGiven) {
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    const HDC hdc = paint.Dc();
    const RECT rcClient = paint.Client();
    const HBRUSH hbr = OwnerBrush(state.hwndOwner, hwnd, hdc, WM_CTLCOLORLISTBOX);
    if (!IsOwnerDrawn(state))
        FillRect(hdc, &rcClient, hbr);
    if (!IsWindowEnabled(hwnd))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    RECT rc;
    for (int i = state.nTop; i < Count(state) && ItemRect(hwnd, state, i, &rc); ++i)
        PaintItem(hwnd, state, hdc, rc, i, ODA_DRAWENTIRE, true);
    if (state.bCaretShown && state.bFocused && ItemRect(hwnd, state, state.nCaret, &rc))
        PaintItem(hwnd, state, hdc, rc, state.nCaret, ODA_FOCUS, false);
    return 0;
}

// The owner of an owner-drawn list fills its background.
LRESULT OnEraseBackground(HWND hwnd, const ListBoxState& state, HDC hdc) {
    if (IsOwnerDrawn(state)) {
        const RECT rc = ClientRect(hwnd);
        FillRect(hdc, &rc, OwnerBrush(state.hwndOwner, hwnd, hdc, WM_CTLCOLORLISTBOX));
    }
    return 1;
}

LRESULT OnSetFont(HWND hwnd, ListBoxState* pState, WPARAM wFont, LPARAM bRedraw) {
    SetControlFont(hwnd, pState, wFont, bRedraw);
    const int nFontHeight = FontHeight(hwnd, pState->hFont);
    if (!IsOwnerDrawn(*pState) && nFontHeight >= 0)
        SetItemHeight(hwnd, pState, nFontHeight);
    return 0;
}

// A list shows whole items only: its height is cut to a multiple of the item height.
LRESULT OnSize(HWND hwnd, ListBoxState* pState) {
    const int nHeight = ClientRect(hwnd).bottom;
    const int nRemaining = nHeight % pState->nItemHeight;
    if (!(pState->style & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE)) &&
        nHeight > pState->nItemHeight && nRemaining != 0) {
        RECT rcWindow;
        GetWindowRect(hwnd, &rcWindow);
        SetWindowPos(hwnd, nullptr, 0, 0, rcWindow.right - rcWindow.left,
                     rcWindow.bottom - rcWindow.top - nRemaining,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        return 0;
    }
    SetTop(hwnd, pState, pState->nTop);
    return 0;
}

// The item height of an owner-drawn list is its owner's answer; a combo box's list gets its
// item height from the combo box, which has asked for it already.
void MeasureItems(HWND hwnd, ListBoxState* pState) {
    if (!(pState->style & LBS_OWNERDRAWFIXED) || IsComboList(*pState))
        return;
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemID = static_cast<UINT>(-1);
    mis.itemHeight = static_cast<UINT>(pState->nItemHeight);
    SendMessageA(pState->hwndOwner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    pState->nItemHeight = std::max(1, static_cast<int>(mis.itemHeight));
}

LRESULT OnCreate(HWND hwnd, ListBoxState* pState, const CREATESTRUCTA* pcs) {
    pState->style = static_cast<DWORD>(pcs->style);
    pState->hwndOwner =
        IsComboList(*pState) ? static_cast<HWND>(pcs->lpCreateParams) : GetParent(hwnd);
    pState->bCaretShown = !IsComboList(*pState);
    pState->nItemHeight = FontHeight(hwnd, nullptr);
    if (pState->nItemHeight < 0)
        return -1;
    MeasureItems(hwnd, pState);
    return 0;
}

// A list of several selected items answers its current item, or else its caret item.
LRESULT GetCurSel(const ListBoxState& state) {
    if (state.items.empty())
        return LB_ERR;
    return !SelectsSeveral(state) || state.nSelected != -1 ? state.nSelected : state.nCaret;
}

// Selecting an item (or every item, -1) also makes it the anchor and the caret item.
LRESULT SetSel(HWND hwnd, ListBoxState* pState, bool bOn, int nIndex) {
    const LRESULT lResult = SetSelection(hwnd, pState, nIndex, bOn, false);
    if (lResult == LB_ERR || !bOn)
        return lResult;
    pState->nAnchor = nIndex;
    if (nIndex != -1)
        SetCaretIndex(hwnd, pState, nIndex);
    return lResult;
}

// The selected items in order, at most nMax of them; with no array, their count.
LRESULT GetSelItems(const ListBoxState& state, size_t nMax, int* pItems) {
    if (!SelectsSeveral(state))
        return LB_ERR;
    size_t nFound = 0;
    for (int i = 0; i < Count(state) && nFound < nMax; ++i) {
        if (!IsSelected(state, i))
            continue;
        if (pItems != nullptr)
            pItems[nFound] = i;
        ++nFound;
    }
    return static_cast<LRESULT>(nFound);
}

LRESULT SetAnchorIndex(ListBoxState* pState, int nIndex) {
    if (nIndex < -1 || nIndex >= Count(*pState))
        return LB_ERR;
    pState->nAnchor = nIndex;
    return LB_OKAY;
}

// A list of one selected item keeps its caret on the selection.
LRESULT OnSetCaretIndex(HWND hwnd, ListBoxState* pState, int nIndex) {
    if (!SelectsSeveral(*pState) && pState->nSelected != -1)
        return LB_ERR;
    return SetCaretIndex(hwnd, pState, nIndex);
}

LRESULT OnListMessage(HWND hwnd, ListBoxState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const int nIndex = static_cast<int>(wParam);
    switch (uMsg) {
    case LB_ADDSTRING:
        return AddString(hwnd, pState, lParam);
    case LB_INSERTSTRING:
        return InsertItem(hwnd, pState, nIndex, lParam);
    case LB_DELETESTRING:
        return DeleteString(hwnd, pState, nIndex);
    case LB_RESETCONTENT:
        ResetContent(hwnd, pState);
        return 0;
    case LB_GETCOUNT:
        return Count(*pState);
    case LB_GETTEXT:
        return GetText(*pState, nIndex, lParam);
    case LB_GETTEXTLEN:
        return GetTextLength(*pState, nIndex);
    case LB_GETITEMDATA:
        return IsIndex(*pState, nIndex) ? static_cast<LRESULT>(pState->items[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!IsIndex(*pState, nIndex))
            return LB_ERR;
        pState->items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return TRUE;
    case LB_FINDSTRING:
        return FindItem(*pState, nIndex, lParam, false);
    case LB_FINDSTRINGEXACT:
        return FindItem(*pState, nIndex, lParam, true);
    case LB_SELECTSTRING:
        return SelectString(hwnd, pState, nIndex, lParam);
    case LB_GETTOPINDEX:
        return pState->nTop;
    case LB_SETTOPINDEX:
        SetTop(hwnd, pState, nIndex);
        return LB_OKAY;
    case LB_GETITEMHEIGHT:
        return pState->nItemHeight;
    case LB_SETITEMHEIGHT:
        return SetItemHeight(hwnd, pState, lParam);
    case LB_GETITEMRECT:
        return GetItemRect(hwnd, *pState, nIndex, lParam);
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

// LB_SELITEMRANGE takes its items as two unsigned words in either order; LB_SELITEMRANGEEX
// takes them as numbers, and in the order last, first it unselects them.
LRESULT OnSelectionMessage(HWND hwnd, ListBoxState* pState, UINT uMsg, WPARAM wParam,
                           LPARAM lParam) {
    const int nIndex = static_cast<int>(wParam);
    const int nOther = static_cast<int>(lParam);
    switch (uMsg) {
    case LB_GETCURSEL:
        return GetCurSel(*pState);
    case LB_SETCURSEL:
        return SetCurSel(hwnd, pState, nIndex);
    case LB_GETSEL:
        return IsIndex(*pState, nIndex) ? IsSelected(*pState, nIndex) : LB_ERR;
    case LB_SETSEL:
        return SetSel(hwnd, pState, wParam != FALSE, nOther);
    case LB_GETSELCOUNT:
        return GetSelItems(*pState, SIZE_MAX, nullptr);
    case LB_GETSELITEMS:
        return GetSelItems(*pState, wParam, reinterpret_cast<int*>(lParam));
    case LB_SELITEMRANGE:
        return SelectRange(hwnd, pState, std::min(LOWORD(lParam), HIWORD(lParam)),
                           std::max(LOWORD(lParam), HIWORD(lParam)), wParam != FALSE);
    case LB_SELITEMRANGEEX:
        return nOther >= nIndex ? SelectRange(hwnd, pState, nIndex, nOther, true)
                                : SelectRange(hwnd, pState, nOther, nIndex, false);
    case LB_GETANCHORINDEX:
        return pState->nAnchor;
    case LB_SETANCHORINDEX:
        return SetAnchorIndex(pState, nIndex);
    case LB_GETCARETINDEX:
        return pState->nCaret;
    case LB_SETCARETINDEX:
        return OnSetCaretIndex(hwnd, pState, nIndex);
    case LB_ITEMFROMPOINT:
        return OnItemFromPoint(hwnd, *pState, lParam);
    }
    return OnListMessage(hwnd, pState, uMsg, wParam, lParam);
}

LRESULT ListBoxMessage(ListBoxState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate(hwnd, pState, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        ResetContent(hwnd, pState);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND:
        return OnEraseBackground(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        return OnPaint(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
        return OnSize(hwnd, pState);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_SETREDRAW:
        return SetRedraw(hwnd, pState, wParam);
    case WM_SETFONT:
        return OnSetFont(hwnd, pState, wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, pState);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, pState);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, pState, wParam);
    case WM_CHAR:
        return OnChar(hwnd, pState, wParam);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, pState, wParam, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, pState);
    }
    return OnSelectionMessage(hwnd, pState, uMsg, wParam, lParam);
}

} // namespace

void RegisterListBoxClasses() {
    RegisterControlClass("ListBox", ControlProc<ListBoxState, ListBoxMessage>,
                         CS_DBLCLKS | CS_PARENTDC);
    RegisterControlClass("ComboLBox", ControlProc<ListBoxState, ListBoxMessage>,
                         CS_DBLCLKS | CS_SAVEBITS);
}

} // namespace headless
