#include "handleset.h"

namespace headless {

namespace {

constexpr size_t kFirstSize = 64;
// malloc's smallest chunk: two live blocks are at least this far apart.
constexpr unsigned kGranuleBits = sizeof(void*) == 8 ? 5 : 4;
// Blocks within one 64 KB window of addresses keep their order in the set, so that blocks
// allocated one after another are looked up in neighbouring slots; the windows themselves are
// spread by Fibonacci hashing, so that addresses a power of two apart do not pile up.
constexpr unsigned kWindowBits = 16;

} // namespace

size_t HandleSet::Home(uintptr_t key) const {
    const uint64_t window = static_cast<uint64_t>(key >> kWindowBits) * 0x9E3779B97F4A7C15ULL;
    const uint64_t inWindow = (key & ((uintptr_t{1} << kWindowBits) - 1)) >> kGranuleBits;
    const uint64_t home = ((window >> 32) << (kWindowBits - kGranuleBits)) ^ inWindow;
    return static_cast<size_t>(home) & (m_keys.size() - 1);
}

// The key's slot, or the empty slot that ends its probe run.
size_t HandleSet::IndexOf(uintptr_t key) const {
    size_t i = Home(key);
    while (m_keys[i] != 0 && m_keys[i] != key)
        i = Next(i);
    return i;
}

bool HandleSet::Contains(uintptr_t key) const {
    return m_nUsed != 0 && m_keys[IndexOf(key)] == key;
}

void HandleSet::Grow() {
    std::vector<uintptr_t> previous(m_keys.empty() ? kFirstSize : 2 * m_keys.size());
    previous.swap(m_keys); // m_keys is now the larger array, all empty
    for (const uintptr_t key : previous) {
        if (key != 0)
            m_keys[IndexOf(key)] = key;
    }
}

void HandleSet::Add(uintptr_t key) {
    if (2 * (m_nUsed + 1) > m_keys.size())
        Grow();
    m_keys[IndexOf(key)] = key;
    ++m_nUsed;
}

// Linear probing has no tombstones: each later key of the run that may not stay behind the hole
// moves into it, so that every key stays reachable from its home slot.
void HandleSet::Remove(uintptr_t key) {
    if (!Contains(key))
        return;
    size_t hole = IndexOf(key);
    for (size_t i = Next(hole); m_keys[i] != 0; i = Next(i)) {
        const size_t home = Home(m_keys[i]);
        // The key may stay only if its home lies cyclically in (hole, i].
        const bool bStays = hole < i ? (hole < home && home <= i) : (hole < home || home <= i);
        if (!bStays) {
            m_keys[hole] = m_keys[i];
            hole = i;
        }
    }
    m_keys[hole] = 0;
    --m_nUsed;
}

} // namespace headless
