// A host whose dialog object holds the controller and that closes the dialog in its handler of
// one message, deleting the controller while the library is still busy with what caused it.
#pragma once

#include "CDlgSb.h"

namespace test {

struct ClosingHost {
    CDlgSb sb;
};

// From now on, the first `message` the dialog receives with this wParam deletes pHost and
// destroys the dialog.
void CloseOn(HWND hDlg, UINT message, WPARAM wParam, ClosingHost* pHost);

} // namespace test
