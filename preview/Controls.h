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
    ScrollBar,
    Other // a class the previewer does not draw, such as a stand-in for a common control
};

ControlKind KindOf(HWND hwnd);
std::string ClassNameOf(HWND hwnd);
// The window's text as the control shows it, in code page 932: without the host's key markers
// (a parenthesised group holding the control characters 0x1E and 0x1F after the visible
// label) and, in a button or a static without SS_NOPREFIX, with a lone '&' taken as the mark of
// the mnemonic that follows it ("&&" is one '&'), whose byte offset goes to *pnMnemonic (-1 for
// none). Line breaks stay.
std::string ShownText(HWND hwnd, int* pnMnemonic = nullptr);
// Text on one line: line breaks and tabs as blanks.
std::string OneLine(std::string text);
// ShownText on one line, as a person reads it.
std::string Caption(HWND hwnd);
// What the window's input method is composing and has not committed, in code page 932.
std::string CompositionOf(HWND hwnd);
// The caret of an edit (the end of its selection), as a byte offset.
int CaretOf(HWND hwnd);
// The selected row of a combo box or list box, or -1.
int SelectedRow(HWND hwnd);
// The rows of a combo box or list box.
std::vector<std::string> Rows(HWND hwnd);
// The label a person reads for a field, by where it stands rather than where the template lists
// it: the nearest label to its left on its row, else the nearest one just above it (no farther
// than the field is high); empty when there is none.
std::string LabelOf(HWND hwnd);
// Check boxes, radio buttons, edits and lists hold a value; buttons, labels and frames none.
bool HoldsValue(ControlKind kind);
// A check box's glyph, [x], [-] or [ ] as it is checked, indeterminate or not; a radio
// button's, (*) or ( ).
std::string CheckGlyph(HWND hwnd);
// The value a person reads off the control: a check box's or radio button's state with its
// caption, an edit's text, a list's selected row.
std::string ValueOf(HWND hwnd);
