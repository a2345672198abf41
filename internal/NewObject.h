// Creating objects of the class framework's classes where running out of memory gives NULL.
#pragma once

#include <utility>

// A framework class allocates its objects with its own operator new, which throws when memory
// runs out (MFC's throws a CMemoryException*) and hides the global nothrow form. The library
// reports a failed allocation as its documented 0, so it catches the failure here.
template <typename T, typename... TArgs>
T* NewObject(TArgs&&... args) noexcept {
    try {
        return new T(std::forward<TArgs>(args)...);
    } catch (...) {
        return nullptr;
    }
}
