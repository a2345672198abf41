// The calls the headless system records for the test interface, in place of drawing or showing
// anything: one list per kind of call, in call order. Records are
// kept only while a test asks for them, and only so many of each kind, so that a host or a
// previewer that runs on this system for hours does not grow.
#pragma once

#include "headless_test.h"
#include "lifetime.h"
#include "memory.h"

#include <windows.h>

#include <vector>

namespace headless {

struct RecordSwitch {
    bool bKeep = false;
};

inline void KeepRecords(BOOL bKeep) {
    ProcessLifetime<RecordSwitch>().bKeep = bKeep != FALSE;
}

template <typename T>
class CallRecords {
public:
    // Not kept, beyond the bound or without memory, the record is lost; the call itself still
    // succeeds.
    void Add(const T& record) {
        if (ProcessLifetime<RecordSwitch>().bKeep && m_records.size() < HEADLESS_RECORDS_MAX)
            GrowStorage([&] { m_records.push_back(record); });
    }
    UINT Count() const { return static_cast<UINT>(m_records.size()); }
    BOOL Get(UINT nIndex, T* pOut) const {
        if (nIndex >= m_records.size() || pOut == nullptr)
            return FALSE;
        *pOut = m_records[nIndex];
        return TRUE;
    }
    // The memory goes too.
    void Clear() { std::vector<T>().swap(m_records); }

private:
    std::vector<T> m_records;
};

// The one list of each kind of record, and what the test interface does with it.
template <typename T>
CallRecords<T>& Records() {
    return ProcessLifetime<CallRecords<T>>();
}
template <typename T>
UINT RecordCount() {
    return Records<T>().Count();
}
template <typename T>
BOOL GetRecord(UINT nIndex, T* pOut) {
    return Records<T>().Get(nIndex, pOut);
}
template <typename T>
void ClearRecords() {
    Records<T>().Clear();
}

} // namespace headless
