// A window's input method closed, whoever opened it: CFep::FepAbsOff's work, for a caller that
// holds the window's handle rather than an object of it.
#pragma once

#include <afx.h>

void CloseWindowIme(HWND hWnd);
