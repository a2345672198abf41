// The records that the lines of the master files make.
#pragma once

#include "PullRecords.h"

// Each function cuts the line (in place) into its fields and fills the record, which it zeroes
// first. The result says whether the line is stored: a department or account the rows can
// carry, with its use flag 1 (or, for an account, its has-sub flag 1). A sub-account is stored
// when its code can be carried; its class is the owning account's to give.
bool ReadDeptLine(char* pszLine, DEPTREC* pRecord);
bool ReadAccountLine(char* pszLine, ACCTREC* pRecord);
// *pwAccount receives the account the line belongs to, stored or not.
bool ReadSubAccountLine(char* pszLine, WORD* pwAccount, ACCTREC* pRecord);
// Only the account a line of m_hojo.csv belongs to.
WORD ReadSubAccountOwner(char* pszLine);
