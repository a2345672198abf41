// The master files most tests read: readable text, written in code page 932.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// Columns: -, code, name, short name, key, attribute, class, attributes 7 to 9, has-sub,
// attribute 11, use. 123 is listed only through its sub-accounts; 510 is not used.
const std::vector<std::string> kAccounts = {
    "x,100,現金勘定,現金,GENKIN,0,1,0,0,0,1,0,1",     "x,123,売掛金,売掛,URIKAKE,0,1,7,8,9,1,11,0",
    "x,500,売上高,売上,URIAGE,0,4,0,0,0,0,0,1",       "x,510,雑収入,雑収,ZATSU,0,7,0,0,0,0,0,0",
    "x,5100,特別利益,特利益,SANKAKU,0,9,0,0,0,0,0,1", "x,520,仕入高,仕入,SHIIRE,0,5,0,0,0,0,0,1",
};

// Columns: account, -, code, name, short name, key. Account 300 is no account; the second run
// of account 100 is not its own.
const std::vector<std::string> kSubAccounts = {
    "100,x,3,小口現金,小口,KOGUCHI", "100,x,4,手元現金,手元,ｱﾃ", "123,x,5,得意先Ａ,得意Ａ,TOKUA",
    "300,x,1,未使用,未使用,MISHIYO", "100,x,9,後の現金,後,ATO",
};

// The codes of the account list made from them, after the "none" row.
const std::vector<ULONG> kAccountCodes = {1000000, 1000003,  1000004, 1230005,
                                          5000000, 51000000, 5200000};

// Columns: -, code, name, short name, key, level, use.
const std::vector<std::string> kDepts = {
    "x,1,本社,本社,HONSHA,1,1",
    "x,12,\"総務部\",\"総務\",SOUMU,1,1",
    "x,20,営業部,営業,EIGYO,1,1",
};

} // namespace test
