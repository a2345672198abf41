// What the message queue asks of the painting code.
#pragma once

#include "window.h"

namespace headless {

// The first visible window, in z-order and parent before children, with something to paint;
// only hwndFilter and its descendants when it is not NULL.
HWND NextWindowToPaint(HWND hwndFilter);
void ValidateAfterPaint(HWND hwnd);

} // namespace headless
