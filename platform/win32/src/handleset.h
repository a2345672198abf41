// The handles of the live global and heap blocks. Every allocation, lock and free looks its
// handle up, so the set is one flat array of keys searched by open addressing, with no node per
// handle and no record beside the key: a dialog of tens of thousands of fields then looks up
// within a few megabytes, and mostly within the lines it has just looked at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace headless {

class HandleSet {
public:
    // Whether a key is in the set.
    bool Contains(uintptr_t key) const;
    // Adds a key the set does not hold (0 is never one). Throws std::bad_alloc when the set
    // cannot grow, and is then unchanged.
    void Add(uintptr_t key);
    void Remove(uintptr_t key);

private:
    size_t Home(uintptr_t key) const;
    size_t Next(size_t i) const { return (i + 1) & (m_keys.size() - 1); }
    size_t IndexOf(uintptr_t key) const;
    void Grow();

    std::vector<uintptr_t> m_keys; // 0 for an empty slot; a power of two in size, at most half full
    size_t m_nUsed = 0;
};

} // namespace headless
