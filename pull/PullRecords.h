// What the pull-down lists are made of: list kinds, row styles, the codes of the fixed rows and
// the master records kept in a store's cache.
#pragma once

#include <afx.h>

// List kinds (the store's m_nKind).
enum : short {
    PULL_KIND_DEPT = 1,
    PULL_KIND_ACCOUNT = 2,
    PULL_KIND_HOST = 3,
    PULL_KIND_MULTI = 10,
};

// Row styles (the store's m_wStyle).
enum : WORD {
    PULL_STYLE_NO_NONE = 0x01, // no "none" row at the top
    PULL_STYLE_ADD_NEW = 0x10, // an "add new" row at the bottom
    PULL_STYLE_COMPANY = 0x20, // the company-wide row after the departments
};

constexpr ULONG PULL_CODE_NONE = 0;
constexpr ULONG PULL_CODE_ADD_NEW = 0xFFFFFFFF;
constexpr ULONG PULL_CODE_COMPANY = 10000;
// An account row's code is account x PULL_SUB_CODES + sub-account.
constexpr ULONG PULL_SUB_CODES = 10000;

// The codes a row can carry: five digits for departments, four for accounts and sub-accounts
// (a sub-account's code beside its account's must stay unique).
constexpr int PULL_DEPT_CODE_MAX = 99999;
constexpr WORD PULL_ACCOUNT_CODE_MAX = 9999;

// Account classes 1 to 13 have a name in the rows.
constexpr int PULL_CLASS_COUNT = 13;

#pragma pack(push, 1)
// One stored line of m_bumon.csv.
struct DEPTREC {
    LONG nCode;
    char szName[31];
    char szShortName[17];
    char szKey[9];
    signed char cLevel;
    BYTE cUse;
};

// One stored line of m_kamoku.csv (wSubCode 0) or of m_hojo.csv.
struct ACCTREC {
    WORD wCode;
    WORD wSubCode;
    char szName[31];
    char szShortName[17];
    char szKey[9];
    BYTE byAttr5;
    signed char byClass;
    BYTE byAttr7;
    BYTE byAttr8;
    BYTE byAttr9;
    BYTE bHasSub;
    BYTE byAttr11;
    BYTE bUse;
};
#pragma pack(pop)
static_assert(sizeof(DEPTREC) == 63, "department records are 63 packed bytes");
static_assert(sizeof(ACCTREC) == 69, "account records are 69 packed bytes");
