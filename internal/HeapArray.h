// Arrays of plain values on the process heap, where an allocation can fail and say so.
#pragma once

#include <afx.h>

template <typename T>
T* HeapAllocArray(UINT nCount) {
    return static_cast<T*>(HeapAlloc(GetProcessHeap(), 0, sizeof(T) * static_cast<SIZE_T>(nCount)));
}

template <typename T>
void HeapFreeArray(T*& pArray) {
    if (pArray != nullptr)
        HeapFree(GetProcessHeap(), 0, pArray);
    pArray = nullptr;
}
