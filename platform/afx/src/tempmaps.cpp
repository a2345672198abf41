// The temporary objects' lifetime: locking the temporary maps, and deleting the temporaries when
// the last lock ends at the thread's idle point.
#include "afxwin.h"

namespace {

// The framework runs on the host's user-interface thread only, as its handle maps do.
int g_nTempMapLock = 0;

} // namespace

void AFXAPI AfxLockTempMaps() {
    ++g_nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps) {
    if (g_nTempMapLock != 0 && --g_nTempMapLock == 0 && bDeleteTemps) {
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
    }
    return g_nTempMapLock != 0;
}
