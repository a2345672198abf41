// Plain objects (no class of the framework) on the process heap, where an allocation can fail
// and say so.
#pragma once

#include <afx.h>

#include <new>
#include <utility>

// NULL when the heap has no room; the object is built in place and its constructor must not
// throw.
template <typename T, typename... TArgs>
T* HeapNew(TArgs&&... args) noexcept {
    void* p = HeapAlloc(GetProcessHeap(), 0, sizeof(T));
    return p != nullptr ? new (p) T(std::forward<TArgs>(args)...) : nullptr;
}

template <typename T>
void HeapDelete(T*& pObject) {
    if (pObject == nullptr)
        return;
    pObject->~T();
    HeapFree(GetProcessHeap(), 0, pObject);
    pObject = nullptr;
}
