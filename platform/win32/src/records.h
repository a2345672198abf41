// The calls the headless system records for the test interface, in place of drawing or showing
// anything, and the IMM32 calls it logs: one list per kind of call, in call order.
#pragma once

#include "headless_test.h"
#include "lifetime.h"
#include "memory.h"

#include <windows.h>

#include <vector>

namespace headless {

template <typename T>
class CallRecords {
public:
    // Without memory the record is lost; the call itself still succeeds.
    void Add(const T& record) {
        GrowStorage([&] { m_records.push_back(record); });
    }
    UINT Count() const { return static_cast<UINT>(m_records.size()); }
    BOOL Get(UINT nIndex, T* pOut) const {
        if (nIndex >= m_records.size() || pOut == nullptr)
            return FALSE;
        *pOut = m_records[nIndex];
        return TRUE;
    }
    void Clear() { m_records.clear(); }

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
