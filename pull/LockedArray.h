// A movable global block seen as an array while it is locked.
#pragma once

#include <afx.h>

#include <algorithm>

// The count is the caller's, but never more than the block holds: a store's counts and blocks
// are public fields that its controls may set.
template <typename T>
class LockedArray {
public:
    LockedArray(HGLOBAL hMem, int nCount)
        : m_hMem(hMem), m_p(hMem != nullptr ? static_cast<T*>(GlobalLock(hMem)) : nullptr) {
        if (m_p != nullptr && nCount > 0)
            m_nCount = static_cast<int>(
                std::min<SIZE_T>(static_cast<SIZE_T>(nCount), GlobalSize(hMem) / sizeof(T)));
    }
    ~LockedArray() {
        if (m_p != nullptr)
            GlobalUnlock(m_hMem);
    }
    LockedArray(const LockedArray&) = delete;
    LockedArray& operator=(const LockedArray&) = delete;

    int Count() const { return m_nCount; }
    T& operator[](int i) const { return m_p[i]; }
    T* begin() const { return m_p; }
    T* end() const { return m_p + m_nCount; }

private:
    HGLOBAL m_hMem;
    T* m_p;
    int m_nCount = 0;
};
