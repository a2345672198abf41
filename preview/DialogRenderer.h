// Draws a dialog into character cells: its frame and title, then each visible control at the
// cells its template's dialog units give it (four horizontal and eight vertical units to a cell,
// the dialog font's average character), with the state it shows now.
//
//   +- title ---+    the dialog          [x] text  (*) text   check box, radio button
//   +- caption -+    a group box         [text|    ]          an edit; | is the caret
//   [ caption ]      a push button       [row       v]        a combo box, its open list below
//   < caption >      the default one     >                    left of the focus control
#pragma once

#include "Screen.h"

#include <windows.h>

// The dialog with one cell of frame on every side; an open drop-down list is drawn over what
// lies below its combo box.
Screen RenderDialog(HWND hDlg);
