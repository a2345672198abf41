// Account and sub-account master files made up for tests, and the reader that opens
// m_hojo.csv afresh for every account.
#include "AccountMasters.h"

#include "pull/MasterLine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

namespace test {
namespace {

// "科目" (account), "補助" (sub-account)
constexpr char kAccountName[] = "\x89\xc8\x96\xda";
constexpr char kSubAccountName[] = "\x95\xe2\x8f\x95";

std::string AccountLine(int nCode, bool bHasSub, bool bUse) {
    const std::string code = std::to_string(nCode);
    return "x," + code + "," + kAccountName + code + "," + kAccountName + ",K" + code + ",0," +
           std::to_string(nCode % 15) + ",0,0,0," + (bHasSub ? "1" : "0") + ",0," +
           (bUse ? "1" : "0") + "\n";
}

std::string SubAccountLine(int nAccount, int nCode) {
    const std::string code = std::to_string(nCode);
    return std::to_string(nAccount) + ",x," + code + "," + kSubAccountName + code + "," +
           kSubAccountName + ",S" + code + "\n";
}

} // namespace

AccountMasters MakeAccountMasters(int nAccounts, int nSubAccounts, unsigned nSeed,
                                  bool bIrregular) {
    std::mt19937 random(nSeed);
    const auto Chance = [&](int nPercent) {
        return bIrregular && static_cast<int>(random() % 100) < nPercent;
    };
    AccountMasters masters;
    // Runs of sub-account lines, each as one text, in the accounts' order.
    std::vector<std::string> runs;
    const int nWithSubs = std::max(1, nAccounts / 2);
    for (int i = 0; i < nAccounts; ++i) {
        const int nCode = bIrregular ? static_cast<int>(random() % 10002) : i;
        const bool bHasSub = i % 2 == 0;
        const std::string line = AccountLine(nCode, bHasSub, !Chance(20));
        masters.accounts += line + (Chance(5) ? line : "") + (Chance(5) ? "\n" : "");
        const int nSubs = bHasSub ? nSubAccounts / nWithSubs : Chance(10) ? 2 : 0;
        std::string run;
        for (int j = 1; j <= nSubs; ++j)
            run += SubAccountLine(nCode, Chance(3) ? 10000 : j) + (Chance(3) ? "\n" : "");
        if (Chance(15)) {
            const size_t nSplit = run.find('\n', run.size() / 2);
            runs.push_back(run.substr(nSplit + 1));
            run.resize(nSplit + 1);
        }
        if (Chance(10))
            runs.push_back(SubAccountLine(nCode + 10001, 1));
        runs.push_back(run);
    }
    if (bIrregular)
        std::shuffle(runs.begin(), runs.end(), random);
    for (const std::string& run : runs)
        masters.subAccounts += run;
    return masters;
}

namespace {

// Calls onLine with each line the reader takes, until it answers false: fgets stopped by the
// end of the file, one line feed taken off, empty lines skipped.
template <typename F>
void ForEachLine(const std::string& strPath, F onLine) {
    FILE* pFile = std::fopen(strPath.c_str(), "r");
    if (pFile == nullptr)
        return;
    char szLine[1024];
    while (std::fgets(szLine, sizeof(szLine), pFile) != nullptr && !std::feof(pFile)) {
        size_t cb = std::strlen(szLine);
        if (cb > 0 && szLine[cb - 1] == '\n')
            szLine[--cb] = '\0';
        if (cb != 0 && !onLine(szLine))
            break;
    }
    std::fclose(pFile);
}

size_t CountLines(const std::string& strPath) {
    size_t nLines = 0;
    ForEachLine(strPath, [&](char*) { return ++nLines != 0; });
    return nLines;
}

} // namespace

std::vector<ACCTREC> LoadAccountsReopening(const std::string& strFolder) {
    const std::string strAccounts = strFolder + "m_kamoku.csv";
    const std::string strSubAccounts = strFolder + "m_hojo.csv";
    std::vector<ACCTREC> records;
    const size_t nCapacity = CountLines(strAccounts) + CountLines(strSubAccounts);
    ForEachLine(strAccounts, [&](char* pszLine) {
        ACCTREC account;
        if (!ReadAccountLine(pszLine, &account))
            return true;
        if (records.size() < nCapacity)
            records.push_back(account);
        if (account.bHasSub != 1)
            return true;
        bool bFound = false;
        ForEachLine(strSubAccounts, [&](char* pszSubLine) {
            WORD wAccount;
            ACCTREC sub;
            const bool bStored = ReadSubAccountLine(pszSubLine, &wAccount, &sub);
            if (wAccount != account.wCode)
                return !bFound;
            bFound = true;
            sub.byClass = account.byClass;
            if (bStored && records.size() < nCapacity)
                records.push_back(sub);
            return true;
        });
        return true;
    });
    return records;
}

} // namespace test
