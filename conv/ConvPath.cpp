// CConv::ConvDirName: a path shortened to a given size, the cut marked with three points.
#include "CConv.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSeparator = '\\';
constexpr char kPoints[] = "...";
constexpr size_t kPointsLength = sizeof kPoints - 1;
// The points and the terminator, which the budget always leaves room for.
constexpr int kReserve = static_cast<int>(kPointsLength) + 1;

// The last component: the bytes after the last separator; for a path that ends in a separator
// (a folder), the last name with that separator ("\" alone after two separators).
const char* LastComponent(const char* lpszPath, size_t nPath) {
    size_t nSearch = lpszPath[nPath - 1] == kSeparator ? nPath - 1 : nPath;
    // The head already copied holds a separator, so the search stops there before the start.
    while (nSearch > 0 && lpszPath[nSearch - 1] != kSeparator) // mutants: skip
        --nSearch;
    return lpszPath + nSearch;
}

// Paths are walked byte by byte: every 0x5C is a separator, the trail byte of a double-byte
// character included, and the budget cuts after whatever byte it reached.
class PathShortener {
public:
    PathShortener(char* lpszDst, const char* lpszPath, size_t nPath, short nSize)
        : m_lpszPath(lpszPath), m_nPath(nPath), m_pDst(lpszDst), m_pRead(lpszPath),
          m_nBudget(nSize) {}

    // A drive path keeps its drive, root and first folder, any other path what stands up to
    // its first separator; then come the points and, if it fits, the last component. A budget
    // that ran out before a separator leaves no room for the component.
    void Shorten() {
        if (m_lpszPath[1] == ':')
            CopyThroughSeparator();
        CopyThroughSeparator();
        std::memcpy(m_pDst, kPoints, kPointsLength);
        m_pDst += kPointsLength;
        const char* pLast = LastComponent(m_lpszPath, m_nPath);
        const size_t nLast = std::strlen(pLast);
        // The separator, the component and the terminator must fit after the points.
        if (static_cast<int>(nLast) + kReserve + 1 <= m_nBudget) {
            *m_pDst++ = kSeparator;
            std::memcpy(m_pDst, pLast, nLast);
            m_pDst += nLast;
        }
        *m_pDst = '\0';
    }

private:
    // Copies bytes up to and including the next separator while the budget allows.
    void CopyThroughSeparator() {
        while (m_nBudget > kReserve) {
            const char ch = *m_pRead++;
            *m_pDst++ = ch;
            --m_nBudget;
            if (ch == kSeparator)
                return;
        }
    }

    const char* const m_lpszPath;
    const size_t m_nPath;
    char* m_pDst;
    const char* m_pRead;
    // The target's bytes not yet used; only bytes copied from the path count against it.
    int m_nBudget;
};

} // namespace

// A size of 3 or less has no room for the points: a path that does not fit whole gives an
// empty target rather than a cut that would look like a complete path.
void CConv::ConvDirName(char* lpszDst, const char* lpszPath, short nSize) {
    const size_t nPath = std::strlen(lpszPath);
    if (nPath < static_cast<size_t>(std::max<int>(nSize, 0))) {
        std::memcpy(lpszDst, lpszPath, nPath + 1);
        return;
    }
    if (nSize < kReserve) {
        *lpszDst = '\0';
        return;
    }
    PathShortener(lpszDst, lpszPath, nPath, nSize).Shorten();
}
