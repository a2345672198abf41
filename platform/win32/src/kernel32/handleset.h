// The handles of the live global and heap blocks. Every allocation, lock and free looks its
// handle up. Handles are malloc addresses (past a header), aligned to malloc's alignment, so the
// set is a bitmap of aligned addresses, one per megabyte of addresses in use: blocks allocated
// one after another are then marked in the same few cache lines, where a hash table would put
// each in a line of its own, and a dialog of tens of thousands of fields would wait on memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace headless {

class HandleSet {
public:
    bool Contains(const void* p) const;
    // Adds an aligned address the set does not hold. Throws std::bad_alloc when the set cannot
    // grow, and is then unchanged.
    void Add(const void* p);
    // Removes an address the set holds: its callers have looked the handle up already.
    void Remove(const void* p);

    // One bit for each address malloc may return, a bitmap for each megabyte.
    static constexpr unsigned kGranuleBits = alignof(std::max_align_t) == 16 ? 4 : 3;
    static constexpr unsigned kRegionBits = 20;

private:
    struct Region {
        static constexpr size_t kBits = size_t{1} << (kRegionBits - kGranuleBits);
        uint64_t bits[kBits / 64] = {};
        size_t nUsed = 0;

        bool Test(size_t n) const { return (bits[n / 64] >> (n % 64)) & 1; }
        void Set(size_t n) { bits[n / 64] |= uint64_t{1} << (n % 64); }
        void Clear(size_t n) { bits[n / 64] &= ~(uint64_t{1} << (n % 64)); }
    };

    // The region of an address, or none; the last one found is remembered, as look-ups come in
    // runs.
    Region* FindRegion(uintptr_t nRegion) const;

    std::unordered_map<uintptr_t, std::unique_ptr<Region>> m_regions;
    mutable uintptr_t m_nLastRegion = 0;
    mutable Region* m_pLastRegion = nullptr;
};

} // namespace headless
