// CObject: heap placement of every framework object.
#include "afx.h"

CObject::~CObject() = default;

void* CObject::operator new(size_t nSize) {
    if (void* p = HeapAlloc(GetProcessHeap(), 0, nSize))
        return p;
    throw std::bad_alloc();
}

void* CObject::operator new(size_t nSize, const std::nothrow_t&) noexcept {
    return HeapAlloc(GetProcessHeap(), 0, nSize);
}

void CObject::operator delete(void* p) noexcept {
    if (p != nullptr)
        HeapFree(GetProcessHeap(), 0, p);
}

void CObject::operator delete(void* p, const std::nothrow_t&) noexcept {
    CObject::operator delete(p);
}
