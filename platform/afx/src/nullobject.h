// MFC's GetSafeHwnd and GetSafeHandle answer NULL when called through a NULL object pointer, and
// MFC programs rely on it (GetDlgItem(nID)->GetSafeHwnd()). A compiler may assume that `this` is
// never null and drop a plain comparison, so the pointer is compared after a read it cannot see
// through.
#pragma once

namespace afx {

inline bool IsNullObject(const void* pObject) {
    const void* volatile pRead = pObject;
    return pRead == nullptr;
}

} // namespace afx
