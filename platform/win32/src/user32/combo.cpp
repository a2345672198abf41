// Combo boxes: a selection field and a list of its own (class "ComboLBox"). A drop-down list
// (CBS_DROPDOWNLIST) shows the selected item in its field, a drop-down combo box (CBS_DROPDOWN)
// has an edit there, and both drop their list, a child of the desktop, down under the field; a
// simple one (CBS_SIMPLE) has an edit over a list that it always shows as its own child. The
// list keeps no focus of its own: the combo box, or its edit, has it and hands the list its
// keys. Owner-drawn combo boxes with items of a fixed height.
#include "builtin_classes.h"
#include "controls.h"

#include <algorithm>
#include <climits>
#include <new>

namespace headless {
namespace {

// The list's and the edit's control IDs, as Windows gives them.
constexpr UINT kListId = 1000;
constexpr UINT kEditId = 1001;
// The sunken edge around the selection field.
constexpr int kBorder = 2;
// The selection field of a combo box with text is this much higher than its font.
constexpr int kFieldPadding = 4;
// An owner-drawn selection field is this much higher than the item height its owner asks for.
constexpr int kOwnerDrawnFieldPadding = 6;
// The edit stands this far inside the selection field.
constexpr int kEditPadding = 1;

struct ComboState {
    HWND self = nullptr;
    HWND hwndList = nullptr;
    HWND hwndEdit = nullptr;  // CBS_DROPDOWN and CBS_SIMPLE
    HWND hwndOwner = nullptr; // the parent at creation, which gets notifications and drawing
    DWORD style = 0;      // as created, CBS_HASSTRINGS for every combo box that is not owner-drawn
    int nFieldHeight = 0; // the selection field, inside the edge
    int nDroppedHeight = 0; // what the dropped list may take below the combo box
    int nDroppedWidth = 0;  // what CB_SETDROPPEDWIDTH asked for; 0 for the combo box's width
    bool bDropped = false;
    bool bFocused = false;
    bool bForwardingKey = false; // a key is with the list: its selection change keeps it open
    bool bPressed = false;     // the mouse button went down on the combo box and holds the capture
    bool bResizing = false;    // the combo box is setting its own height
    bool bBeenFocused = false; // its edit's text was selected when it first had the focus
    bool bSettingEditText = false; // the edit's text is the combo box's, not the user's typing
    HFONT hFont = nullptr;
};

bool IsOwnerDrawn(const ComboState& state) {
    return (state.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsSimple(const ComboState& state) {
    return (state.style & CBS_DROPDOWNLIST) == CBS_SIMPLE;
}

bool HasEdit(const ComboState& state) {
    return (state.style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST;
}

int ComboHeight(const ComboState& state) {
    return state.nFieldHeight + 2 * kBorder;
}

// The button at the right of the field; a simple combo box has none (an empty rectangle at the
// field's top, as Windows answers).
RECT ButtonRect(HWND hwnd, const ComboState& state) {
    RECT rc = {0, kBorder, 0, 0};
    if (IsSimple(state))
        return rc;
    GetClientRect(hwnd, &rc);
    rc.right -= kBorder;
    rc.left = rc.right - GetSystemMetrics(SM_CXVSCROLL);
    rc.top = kBorder;
    rc.bottom = rc.top + state.nFieldHeight;
    return rc;
}

// Inside the edge and left of the button; the edit of a combo box with one fills it less its
// padding.
RECT FieldRect(HWND hwnd, const ComboState& state) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    rc.left += kBorder;
    rc.top += kBorder;
    rc.right = IsSimple(state) ? rc.right - kBorder : ButtonRect(hwnd, state).left;
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = rc.top + state.nFieldHeight;
    if (HasEdit(state))
        InflateRect(&rc, -kEditPadding, -kEditPadding);
    return rc;
}

// Where the list's room starts below the field, in the combo box's client area.
int ListTop(const ComboState& state) {
    return kBorder + state.nFieldHeight - (HasEdit(state) ? kEditPadding : 0) + kBorder;
}

// The list is as wide as the combo box, or wider when the owner asked for it.
int DroppedWidth(HWND hwnd, const ComboState& state) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return std::max<int>(state.nDroppedWidth, rc.right - rc.left);
}

LRESULT ToList(const ComboState& state, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(state.hwndList, uMsg, wParam, lParam);
}

void SendFieldDrawItem(HWND hwnd, const ComboState& state, HDC hdc, const RECT& rc, int nSelected,
                       UINT uState) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemID = static_cast<UINT>(nSelected);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_COMBOBOXEDIT | uState;
    dis.hwndItem = hwnd;
    dis.hDC = hdc;
    dis.rcItem = rc;
    dis.itemData = static_cast<ULONG_PTR>(ToList(state, LB_GETITEMDATA, dis.itemID));
    SendMessageA(state.hwndOwner, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

// The text of item nItem of the list; false for no item, or without memory for the text.
bool ItemText(const ComboState& state, int nItem, std::string* pText) {
    const LRESULT cbText = nItem >= 0 ? ToList(state, LB_GETTEXTLEN, nItem) : LB_ERR;
    if (cbText == LB_ERR || !GrowStorage([&] { pText->resize(static_cast<size_t>(cbText)); }))
        return false;
    ToList(state, LB_GETTEXT, nItem, reinterpret_cast<LPARAM>(&(*pText)[0]));
    return true;
}

void DrawFieldText(const ComboState& state, HDC hdc, const RECT& rc, int nSelected,
                   bool bHighlighted) {
    std::string text;
    if (!ItemText(state, nSelected, &text))
        return;
    if (bHighlighted) {
        FillRect(hdc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    ExtTextOutA(hdc, rc.left + 1, rc.top + 1, ETO_OPAQUE | ETO_CLIPPED, &rc, text.data(),
                static_cast<UINT>(text.size()), nullptr);
}

// The selection field shows the selected item, highlighted while the combo box has the focus
// and its list is closed: its owner draws it, or its text is written. An edit shows its own.
void PaintField(HWND hwnd, const ComboState& state, HDC hdc) {
    const bool bEnabled = IsWindowEnabled(hwnd) != FALSE;
    const HBRUSH hbr =
        OwnerBrush(state.hwndOwner, hwnd, hdc, bEnabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    if (HasEdit(state))
        return;
    if (!bEnabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    RECT rc = FieldRect(hwnd, state);
    FillRect(hdc, &rc, hbr);
    InflateRect(&rc, -1, -1);
    const int nSelected = static_cast<int>(ToList(state, LB_GETCURSEL));
    const bool bHighlighted = state.bFocused && !state.bDropped;
    if (IsOwnerDrawn(state))
        SendFieldDrawItem(hwnd, state, hdc, rc, nSelected,
                          (bHighlighted ? ODS_SELECTED | ODS_FOCUS : 0) |
                              (bEnabled ? 0 : ODS_DISABLED));
    else
        DrawFieldText(state, hdc, rc, nSelected, bHighlighted);
}

// A change of the selection shows at once, as Windows draws it.
void RedrawField(HWND hwnd, const ComboState& state) {
    if (!IsWindowVisible(hwnd))
        return;
    ControlDc dc(hwnd, state.hFont);
    PaintField(hwnd, state, dc.Dc());
}

void InvalidateField(HWND hwnd, const ComboState& state) {
    const RECT rc = FieldRect(hwnd, state);
    InvalidateRect(hwnd, &rc, TRUE);
}

// What the combo box sends its edit is not the user's typing: the edit's notifications of it go
// to no one.
LRESULT ToEdit(HWND hwnd, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) {
    ComboState* pState = ControlState<ComboState>(hwnd);
    pState->bSettingEditText = true;
    const LRESULT lResult = SendMessageA(pState->hwndEdit, uMsg, wParam, lParam);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        pState->bSettingEditText = false;
    return lResult;
}

// The edit shows item nItem (nothing for none), all of it selected while the combo box has the
// focus.
void ShowInEdit(HWND hwnd, const ComboState& state, int nItem) {
    std::string text;
    ItemText(state, nItem, &text);
    ToEdit(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const ComboState* pState = ControlState<ComboState>(hwnd);
    if (pState != nullptr && pState->bFocused)
        ToEdit(hwnd, EM_SETSEL, 0, -1);
}

// The field shows the selection: the edit's text, or the field drawn again.
void ShowSelection(HWND hwnd, const ComboState& state) {
    if (HasEdit(state))
        ShowInEdit(hwnd, state, static_cast<int>(ToList(state, LB_GETCURSEL)));
    else
        RedrawField(hwnd, state);
}

// The first item that starts with the edit's text is the one the list selects when bSelect
// says so, and the one it shows and puts its caret on; -1 for none.
int FollowEditText(const ComboState& state, bool bSelect) {
    const std::string& text = TextOf(state.hwndEdit);
    const int nFound = text.empty()
                           ? -1
                           : static_cast<int>(ToList(state, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                     reinterpret_cast<LPARAM>(text.c_str())));
    ToList(state, LB_SETCURSEL, bSelect ? static_cast<WPARAM>(nFound) : static_cast<WPARAM>(-1));
    ToList(state, LB_SETCARETINDEX, static_cast<WPARAM>(std::max(0, nFound)));
    ToList(state, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(0, nFound)));
    return nFound;
}

// The list selects the item the edit's text begins, which the edit then shows whole (once the
// button that dropped the list is up, as in Wine); a list without an edit shows its selected
// item.
bool ShowSelectionInList(HWND hwnd, const ComboState& state) {
    if (!HasEdit(state)) {
        const LRESULT nSelected = ToList(state, LB_GETCURSEL);
        ToList(state, LB_SETTOPINDEX, nSelected == LB_ERR ? 0 : static_cast<WPARAM>(nSelected));
        return true;
    }
    const int nFound = FollowEditText(state, true);
    if (nFound >= 0 && !state.bPressed)
        ShowInEdit(hwnd, state, nFound);
    return IsWindow(hwnd) != FALSE;
}

// The list goes under the combo box, as wide as it, as high as its items need (or above the
// combo box when the screen ends below it).
void DropDown(HWND hwnd, ComboState* pState) {
    NotifyParent(hwnd, CBN_DROPDOWN);
    if ((pState = ControlState<ComboState>(hwnd)) == nullptr)
        return;
    pState->bDropped = true;
    if (!ShowSelectionInList(hwnd, *pState))
        return;
    RECT rcCombo, rcList;
    GetWindowRect(hwnd, &rcCombo);
    GetWindowRect(pState->hwndList, &rcList);
    int nHeight = std::max<int>(pState->nDroppedHeight, rcList.bottom - rcList.top);
    const int nItems = static_cast<int>(ToList(*pState, LB_GETCOUNT));
    if (nItems > 0) {
        const int nItemsHeight = nItems * static_cast<int>(ToList(*pState, LB_GETITEMHEIGHT));
        if (nItemsHeight < nHeight - kBorder)
            nHeight = nItemsHeight + kBorder;
    }
    int y = rcCombo.bottom;
    if (y + nHeight > GetSystemMetrics(SM_CYSCREEN))
        y = std::max(0, static_cast<int>(rcCombo.top) - nHeight);
    SetWindowPos(pState->hwndList, HWND_TOPMOST, rcCombo.left, y, DroppedWidth(hwnd, *pState),
                 nHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
    UpdateWindow(hwnd);
    if (GetCapture() != hwnd)
        SetCapture(pState->hwndList);
}

// The parent hears whether the choice stands, the list goes, the field shows the choice, and
// the parent hears the list has closed. Then the combo box sets its own position again,
// unchanged, with exactly SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE: this is the behaviour
// assumed of Windows after a list closes (Wine does not do it), by which a combo box that
// watches WM_WINDOWPOSCHANGING learns that its list has closed.
void RollUp(HWND hwnd, ComboState* pState, bool bOk) {
    NotifyParent(hwnd, bOk ? CBN_SELENDOK : CBN_SELENDCANCEL);
    if ((pState = ControlState<ComboState>(hwnd)) == nullptr || !pState->bDropped)
        return;
    pState->bDropped = false;
    ShowWindow(pState->hwndList, SW_HIDE);
    if (GetCapture() == pState->hwndList)
        ReleaseCapture();
    InvalidateField(hwnd, *pState);
    UpdateWindow(hwnd);
    NotifyParent(hwnd, CBN_CLOSEUP);
    if (!IsWindow(hwnd))
        return;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    SetWindowPos(hwnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A simple combo box shows its list always.
void FlipList(HWND hwnd, ComboState* pState) {
    if (IsSimple(*pState))
        return;
    if (pState->bDropped)
        RollUp(hwnd, pState, false);
    else
        DropDown(hwnd, pState);
}

// A simple combo box's list fills its client area below the field; the room is its list's.
void PlaceSimpleList(HWND hwnd, ComboState* pState) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    pState->nDroppedHeight = std::max(0, static_cast<int>(rc.bottom) - ListTop(*pState));
    SetWindowPos(pState->hwndList, nullptr, 0, ListTop(*pState), rc.right, pState->nDroppedHeight,
                 SWP_NOACTIVATE | SWP_NOZORDER);
}

// The list keeps its place under the combo box while it is hidden; a list that was down goes.
void PlaceList(HWND hwnd, ComboState* pState) {
    if (IsSimple(*pState)) {
        PlaceSimpleList(hwnd, pState);
        return;
    }
    RECT rc;
    GetWindowRect(hwnd, &rc);
    SetWindowPos(pState->hwndList, nullptr, rc.left, rc.bottom, DroppedWidth(hwnd, *pState),
                 pState->nDroppedHeight, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW);
    if (pState->bDropped) {
        pState->bDropped = false;
        ShowWindow(pState->hwndList, SW_HIDE);
    }
}

void PlaceChildren(HWND hwnd, ComboState* pState) {
    if (pState->hwndEdit != nullptr) {
        const RECT rc = FieldRect(hwnd, *pState);
        SetWindowPos(pState->hwndEdit, nullptr, rc.left, rc.top, rc.right - rc.left,
                     rc.bottom - rc.top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    PlaceList(hwnd, pState);
}

// A combo box that drops its list is always as high as its selection field; what it is given
// beyond that is the room of its list. A simple one keeps the height it is given.
void SetOwnHeight(HWND hwnd, ComboState* pState, UINT uFlags) {
    if (IsSimple(*pState))
        return;
    RECT rc;
    GetWindowRect(hwnd, &rc);
    pState->bResizing = true;
    SetWindowPos(hwnd, nullptr, 0, 0, rc.right - rc.left, ComboHeight(*pState),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | uFlags);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        pState->bResizing = false;
}

// Given another size, a combo box that drops its list takes its field's height again, a field at
// least as high as its font's (Wine), and a greater height becomes its list's room.
void KeepToField(HWND hwnd, ComboState* pState) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    const int nHeight = rc.bottom - rc.top;
    if (!IsOwnerDrawn(*pState))
        pState->nFieldHeight =
            std::max(pState->nFieldHeight, FontHeight(hwnd, pState->hFont) + kFieldPadding);
    if (nHeight > ComboHeight(*pState))
        pState->nDroppedHeight = nHeight - ComboHeight(*pState);
    if (nHeight != ComboHeight(*pState))
        SetOwnHeight(hwnd, pState, SWP_NOREDRAW);
}

LRESULT OnSize(HWND hwnd, ComboState* pState) {
    if (pState->bResizing || pState->hwndList == nullptr)
        return TRUE;
    if (!IsSimple(*pState))
        KeepToField(hwnd, pState);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        PlaceChildren(hwnd, pState);
    return TRUE;
}

// The owner of an owner-drawn combo box is asked for the height of the selection field and,
// with fixed item heights, for the height of the list's items.
void MeasureItems(HWND hwnd, ComboState* pState) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemID = static_cast<UINT>(-1);
    mis.itemWidth = static_cast<UINT>(rc.right);
    mis.itemHeight = static_cast<UINT>(pState->nFieldHeight - kOwnerDrawnFieldPadding);
    SendMessageA(pState->hwndOwner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    const int nTextHeight = pState->nFieldHeight;
    pState->nFieldHeight = kOwnerDrawnFieldPadding + static_cast<int>(mis.itemHeight);
    if (!(pState->style & CBS_OWNERDRAWFIXED))
        return;
    mis.itemID = 0;
    mis.itemHeight = static_cast<UINT>(nTextHeight);
    SendMessageA(pState->hwndOwner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    ToList(*pState, LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(mis.itemHeight));
}

// A simple combo box shows its list, with a sunken edge; a list that drops has a border.
DWORD ListStyle(const ComboState& state) {
    DWORD style = LBS_NOTIFY | LBS_COMBOBOX | WS_CLIPSIBLINGS | WS_CHILD |
                  (IsSimple(state) ? WS_VISIBLE : WS_BORDER) |
                  (state.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE));
    if (state.style & CBS_SORT)
        style |= LBS_SORT;
    if (state.style & CBS_HASSTRINGS)
        style |= LBS_HASSTRINGS;
    if (state.style & CBS_NOINTEGRALHEIGHT)
        style |= LBS_NOINTEGRALHEIGHT;
    return style;
}

// The list of a simple combo box is its child; one that drops is a child of the desktop, at its
// place under the combo box.
HWND CreateList(HWND hwnd, const ComboState& state, HINSTANCE hInstance) {
    RECT rc;
    if (IsSimple(state)) {
        GetClientRect(hwnd, &rc);
    } else {
        GetWindowRect(hwnd, &rc);
        rc.bottom = rc.top + ListTop(state) + state.nDroppedHeight;
    }
    rc.top += ListTop(state);
    return CreateWindowExA(IsSimple(state) ? WS_EX_CLIENTEDGE : WS_EX_TOOLWINDOW, "ComboLBox",
                           nullptr, ListStyle(state), rc.left, rc.top, rc.right - rc.left,
                           rc.bottom - rc.top, IsSimple(state) ? hwnd : GetDesktopWindow(),
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), hInstance,
                           hwnd);
}

HWND CreateEdit(HWND hwnd, const ComboState& state, HINSTANCE hInstance) {
    DWORD style = WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ES_LEFT | kEsCombo;
    if (state.style & CBS_AUTOHSCROLL)
        style |= ES_AUTOHSCROLL;
    if (!IsWindowEnabled(hwnd))
        style |= WS_DISABLED;
    const RECT rc = FieldRect(hwnd, state);
    return CreateWindowExA(
        0, "Edit", nullptr, style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hwnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), hInstance, nullptr);
}

LRESULT OnCreate(HWND hwnd, ComboState* pState, const CREATESTRUCTA* pcs) {
    pState->hwndOwner = pcs->hwndParent;
    const int nFontHeight = FontHeight(hwnd, nullptr);
    if (nFontHeight < 0)
        return -1;
    pState->nFieldHeight = nFontHeight + kFieldPadding;
    pState->nDroppedHeight = std::max(0, pcs->cy - ListTop(*pState));
    pState->hwndList = CreateList(hwnd, *pState, pcs->hInstance);
    if (pState->hwndList == nullptr)
        return -1;
    if (HasEdit(*pState) &&
        (pState->hwndEdit = CreateEdit(hwnd, *pState, pcs->hInstance)) == nullptr)
        return -1;
    if (IsOwnerDrawn(*pState))
        MeasureItems(hwnd, pState);
    SetOwnHeight(hwnd, pState, 0);
    return 0;
}

// Borders and scroll bars of the combo box's own window are taken away; the list has them.
LRESULT OnNcCreate(HWND hwnd, LPARAM lParam) {
    const DWORD style = StyleOf(hwnd) & ~static_cast<DWORD>(WS_BORDER | WS_HSCROLL | WS_VSCROLL);
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
    SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    ComboState* pState = ControlState<ComboState>(hwnd);
    pState->style = style;
    if (!IsOwnerDrawn(*pState))
        pState->style |= CBS_HASSTRINGS;
    if ((style & CBS_DROPDOWNLIST) == 0)
        pState->style |= CBS_SIMPLE;
    return DefWindowProcA(hwnd, WM_NCCREATE, 0, lParam);
}

// A simple combo box's list went with it, as its child.
LRESULT OnNcDestroy(HWND hwnd, const ComboState& state) {
    if (state.hwndList != nullptr && !IsSimple(state))
        DestroyWindow(state.hwndList);
    return DefWindowProcA(hwnd, WM_NCDESTROY, 0, 0);
}

LRESULT OnPaint(HWND hwnd, const ComboState& state, HDC hdcGiven) {
    ControlPaint paint(hwnd, hdcGiven, state.hFont);
    PaintField(hwnd, state, paint.Dc());
    return 0;
}

// The combo box, or its edit, has the focus.
void NoteFocus(HWND hwnd, ComboState* pState) {
    if (pState->bFocused)
        return;
    InvalidateField(hwnd, *pState);
    NotifyParent(hwnd, CBN_SETFOCUS);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        pState->bFocused = true;
}

// Losing the focus closes the list without a choice.
void LoseFocus(HWND hwnd, ComboState* pState) {
    if (!pState->bFocused)
        return;
    RollUp(hwnd, pState, false);
    if ((pState = ControlState<ComboState>(hwnd)) == nullptr)
        return;
    pState->bFocused = false;
    InvalidateField(hwnd, *pState);
    NotifyParent(hwnd, CBN_KILLFOCUS);
}

// A combo box with an edit hands the focus on to it, and the first time selects its text.
LRESULT OnSetFocus(HWND hwnd, ComboState* pState) {
    if (pState->hwndEdit == nullptr) {
        NoteFocus(hwnd, pState);
        return TRUE;
    }
    SetFocus(pState->hwndEdit);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr && !pState->bBeenFocused) {
        pState->bBeenFocused = true;
        SendMessageA(pState->hwndEdit, EM_SETSEL, 0, -1);
    }
    return TRUE;
}

// The focus going to the combo box's list stays with the combo box; when it goes on to the
// edit, the combo box has not yet taken it.
LRESULT OnKillFocus(HWND hwnd, ComboState* pState, HWND hwndNext) {
    if (hwndNext != pState->hwndList)
        LoseFocus(hwnd, pState);
    return TRUE;
}

// Enter and Escape close a dropped list, F4 drops or closes it; the other keys go to the list
// (to the edit, but for Up and Down, in a combo box with one), and a selection the list changes
// on a key while it shows keeps it shown.
LRESULT OnKeyDown(HWND hwnd, ComboState* pState, WPARAM vk, LPARAM lParam) {
    if ((vk == VK_RETURN || vk == VK_ESCAPE) && pState->bDropped) {
        RollUp(hwnd, pState, vk == VK_RETURN);
        return TRUE;
    }
    if (vk == VK_F4) {
        FlipList(hwnd, pState);
        return TRUE;
    }
    if (pState->hwndEdit != nullptr && vk != VK_UP && vk != VK_DOWN)
        return SendMessageA(pState->hwndEdit, WM_KEYDOWN, vk, lParam);
    pState->bForwardingKey = true;
    const LRESULT lResult = ToList(*pState, WM_KEYDOWN, vk, lParam);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        pState->bForwardingKey = false;
    return lResult;
}

// Alt+Up and Alt+Down drop or close the list.
LRESULT OnSysKeyDown(HWND hwnd, ComboState* pState, WPARAM vk, LPARAM lParam) {
    if ((HIWORD(lParam) & KF_ALTDOWN) && (vk == VK_UP || vk == VK_DOWN))
        FlipList(hwnd, pState);
    return 0;
}

// A press takes the focus. On a drop-down list, or the button of a drop-down combo box, it
// drops the list (and holds the capture until the release hands it to the list), or closes a
// dropped list with the choice made.
LRESULT OnLButtonDown(HWND hwnd, ComboState* pState, LPARAM lPoint) {
    if (!pState->bFocused)
        SetFocus(hwnd);
    if ((pState = ControlState<ComboState>(hwnd)) == nullptr || !pState->bFocused)
        return TRUE;
    const POINT pt = {static_cast<SHORT>(LOWORD(lPoint)), static_cast<SHORT>(HIWORD(lPoint))};
    const RECT rcButton = ButtonRect(hwnd, *pState);
    if (pState->hwndEdit != nullptr && !PtInRect(&rcButton, pt))
        return TRUE;
    if (pState->bDropped) {
        RollUp(hwnd, pState, true);
        if ((pState = ControlState<ComboState>(hwnd)) != nullptr && pState->bPressed) {
            pState->bPressed = false;
            ReleaseCapture();
        }
        return TRUE;
    }
    pState->bPressed = true;
    SetCapture(hwnd);
    DropDown(hwnd, pState);
    return TRUE;
}

// The release of a press that dropped the list hands the capture to the list.
LRESULT OnLButtonUp(HWND hwnd, ComboState* pState) {
    if (!pState->bPressed)
        return TRUE;
    pState->bPressed = false;
    if (HasEdit(*pState) && !ShowSelectionInList(hwnd, *pState))
        return TRUE;
    ReleaseCapture();
    SetCapture(ControlState<ComboState>(hwnd)->hwndList);
    return TRUE;
}

// A selection the list changes closes it with that choice, unless a key changed it while the
// list showed. The parent hears of the change before the field shows it.
LRESULT OnListCommand(HWND hwnd, ComboState* pState, WORD wCode) {
    switch (static_cast<SHORT>(wCode)) {
    case LBN_SELCHANGE:
    case LBN_SELCANCEL:
        if (!((pState->bDropped || IsSimple(*pState)) && pState->bForwardingKey))
            RollUp(hwnd, pState, wCode == LBN_SELCHANGE);
        NotifyParent(hwnd, CBN_SELCHANGE);
        if (wCode == LBN_SELCHANGE && (pState = ControlState<ComboState>(hwnd)) != nullptr)
            ShowSelection(hwnd, *pState);
        break;
    case LBN_DBLCLK:
        NotifyParent(hwnd, CBN_DBLCLK);
        break;
    case LBN_ERRSPACE:
        NotifyParent(hwnd, CBN_ERRSPACE);
        break;
    }
    return 0;
}

// The edit's focus is the combo box's; what the user types selects the item it begins while
// the list is dropped, and else no item (a simple combo box's too, as in Wine).
LRESULT OnEditCommand(HWND hwnd, ComboState* pState, WORD wCode) {
    if (wCode == EN_SETFOCUS)
        NoteFocus(hwnd, pState);
    else if (wCode == EN_KILLFOCUS)
        LoseFocus(hwnd, pState);
    if (pState->bSettingEditText)
        return 0;
    if (wCode == EN_CHANGE)
        FollowEditText(*pState, pState->bDropped);
    switch (wCode) {
    case EN_UPDATE:
        NotifyParent(hwnd, CBN_EDITUPDATE);
        break;
    case EN_CHANGE:
        NotifyParent(hwnd, CBN_EDITCHANGE);
        break;
    case EN_ERRSPACE:
        NotifyParent(hwnd, CBN_ERRSPACE);
        break;
    }
    return 0;
}

LRESULT OnCommand(HWND hwnd, ComboState* pState, WPARAM wParam, LPARAM lParam) {
    const HWND hwndFrom = reinterpret_cast<HWND>(lParam);
    if (hwndFrom == pState->hwndList)
        return OnListCommand(hwnd, pState, HIWORD(wParam));
    if (hwndFrom == pState->hwndEdit && hwndFrom != nullptr)
        return OnEditCommand(hwnd, pState, HIWORD(wParam));
    return 0;
}

// What the list asks of its owner goes to the combo box's owner as the combo box's own.
LRESULT ForwardItemRequest(HWND hwnd, const ComboState& state, UINT uMsg, LPARAM lParam) {
    const UINT uId = static_cast<UINT>(GetDlgCtrlID(hwnd));
    switch (uMsg) {
    case WM_DRAWITEM: {
        DRAWITEMSTRUCT* pDis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        pDis->CtlType = ODT_COMBOBOX;
        pDis->CtlID = uId;
        pDis->hwndItem = hwnd;
        break;
    }
    case WM_DELETEITEM: {
        DELETEITEMSTRUCT* pDis = reinterpret_cast<DELETEITEMSTRUCT*>(lParam);
        pDis->CtlType = ODT_COMBOBOX;
        pDis->CtlID = uId;
        pDis->hwndItem = hwnd;
        break;
    }
    case WM_MEASUREITEM: {
        MEASUREITEMSTRUCT* pMis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        pMis->CtlType = ODT_COMBOBOX;
        pMis->CtlID = uId;
        break;
    }
    }
    return SendMessageA(state.hwndOwner, uMsg, uId, lParam);
}

LRESULT OnSetFont(HWND hwnd, ComboState* pState, WPARAM wFont, LPARAM bRedraw) {
    pState->hFont = reinterpret_cast<HFONT>(wFont);
    const int nFontHeight = FontHeight(hwnd, pState->hFont);
    if (!IsOwnerDrawn(*pState) && nFontHeight >= 0)
        pState->nFieldHeight = nFontHeight + kFieldPadding;
    ToList(*pState, WM_SETFONT, wFont, bRedraw);
    if (pState->hwndEdit != nullptr)
        SendMessageA(pState->hwndEdit, WM_SETFONT, wFont, bRedraw);
    SetOwnHeight(hwnd, pState, 0);
    if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
        PlaceChildren(hwnd, pState);
    return TRUE;
}

// Height -1 is the selection field's, which keeps two pixels of its own, as in Wine; the
// others are the list's, which only an owner-drawn list lets change.
LRESULT OnSetItemHeight(HWND hwnd, ComboState* pState, WPARAM wIndex, LPARAM lHeight) {
    if (static_cast<int>(wIndex) == -1) {
        if (lHeight >= 32768)
            return CB_ERR;
        pState->nFieldHeight = static_cast<int>(lHeight) + 2;
        SetOwnHeight(hwnd, pState, 0);
        if ((pState = ControlState<ComboState>(hwnd)) != nullptr)
            PlaceChildren(hwnd, pState);
        return lHeight;
    }
    return IsOwnerDrawn(*pState) ? ToList(*pState, LB_SETITEMHEIGHT, wIndex, lHeight) : CB_ERR;
}

LRESULT OnSetCurSel(HWND hwnd, const ComboState& state, WPARAM wIndex) {
    const LRESULT lResult = ToList(state, LB_SETCURSEL, wIndex);
    if (lResult >= 0)
        ToList(state, LB_SETTOPINDEX, wIndex);
    ShowSelection(hwnd, state);
    return lResult;
}

LRESULT OnSelectString(HWND hwnd, const ComboState& state, WPARAM wStart, LPARAM lText) {
    const LRESULT lResult = ToList(state, LB_SELECTSTRING, wStart, lText);
    if (lResult >= 0 && HasEdit(state))
        ShowInEdit(hwnd, state, static_cast<int>(lResult));
    else if (lResult >= 0)
        InvalidateField(hwnd, state);
    return lResult;
}

LRESULT OnGetDroppedWidth(HWND hwnd, const ComboState& state) {
    return state.nDroppedWidth != 0 ? state.nDroppedWidth : DroppedWidth(hwnd, state);
}

// The top left corner of the combo box and the size of the list's room.
LRESULT OnGetDroppedControlRect(HWND hwnd, const ComboState& state, LPARAM lpRect) {
    RECT* pRect = reinterpret_cast<RECT*>(lpRect);
    if (pRect != nullptr) {
        GetWindowRect(hwnd, pRect);
        pRect->right = pRect->left + DroppedWidth(hwnd, state);
        pRect->bottom = pRect->top + state.nDroppedHeight;
    }
    return CB_OKAY;
}

// A width below the list's present one gives the list the combo box's width again; 0 changes
// nothing. The answer is the width asked for, or the combo box's.
LRESULT OnSetDroppedWidth(HWND hwnd, ComboState* pState, WPARAM wWidth) {
    const int nWidth = static_cast<int>(wWidth);
    if (IsSimple(*pState) || nWidth >= 32768)
        return CB_ERR;
    if (nWidth >= DroppedWidth(hwnd, *pState))
        pState->nDroppedWidth = nWidth;
    else if (nWidth != 0)
        pState->nDroppedWidth = 0;
    return OnGetDroppedWidth(hwnd, *pState);
}

// A combo box that is asked with a structure too small for the answer gives none.
LRESULT OnGetComboBoxInfo(HWND hwnd, const ComboState& state, LPARAM lpInfo) {
    COMBOBOXINFO* pInfo = reinterpret_cast<COMBOBOXINFO*>(lpInfo);
    if (pInfo == nullptr || pInfo->cbSize < sizeof(COMBOBOXINFO))
        return FALSE;
    pInfo->rcItem = FieldRect(hwnd, state);
    pInfo->rcButton = ButtonRect(hwnd, state);
    pInfo->stateButton = state.bPressed ? STATE_SYSTEM_PRESSED : 0;
    pInfo->hwndCombo = hwnd;
    pInfo->hwndItem = state.hwndEdit;
    pInfo->hwndList = state.hwndList;
    return TRUE;
}

// The text of a drop-down list combo box is its selected item's.
LRESULT OnGetText(const ComboState& state, WPARAM cchMax, LPARAM lpBuffer) {
    char* pszBuffer = reinterpret_cast<char*>(lpBuffer);
    if (pszBuffer == nullptr || cchMax == 0)
        return 0;
    pszBuffer[0] = '\0';
    std::string text;
    if (!ItemText(state, static_cast<int>(ToList(state, LB_GETCURSEL)), &text))
        return 0;
    const size_t cbCopy = std::min(text.size(), static_cast<size_t>(cchMax) - 1);
    text.copy(pszBuffer, cbCopy);
    pszBuffer[cbCopy] = '\0';
    return static_cast<LRESULT>(cbCopy);
}

LRESULT OnGetTextLength(const ComboState& state) {
    const LRESULT nSelected = ToList(state, LB_GETCURSEL);
    return nSelected >= 0 ? ToList(state, LB_GETTEXTLEN, nSelected) : 0;
}

LRESULT OnGetDlgCode(const ComboState& state, LPARAM lpMsg) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* pMsg = reinterpret_cast<const MSG*>(lpMsg);
    if (pMsg != nullptr && pMsg->message == WM_KEYDOWN && state.bDropped &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT OnEnable(HWND hwnd, const ComboState& state, WPARAM bEnable) {
    if (state.hwndEdit != nullptr)
        EnableWindow(state.hwndEdit, static_cast<BOOL>(bEnable));
    EnableWindow(state.hwndList, static_cast<BOOL>(bEnable));
    InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT OnShowDropDown(HWND hwnd, ComboState* pState, WPARAM bShow) {
    if (IsSimple(*pState))
        return TRUE;
    if (bShow && !pState->bDropped)
        DropDown(hwnd, pState);
    else if (!bShow && pState->bDropped)
        RollUp(hwnd, pState, false);
    return TRUE;
}

LRESULT OnResetContent(HWND hwnd, const ComboState& state) {
    ToList(state, LB_RESETCONTENT);
    if (HasEdit(state))
        ToEdit(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    else
        InvalidateRect(hwnd, nullptr, TRUE);
    return TRUE;
}

// What the edit answers for the combo box (lNoEdit without one); what it says of it meanwhile
// is not the user's typing.
LRESULT ForEdit(HWND hwnd, const ComboState& state, UINT uMsg, WPARAM wParam, LPARAM lParam,
                LRESULT lNoEdit) {
    return state.hwndEdit != nullptr ? ToEdit(hwnd, uMsg, wParam, lParam) : lNoEdit;
}

// The text of a combo box with an edit is the edit's.
LRESULT OnTextMessage(HWND hwnd, const ComboState& state, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (state.hwndEdit != nullptr)
        return ToEdit(hwnd, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_GETTEXT:
        return OnGetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return OnGetTextLength(state);
    }
    return CB_ERR;
}

LRESULT OnComboMessage(HWND hwnd, ComboState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case CB_ADDSTRING:
        return ToList(*pState, LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING:
        return ToList(*pState, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
        return ToList(*pState, LB_DELETESTRING, wParam);
    case CB_RESETCONTENT:
        return OnResetContent(hwnd, *pState);
    case CB_GETCOUNT:
        return ToList(*pState, LB_GETCOUNT);
    case CB_GETCURSEL:
        return ToList(*pState, LB_GETCURSEL);
    case CB_SETCURSEL:
        return OnSetCurSel(hwnd, *pState, wParam);
    case CB_GETLBTEXT:
        return ToList(*pState, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(*pState, LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING:
        return ToList(*pState, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return ToList(*pState, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING:
        return OnSelectString(hwnd, *pState, wParam, lParam);
    case CB_GETITEMDATA:
        return ToList(*pState, LB_GETITEMDATA, wParam);
    case CB_SETITEMDATA:
        return ToList(*pState, LB_SETITEMDATA, wParam, lParam);
    case CB_GETITEMHEIGHT:
        return static_cast<int>(wParam) >= 0 ? ToList(*pState, LB_GETITEMHEIGHT, wParam)
                                             : pState->nFieldHeight;
    case CB_SETITEMHEIGHT:
        return OnSetItemHeight(hwnd, pState, wParam, lParam);
    case CB_SHOWDROPDOWN:
        return OnShowDropDown(hwnd, pState, wParam);
    case CB_GETDROPPEDSTATE:
        return pState->bDropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        return OnGetDroppedControlRect(hwnd, *pState, lParam);
    case CB_SETDROPPEDWIDTH:
        return OnSetDroppedWidth(hwnd, pState, wParam);
    case CB_GETDROPPEDWIDTH:
        return OnGetDroppedWidth(hwnd, *pState);
    case CB_GETCOMBOBOXINFO:
        return OnGetComboBoxInfo(hwnd, *pState, lParam);
    case CB_GETEDITSEL:
        return ForEdit(hwnd, *pState, EM_GETSEL, wParam, lParam, CB_ERR);
    case CB_SETEDITSEL:
        return ForEdit(hwnd, *pState, EM_SETSEL,
                       static_cast<WPARAM>(static_cast<SHORT>(LOWORD(lParam))),
                       static_cast<SHORT>(HIWORD(lParam)), CB_ERR);
    case CB_LIMITTEXT:
        return ForEdit(hwnd, *pState, EM_LIMITTEXT, wParam, 0, TRUE);
    }
    return DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

LRESULT ComboMessage(ComboState* pState, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = pState->self;
    // The colours of the combo box and of its edit and list come from its owner, or are the
    // system's for a combo box without one.
    if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        return pState->hwndOwner != nullptr ? SendMessageA(pState->hwndOwner, uMsg, wParam, lParam)
                                            : DefWindowProcA(hwnd, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate(hwnd, pState, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_NCDESTROY:
        return OnNcDestroy(hwnd, *pState);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd, *pState, reinterpret_cast<HDC>(wParam));
    case WM_GETDLGCODE:
        return OnGetDlgCode(*pState, lParam);
    case WM_SIZE:
        return OnSize(hwnd, pState);
    case WM_SETFONT:
        return OnSetFont(hwnd, pState, wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(hwnd, pState);
    case WM_KILLFOCUS:
        return OnKillFocus(hwnd, pState, reinterpret_cast<HWND>(wParam));
    case WM_COMMAND:
        return OnCommand(hwnd, pState, wParam, lParam);
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETTEXT:
        return OnTextMessage(hwnd, *pState, uMsg, wParam, lParam);
    case WM_DRAWITEM:
    case WM_DELETEITEM:
    case WM_MEASUREITEM:
        return ForwardItemRequest(hwnd, *pState, uMsg, lParam);
    case WM_ENABLE:
        return OnEnable(hwnd, *pState, wParam);
    case WM_SETREDRAW:
        return ToList(*pState, WM_SETREDRAW, wParam);
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, pState, wParam, lParam);
    case WM_SYSKEYDOWN:
        return OnSysKeyDown(hwnd, pState, wParam, lParam);
    case WM_CHAR:
        return SendMessageA(pState->hwndEdit != nullptr ? pState->hwndEdit : pState->hwndList,
                            WM_CHAR, wParam, lParam);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(hwnd, pState, lParam);
    case WM_LBUTTONUP:
        return OnLButtonUp(hwnd, pState);
    }
    return OnComboMessage(hwnd, pState, uMsg, wParam, lParam);
}

} // namespace

void RegisterComboBoxClass() {
    RegisterControlClass("ComboBox", ControlProc<ComboState, ComboMessage, OnNcCreate>,
                         CS_PARENTDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
}

bool ComboTakesKey(HWND hwndEdit, UINT uMsg, WPARAM wKey, LPARAM lParam) {
    if (!(StyleOf(hwndEdit) & kEsCombo))
        return false;
    const HWND hwndCombo = GetParent(hwndEdit);
    switch (uMsg) {
    case WM_KEYDOWN:
        if (wKey != VK_F4 && wKey != VK_UP && wKey != VK_DOWN)
            return false;
        SendMessageA(hwndCombo, WM_KEYDOWN, wKey, lParam);
        return true;
    case WM_SYSKEYDOWN:
        if ((wKey != VK_UP && wKey != VK_DOWN) || !(HIWORD(lParam) & KF_ALTDOWN))
            return false;
        SendMessageA(hwndCombo, WM_SYSKEYDOWN, wKey, lParam);
        return true;
    case WM_CHAR:
        if ((wKey != VK_RETURN && wKey != VK_ESCAPE) ||
            !SendMessageA(hwndCombo, CB_GETDROPPEDSTATE, 0, 0))
            return false;
        SendMessageA(hwndCombo, WM_KEYDOWN, wKey, 0);
        return true;
    }
    return false;
}

bool ComboWantsDialogKey(HWND hwndEdit, const MSG* pMsg) {
    return (StyleOf(hwndEdit) & kEsCombo) && pMsg != nullptr && pMsg->message == WM_KEYDOWN &&
           (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE) &&
           SendMessageA(GetParent(hwndEdit), CB_GETDROPPEDSTATE, 0, 0);
}

} // namespace headless

BOOL WINAPI GetComboBoxInfo(HWND hwndCombo, PCOMBOBOXINFO pcbi) {
    return static_cast<BOOL>(
        SendMessageA(hwndCombo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(pcbi)));
}
