// Dialog navigation: the next or previous tab stop (GetNextDlgTabItem) and the next or previous
// control of a group (GetNextDlgGroupItem), through the dialog's controls in z-order and into the
// windows that hold controls of their own (WS_EX_CONTROLPARENT), as Windows walks them. The walks
// read the window tree directly, as they send no message, so that a dialog of tens of thousands
// of controls is walked in one pass.
#include "window.h"

#include <algorithm>
#include <utility>

namespace headless {
namespace {

bool IsShownAndEnabled(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

bool IsTabStop(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP) && IsShownAndEnabled(hwnd);
}

bool StartsAGroup(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP) != 0;
}

// A shown, enabled WS_EX_CONTROLPARENT window: its controls take its place among the dialog's.
bool OpensItsControls(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) && IsShownAndEnabled(hwnd);
}

const std::vector<HWND>& ChildrenOf(HWND hwnd) {
    static const std::vector<HWND> kNone;
    const Window* pWnd = FindWindowPtr(hwnd);
    return pWnd != nullptr ? pWnd->children : kNone;
}

// A window's place among its siblings, in z-order.
struct Place {
    const std::vector<HWND>* pSiblings;
    size_t nAt;
    HWND Window() const { return (*pSiblings)[nAt]; }
};

Place PlaceOf(HWND hwnd) {
    const std::vector<HWND>& siblings = ChildrenOf(GetParent(hwnd));
    const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
    return {&siblings, static_cast<size_t>(at - siblings.begin())};
}

// The first tab stop at nFrom or among the later (earlier) siblings, looking inside the windows
// that open their controls.
HWND TabStopFrom(const std::vector<HWND>& siblings, size_t nFrom, bool bPrevious) {
    for (size_t nAt = nFrom; nAt < siblings.size(); bPrevious ? --nAt : ++nAt) {
        const HWND hwnd = siblings[nAt];
        if (OpensItsControls(hwnd)) {
            const std::vector<HWND>& inside = ChildrenOf(hwnd);
            if (const HWND hwndInside =
                    TabStopFrom(inside, bPrevious ? inside.size() - 1 : 0, bPrevious))
                return hwndInside;
        } else if (IsTabStop(hwnd)) {
            return hwnd;
        }
    }
    return nullptr;
}

HWND FirstTabStop(HWND hDlg, bool bPrevious) {
    const std::vector<HWND>& controls = ChildrenOf(hDlg);
    return TabStopFrom(controls, bPrevious ? controls.size() - 1 : 0, bPrevious);
}

// After hCtl among its siblings, then after each of its parents among theirs; the dialog's own
// controls go round, its last followed by its first. hCtl itself when there is no other.
HWND TabStopAfter(HWND hDlg, HWND hCtl, bool bPrevious) {
    if (IsChild(hDlg, hCtl)) {
        for (HWND hwnd = hCtl; hwnd != hDlg; hwnd = GetParent(hwnd)) {
            const Place place = PlaceOf(hwnd);
            size_t nFrom = bPrevious ? place.nAt - 1 : place.nAt + 1;
            if (nFrom >= place.pSiblings->size() && GetParent(hwnd) == hDlg)
                nFrom = bPrevious ? place.pSiblings->size() - 1 : 0;
            if (const HWND hwndFound = TabStopFrom(*place.pSiblings, nFrom, bPrevious))
                return hwndFound;
        }
    }
    const HWND hwndFound = FirstTabStop(hDlg, bPrevious);
    return hwndFound != nullptr ? hwndFound : hCtl;
}

// The place after another in the dialog's order: the next sibling, or the next sibling of the
// nearest parent that has one; after the dialog's last control its first, which *pbWrapped
// tells. A window that opens its controls is replaced by its first control, and so on down.
Place NextInDialog(HWND hDlg, Place place, bool* pbWrapped) {
    while (place.nAt + 1 >= place.pSiblings->size()) {
        const HWND hwndParent = GetParent(place.Window());
        if (hwndParent == hDlg || hwndParent == nullptr) {
            *pbWrapped = true;
            place = {&ChildrenOf(hDlg), static_cast<size_t>(-1)};
            break;
        }
        place = PlaceOf(hwndParent);
    }
    ++place.nAt;
    while (OpensItsControls(place.Window()) && !ChildrenOf(place.Window()).empty())
        place = {&ChildrenOf(place.Window()), 0};
    return place;
}

// Windows walks forward from hCtl, whichever way it looks: the controls before the next WS_GROUP
// control end hCtl's group; past it the walk goes over the other groups, noting where the last
// one began, until it meets hCtl again, and then goes on from where hCtl's group begins. Of the
// group's shown, enabled controls the next is the first met, the previous the last met before
// hCtl; hCtl itself when there is no other. A walk goes round the dialog at most once, so one
// that never meets hCtl (a control the dialog's order does not reach) ends there.
HWND GroupNeighbour(HWND hDlg, HWND hCtl, bool bPrevious) {
    HWND hwndFound = hCtl;
    HWND hwndGroupStart = nullptr;
    bool bPassing = false;
    bool bWrapped = false;
    for (Place place = PlaceOf(hCtl);;) {
        bool bWrapsNow = false;
        place = NextInDialog(hDlg, place, &bWrapsNow);
        if (bWrapsNow && std::exchange(bWrapped, true))
            return hwndFound;
        if (StartsAGroup(place.Window())) {
            hwndGroupStart = place.Window();
            bPassing = true;
        }
        if (place.Window() == hCtl) {
            if (!bPassing || hwndGroupStart == hCtl)
                return hwndFound;
            place = PlaceOf(hwndGroupStart);
            bPassing = false;
            bWrapped = false;
        }
        if (!bPassing && IsShownAndEnabled(place.Window())) {
            hwndFound = place.Window();
            if (!bPrevious)
                return hwndFound;
        }
    }
}

} // namespace
} // namespace headless

// A control of hDlg itself stands for none; there is no previous control of none.
HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (hCtl == hDlg)
        hCtl = nullptr;
    if (hCtl == nullptr)
        return bPrevious ? nullptr : headless::FirstTabStop(hDlg, false);
    return headless::TabStopAfter(hDlg, hCtl, bPrevious != FALSE);
}

// Without a control, the next one is the dialog's first control when that one is shown and
// enabled.
HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    if (hCtl == hDlg)
        hCtl = nullptr;
    if (hCtl == nullptr) {
        if (bPrevious || (hCtl = GetWindow(hDlg, GW_CHILD)) == nullptr)
            return nullptr;
        if (headless::IsShownAndEnabled(hCtl))
            return hCtl;
    } else if (!IsChild(hDlg, hCtl)) {
        return nullptr;
    }
    return headless::GroupNeighbour(hDlg, hCtl, bPrevious != FALSE);
}
