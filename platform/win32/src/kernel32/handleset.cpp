#include "handleset.h"

namespace headless {

namespace {

constexpr unsigned kGranuleBits = HandleSet::kGranuleBits;
constexpr unsigned kRegionBits = HandleSet::kRegionBits;

uintptr_t RegionOf(uintptr_t address) {
    return address >> kRegionBits;
}

size_t BitOf(uintptr_t address) {
    return (address & ((uintptr_t{1} << kRegionBits) - 1)) >> kGranuleBits;
}

bool IsAligned(uintptr_t address) {
    return (address & ((uintptr_t{1} << kGranuleBits) - 1)) == 0;
}

} // namespace

HandleSet::Region* HandleSet::FindRegion(uintptr_t nRegion) const {
    if (m_pLastRegion != nullptr && m_nLastRegion == nRegion)
        return m_pLastRegion;
    const auto it = m_regions.find(nRegion);
    if (it == m_regions.end())
        return nullptr;
    m_nLastRegion = nRegion;
    m_pLastRegion = it->second.get();
    return m_pLastRegion;
}

bool HandleSet::Contains(const void* p) const {
    const auto address = reinterpret_cast<uintptr_t>(p);
    if (!IsAligned(address))
        return false;
    const Region* pRegion = FindRegion(RegionOf(address));
    return pRegion != nullptr && pRegion->Test(BitOf(address));
}

void HandleSet::Add(const void* p) {
    const auto address = reinterpret_cast<uintptr_t>(p);
    Region* pRegion = FindRegion(RegionOf(address));
    if (pRegion == nullptr) {
        auto pNew = std::make_unique<Region>();
        pRegion = pNew.get();
        m_regions.emplace(RegionOf(address), std::move(pNew));
    }
    pRegion->Set(BitOf(address));
    ++pRegion->nUsed;
}

// A region whose last block goes is given back, so that the bitmaps stay as many as the
// megabytes that hold live blocks.
void HandleSet::Remove(const void* p) {
    const auto address = reinterpret_cast<uintptr_t>(p);
    Region* pRegion = FindRegion(RegionOf(address));
    pRegion->Clear(BitOf(address));
    if (--pRegion->nUsed == 0) {
        m_pLastRegion = nullptr;
        m_regions.erase(RegionOf(address));
    }
}

} // namespace headless
