// The maps from Win32 handles to the framework objects that wrap them: permanent objects the
// program attached, and temporary ones the framework makes for any other handle on demand.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <new>

namespace afx {

// The maps' entries come from the process heap, as the framework's objects do, so that a test
// can make adding one fail.
template <typename T>
struct ProcessHeapAllocator {
    using value_type = T;

    ProcessHeapAllocator() = default;
    template <typename U>
    ProcessHeapAllocator(const ProcessHeapAllocator<U>&) noexcept {}

    T* allocate(size_t n) {
        if (n > SIZE_MAX / sizeof(T))
            throw std::bad_alloc();
        if (void* p = HeapAlloc(GetProcessHeap(), 0, n * sizeof(T)))
            return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, size_t) noexcept { HeapFree(GetProcessHeap(), 0, p); }

    template <typename U>
    bool operator==(const ProcessHeapAllocator<U>&) const noexcept {
        return true;
    }
    template <typename U>
    bool operator!=(const ProcessHeapAllocator<U>&) const noexcept {
        return false;
    }
};

// Temporary objects are made as TTemporary, a class derived from TObject that adds no data, so
// that a map of general objects can hand out temporaries of the class a caller asked for.
template <typename TObject, typename THandle, THandle TObject::*Handle,
          typename TTemporary = TObject>
class HandleMap {
public:
    HandleMap() = default;
    HandleMap(const HandleMap&) = delete;
    HandleMap& operator=(const HandleMap&) = delete;

    ~HandleMap() { DeleteTemporaries(); }

    // Temporary objects let go of their handle before they go, so they never destroy what
    // they wrap.
    void DeleteTemporaries() {
        for (auto& entry : m_temporary) {
            entry.second->*Handle = nullptr;
            delete entry.second;
        }
        m_temporary.clear();
    }

    TObject* FindPermanent(THandle h) const {
        const auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }

    // Makes pObject the permanent object of h. FALSE when the object wraps a handle already,
    // when h is NULL or has an object already, or without memory.
    BOOL Attach(TObject* pObject, THandle h) {
        if (pObject->*Handle != nullptr || h == nullptr || !AddPermanent(h, pObject))
            return FALSE;
        pObject->*Handle = h;
        return TRUE;
    }

    // The handle pObject let go of, no longer its.
    THandle Detach(TObject* pObject) {
        const THandle h = pObject->*Handle;
        if (h != nullptr)
            RemovePermanent(h, pObject);
        pObject->*Handle = nullptr;
        return h;
    }

    TObject* FromHandle(THandle h) {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = FindPermanent(h))
            return pObject;
        const auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second;
        // Without memory for a temporary object the caller gets NULL, as for no handle.
        TObject* pTemporary;
        try {
            pTemporary = new TTemporary;
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        pTemporary->*Handle = h;
        try {
            m_temporary.emplace(h, pTemporary);
        } catch (const std::bad_alloc&) {
            pTemporary->*Handle = nullptr;
            delete pTemporary;
            return nullptr;
        }
        return pTemporary;
    }

private:
    bool AddPermanent(THandle h, TObject* pObject) {
        try {
            return m_permanent.emplace(h, pObject).second;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    void RemovePermanent(THandle h, const TObject* pObject) {
        const auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    using Map = std::unordered_map<THandle, TObject*, std::hash<THandle>, std::equal_to<THandle>,
                                   ProcessHeapAllocator<std::pair<const THandle, TObject*>>>;
    Map m_permanent;
    Map m_temporary;
};

} // namespace afx
