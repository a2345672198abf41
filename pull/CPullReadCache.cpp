// CPullRead: the record cache that the lists are made from, loaded from the master files.
//
// The cache is loaded once per list and reused for every typed character. Each master file is
// read once. The sub-accounts of an account are the first run of its lines in m_hojo.csv (the
// lines that follow its first line while they belong to it), found through the place where each
// account's first line stands, so loading takes time in proportion to the files.
#include "CPullRead.h"

#include "LockedArray.h"
#include "MasterFile.h"
#include "MasterLine.h"
#include "PullRecords.h"

#include "HeapArray.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

constexpr UINT kCacheFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;
// Account codes are WORDs.
constexpr UINT kAccountCodes = 0x10000;

// Where each account's first line stands in m_hojo.csv, found in one pass that also counts the
// lines.
class SubAccountRuns {
public:
    SubAccountRuns() = default;
    ~SubAccountRuns() { HeapFreeArray(m_pStarts); }
    SubAccountRuns(const SubAccountRuns&) = delete;
    SubAccountRuns& operator=(const SubAccountRuns&) = delete;

    // False when memory fails; a file that was not read has no runs.
    bool Locate(MasterFile& subAccounts) {
        if (!subAccounts.IsRead())
            return true;
        if ((m_pStarts = HeapAllocArray<DWORD>(kAccountCodes)) == nullptr)
            return false;
        std::memset(m_pStarts, 0, sizeof(DWORD) * kAccountCodes);
        char szLine[MasterFile::kLineSize];
        for (size_t nPos = subAccounts.Tell(); subAccounts.NextLine(szLine);
             nPos = subAccounts.Tell(), ++m_nLines) {
            DWORD& nStart = m_pStarts[ReadSubAccountOwner(szLine)];
            if (nStart == 0)
                nStart = static_cast<DWORD>(nPos + 1);
        }
        return true;
    }
    int Lines() const { return m_nLines; }
    // Puts the file at the account's first line; false when it has none. (Reading on where the
    // file stands would only meet a line of another account, which ends the run.)
    bool SeekFirst(MasterFile& subAccounts, WORD wAccount) const {
        if (m_pStarts == nullptr || m_pStarts[wAccount] == 0)
            return false; // mutants: skip (see above)
        subAccounts.Seek(m_pStarts[wAccount] - 1);
        return true;
    }

private:
    DWORD* m_pStarts = nullptr; // by account: the position of its first line + 1, or 0
    int m_nLines = 0;
};

// Stores the lines from the account's first one while they are its own.
void LoadSubAccounts(MasterFile& subAccounts, WORD wCode, signed char byClass,
                     const LockedArray<ACCTREC>& cache, int* pnData) {
    char szLine[MasterFile::kLineSize];
    while (*pnData < cache.Count() && subAccounts.NextLine(szLine)) {
        WORD wAccount;
        const bool bStored = ReadSubAccountLine(szLine, &wAccount, &cache[*pnData]);
        if (wAccount != wCode)
            break;
        if (bStored)
            cache[(*pnData)++].byClass = byClass;
    }
}

} // namespace

// A failed allocation leaves the cache empty, so that the next list tries again.
BOOL CPullRead::LoadCache(short nKind) {
    if (m_hData == nullptr) {
        // A folder without a terminator in its field is too long for any path.
        char szFolder[sizeof(m_szFolder) + 1] = {};
        std::memcpy(szFolder, m_szFolder, sizeof(m_szFolder));
        const BOOL bLoaded = nKind == PULL_KIND_DEPT ? LoadDepts(szFolder) : LoadAccounts(szFolder);
        if (!bLoaded)
            return FALSE;
        GlobalFree(m_hRowIndex);
        m_hRowIndex = m_nData >= 1
                          ? GlobalAlloc(kCacheFlags, sizeof(DWORD) * static_cast<SIZE_T>(m_nData))
                          : nullptr;
    }
    return m_hRowIndex != nullptr;
}

// Room for every line the files hold, which is as many records as they can give. An empty
// master still gets a block: its records are loaded, there are none, and they are not read
// again for every typed character.
BOOL CPullRead::AllocateCache(int nRecords, size_t cbRecord) {
    const SIZE_T nCapacity = nRecords > 1 ? static_cast<SIZE_T>(nRecords) : 1;
    m_nData = 0;
    if (nCapacity > SIZE_MAX / cbRecord)
        return FALSE;
    m_hData = GlobalAlloc(kCacheFlags, nCapacity * cbRecord);
    return m_hData != nullptr;
}

BOOL CPullRead::LoadDepts(const char* pszFolder) {
    MasterFile depts;
    if (depts.Read(pszFolder, "m_bumon.csv") == MasterFile::kNoMemory ||
        !AllocateCache(depts.CountLines(), sizeof(DEPTREC)))
        return FALSE;
    const LockedArray<DEPTREC> cache(m_hData, INT_MAX);
    char szLine[MasterFile::kLineSize];
    // The block holds a record for every line, so the lines end first.
    while (m_nData < cache.Count() && depts.NextLine(szLine)) { // mutants: skip
        if (ReadDeptLine(szLine, &cache[m_nData]))
            ++m_nData;
    }
    return TRUE;
}

// A missing m_kamoku.csv gives no records, whatever m_hojo.csv holds.
BOOL CPullRead::LoadAccounts(const char* pszFolder) {
    MasterFile accounts, subAccounts;
    SubAccountRuns runs;
    if (accounts.Read(pszFolder, "m_kamoku.csv") == MasterFile::kNoMemory ||
        (accounts.IsRead() && subAccounts.Read(pszFolder, "m_hojo.csv") == MasterFile::kNoMemory) ||
        !runs.Locate(subAccounts) ||
        !AllocateCache(accounts.CountLines() + runs.Lines(), sizeof(ACCTREC)))
        return FALSE;
    const LockedArray<ACCTREC> cache(m_hData, INT_MAX);
    char szLine[MasterFile::kLineSize];
    while (m_nData < cache.Count() && accounts.NextLine(szLine)) {
        if (!ReadAccountLine(szLine, &cache[m_nData]))
            continue;
        const ACCTREC& account = cache[m_nData++];
        if (account.bHasSub == 1 && runs.SeekFirst(subAccounts, account.wCode))
            LoadSubAccounts(subAccounts, account.wCode, account.byClass, cache, &m_nData);
    }
    return TRUE;
}
