// What MessageBoxA offers the test interface: the boxes it would have shown.
#pragma once

#include "headless_test.h"

namespace headless {

UINT GetMessageBoxCount();
BOOL GetMessageBox(UINT nIndex, HEADLESS_MESSAGEBOX* pOut);
void ClearMessageBoxes();

} // namespace headless
