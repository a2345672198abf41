// CObject: heap placement of every framework object.
#include "afx.h"

#include <new>

CObject::~CObject() = default;

void* PASCAL CObject::operator new(size_t nSize) {
    if (void* p = HeapAlloc(GetProcessHeap(), 0, nSize))
        return p;
    throw std::bad_alloc();
}

void PASCAL CObject::operator delete(void* p) noexcept {
    if (p != nullptr)
        HeapFree(GetProcessHeap(), 0, p);
}
