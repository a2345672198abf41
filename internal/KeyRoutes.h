// Which keys the controls of the controller's items hand to it in place of their own handling,
// when, and as which key: the one table every item's key handler reads. Function keys go from
// every item in every state, as themselves, before anything else is looked at.
#pragma once

#include <afxwin.h>

namespace item {

// The controls whose keys the table routes.
enum class KeyControl : BYTE {
    PushButton,
    CheckButton, // a check box or a radio button

    ComboBox,
    ListBox,
    Edit,
    MultiLineEdit,
    PullCombo,
};

// When a route holds: in any state, or only while the control's drop-down list is closed or
// open.
enum class ListState : BYTE { Any, Closed, Open };

struct KeyRoute {
    KeyControl control;
    UINT nKey;
    ListState when;
    UINT nHandedAs;
};

// Every other key is the control's own: Enter on a push button belongs to the dialog's default
// button, Up and Down move inside an open list, a list box and a multi-line edit. A list box
// hands Left and Right over as they are, and the controller takes them as Up and Down; a
// pull-down combo box, whose keys are its own, translates them itself.
inline constexpr KeyRoute kKeyRoutes[] = {
    {KeyControl::PushButton, VK_UP, ListState::Any, VK_UP},
    {KeyControl::PushButton, VK_DOWN, ListState::Any, VK_DOWN},
    {KeyControl::CheckButton, VK_UP, ListState::Any, VK_UP},
    {KeyControl::CheckButton, VK_DOWN, ListState::Any, VK_DOWN},
    {KeyControl::CheckButton, VK_RETURN, ListState::Any, VK_RETURN},
    {KeyControl::ComboBox, VK_UP, ListState::Closed, VK_UP},
    {KeyControl::ComboBox, VK_DOWN, ListState::Closed, VK_DOWN},
    {KeyControl::ComboBox, VK_RETURN, ListState::Any, VK_RETURN},
    {KeyControl::ComboBox, VK_SPACE, ListState::Closed, VK_RETURN},
    {KeyControl::ListBox, VK_LEFT, ListState::Any, VK_LEFT},
    {KeyControl::ListBox, VK_RIGHT, ListState::Any, VK_RIGHT},
    {KeyControl::ListBox, VK_RETURN, ListState::Any, VK_RETURN},
    {KeyControl::Edit, VK_UP, ListState::Any, VK_UP},
    {KeyControl::Edit, VK_DOWN, ListState::Any, VK_DOWN},
    {KeyControl::Edit, VK_RETURN, ListState::Any, VK_RETURN},
    {KeyControl::MultiLineEdit, VK_RETURN, ListState::Any, VK_RETURN},
    {KeyControl::PullCombo, VK_UP, ListState::Closed, VK_UP},
    {KeyControl::PullCombo, VK_DOWN, ListState::Closed, VK_DOWN},
    {KeyControl::PullCombo, VK_LEFT, ListState::Closed, VK_UP},
    {KeyControl::PullCombo, VK_RIGHT, ListState::Closed, VK_DOWN},
    {KeyControl::PullCombo, VK_SPACE, ListState::Closed, VK_RETURN},
    {KeyControl::PullCombo, VK_RETURN, ListState::Any, VK_RETURN},
};

inline bool IsFunctionKey(UINT nChar) {
    return nChar >= VK_F1 && nChar <= VK_F24;
}

inline bool HasList(KeyControl control) {
    return control == KeyControl::ComboBox || control == KeyControl::PullCombo;
}

// The key the control hands to the controller for nChar in its list's state, or 0 when the key
// is the control's own.
inline UINT HandedKey(KeyControl control, UINT nChar, bool bListOpen) {
    if (IsFunctionKey(nChar))
        return nChar;
    const ListState state = bListOpen ? ListState::Open : ListState::Closed;
    for (const KeyRoute& route : kKeyRoutes) {
        if (route.control == control && route.nKey == nChar &&
            (route.when == ListState::Any || route.when == state))
            return route.nHandedAs;
    }
    return 0;
}

} // namespace item
