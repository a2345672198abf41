// What a dialog's controls show, read through the Win32 API as any program can: the renderer
// draws it and the host prints it as the dialog's values.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    Label,
    Field,
    ComboBox,
    ListBox,
    Other
};

ControlKind KindOf(HWND hwnd);
// The window's text as a person reads it, in code page 932: without the host's key markers
// (a parenthesised group holding the control characters 0x1E and 0x1F after the visible
// label) and with line breaks and tabs as blanks.
std::string Caption(HWND hwnd);
// The caret of an edit (the end of its selection), as a byte offset.
int CaretOf(HWND hwnd);
// The selected row of a combo box or list box, or -1.
int SelectedRow(HWND hwnd);
// The rows of a combo box or list box.
std::vector<std::string> Rows(HWND hwnd);
// Check boxes, radio buttons, edits and lists hold a value; buttons, labels and frames none.
bool HoldsValue(ControlKind kind);
// The value a person reads off the control: a check box's or radio button's state with its
// caption, an edit's text, a list's selected row.
std::string ValueOf(HWND hwnd);
