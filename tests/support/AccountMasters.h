// Account and sub-account master files made up for the tests, the benchmark and the fuzzer, and
// the reader they are held to: the one that opens m_hojo.csv afresh for every account.
#pragma once

#include "pull/PullRecords.h"

#include <string>
#include <vector>

namespace test {

struct AccountMasters {
    std::string accounts;    // m_kamoku.csv
    std::string subAccounts; // m_hojo.csv
};

// nAccounts accounts, every other one with sub-accounts, and nSubAccounts sub-accounts shared
// among those, in runs in the accounts' order. Irregular masters have, beside that, accounts
// listed twice, runs split in two and out of order, lines of accounts that are not there or
// have no sub-accounts, codes out of range, unused accounts and empty lines.
AccountMasters MakeAccountMasters(int nAccounts, int nSubAccounts, unsigned nSeed, bool bIrregular);

// The records the account masters in the folder give when each account's sub-accounts are read
// by opening m_hojo.csv and reading it from its start, up to the end of the account's first
// run of lines, through the C runtime's fopen and fgets with a 1024-byte buffer.
std::vector<ACCTREC> LoadAccountsReopening(const std::string& strFolder);

} // namespace test
