// libFuzzer target: the master-file reader. One input is cut at the byte 0x7F (never part of a
// Shift-JIS text) into m_bumon.csv, m_kamoku.csv, m_hojo.csv and the characters typed into the
// list; a part that is not there is a missing file, and a part that is the single byte 0xFD or
// 0xFE (no Shift-JIS text either) makes the file's name a folder or a FIFO, which the reader
// takes as missing without waiting on the FIFO. Checks what must hold on any input: the
// single-pass load gives the records of reading m_hojo.csv afresh for every account (where the
// files are plain enough for fgets to read them alike), every record row reads back as its
// record's code, setting a row's code selects a row of that code, and any row can be read as any
// kind of list reads its rows.
#include "AccountMasters.h"
#include "FuzzExpect.h"

#include <CPullRead.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum class Entry { kMissing, kFile, kFolder, kFifo };

Entry EntryOf(const std::vector<std::string>& parts, size_t nPart) {
    if (nPart >= parts.size())
        return Entry::kMissing;
    if (parts[nPart] == "\xFD")
        return Entry::kFolder;
    return parts[nPart] == "\xFE" ? Entry::kFifo : Entry::kFile;
}

// A folder for the files and a combo box with its store, for the whole run.
struct Fixture {
    Fixture() {
        char szFolder[] = "/tmp/pull_fuzz.XXXXXX";
        Expect(mkdtemp(szFolder) != nullptr, "no folder for the master files");
        strFolder = std::string(szFolder) + "/";
        hwndParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                     nullptr, nullptr);
        combo.Attach(CreateWindowExA(0, "COMBOBOX", "",
                                     WS_CHILD | CBS_DROPDOWNLIST | CBS_HASSTRINGS, 0, 0, 200, 200,
                                     hwndParent, nullptr, nullptr, nullptr));
        store.m_pWnd = &combo;
    }

    void Write(const char* pszName, const std::vector<std::string>& parts, size_t nPart) const {
        const std::string strPath = strFolder + pszName;
        std::remove(strPath.c_str());
        switch (EntryOf(parts, nPart)) {
        case Entry::kMissing:
            return;
        case Entry::kFolder:
            Expect(mkdir(strPath.c_str(), 0700) == 0, "cannot make a folder of a master file");
            return;
        case Entry::kFifo:
            Expect(mkfifo(strPath.c_str(), 0600) == 0, "cannot make a FIFO of a master file");
            return;
        case Entry::kFile:
            break;
        }
        FILE* pFile = std::fopen(strPath.c_str(), "wb");
        Expect(pFile != nullptr, "cannot write a master file");
        std::fwrite(parts[nPart].data(), 1, parts[nPart].size(), pFile);
        std::fclose(pFile);
    }

    std::string strFolder;
    HWND hwndParent;
    CComboBox combo;
    CPullRead store;
};

// fgets with a 1024-byte buffer and binary reading see the same lines in these files.
bool IsPlain(const std::string& strFile) {
    size_t nLine = 0;
    for (const char ch : strFile) {
        if (ch == '\r' || ch == '\x1a' || ++nLine >= 1023)
            return false;
        if (ch == '\n')
            nLine = 0;
    }
    return true;
}

// The reference reads a folder or a FIFO as the missing file the reader takes it for, so
// both go before it reads (the reader has read the files).
void ExpectRecordsOfReopening(Fixture& fixture, const std::vector<std::string>& parts) {
    const char* const kNames[] = {"m_kamoku.csv", "m_hojo.csv"};
    for (size_t nPart : {1, 2}) {
        const Entry entry = EntryOf(parts, nPart);
        if (entry == Entry::kFile && !IsPlain(parts[nPart]))
            return;
        if (entry == Entry::kFolder || entry == Entry::kFifo)
            std::remove((fixture.strFolder + kNames[nPart - 1]).c_str());
    }
    const std::vector<ACCTREC> expected = test::LoadAccountsReopening(fixture.strFolder);
    CPullRead& store = fixture.store;
    Expect(static_cast<int>(expected.size()) == store.m_nData, "record count differs");
    if (expected.empty())
        return;
    const void* pCache = GlobalLock(store.m_hData);
    Expect(std::memcmp(expected.data(), pCache, expected.size() * sizeof(ACCTREC)) == 0,
           "records differ");
    GlobalUnlock(store.m_hData);
}

// The code a record row of the list must read as.
ULONG CodeOfRecord(const CPullRead& store, const void* pCache, DWORD nRecord) {
    if (store.m_nKind == 1) {
        const LONG nCode = static_cast<const DEPTREC*>(pCache)[nRecord].nCode;
        return nCode == 0 && (store.m_wStyle & 0x20) ? 10000 : static_cast<ULONG>(nCode);
    }
    const ACCTREC& record = static_cast<const ACCTREC*>(pCache)[nRecord];
    return static_cast<ULONG>(record.wCode) * 10000 + record.wSubCode;
}

// Every record row carries its record's code, and its code selects a row that has it.
void ExpectRowsOfRecords(Fixture& fixture) {
    CPullRead& store = fixture.store;
    CComboBox& combo = fixture.combo;
    const int nFirst = (store.m_wStyle & 0x01) ? 0 : 1;
    const int nFixed = nFirst + ((store.m_wStyle & 0x10) ? 1 : 0) +
                       (store.m_nKind == 1 && (store.m_wStyle & 0x20) ? 1 : 0);
    Expect(combo.GetCount() == store.m_nRowCount + nFixed, "rows beside the record rows");
    if (store.m_nRowCount == 0)
        return;
    const void* pCache = GlobalLock(store.m_hData);
    const DWORD* pRows = static_cast<const DWORD*>(GlobalLock(store.m_hRowIndex));
    // The first rows only: each SetCode reads every row.
    for (int i = 0; i < store.m_nRowCount && i < 8; ++i) {
        const ULONG nCode = CodeOfRecord(store, pCache, pRows[i]);
        combo.SetCurSel(nFirst + i);
        Expect(store.GetCode(&combo) == nCode, "a row reads as another code");
        store.SetCode(nCode, &combo);
        Expect(store.GetCode(&combo) == nCode, "a code selects a row of another code");
    }
    GlobalUnlock(store.m_hRowIndex);
    GlobalUnlock(store.m_hData);
}

// Any row read as every kind of list reads its rows: only reading in bounds is asked.
void ReadAsEveryKind(Fixture& fixture) {
    CPullRead& store = fixture.store;
    const short nKind = store.m_nKind;
    const WORD bReadFiles = store.m_bReadFiles;
    for (int i = 0; i < fixture.combo.GetCount() && i < 8; ++i) {
        fixture.combo.SetCurSel(i);
        for (short nReadAs : {1, 2, 3, 10}) {
            for (WORD bFromFiles : {0, 1}) {
                store.m_nKind = nReadAs;
                store.m_bReadFiles = bFromFiles;
                store.GetCode(&fixture.combo);
            }
        }
    }
    store.m_nKind = nKind;
    store.m_bReadFiles = bReadFiles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t cbData) {
    static Fixture fixture;
    std::vector<std::string> parts(1);
    for (size_t i = 0; i < cbData; ++i) {
        if (pData[i] == 0x7F)
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(pData[i]);
    }
    fixture.Write("m_bumon.csv", parts, 0);
    fixture.Write("m_kamoku.csv", parts, 1);
    fixture.Write("m_hojo.csv", parts, 2);
    const std::string strTyped = parts.size() > 3 ? parts[3] : "";
    // The first typed byte also chooses the fixed rows.
    const WORD wStyle = strTyped.empty() ? 0 : static_cast<WORD>(strTyped[0] & 0x31);

    CPullRead& store = fixture.store;
    std::snprintf(store.m_szFolder, sizeof(store.m_szFolder), "%s", fixture.strFolder.c_str());
    for (short nKind : {1, 2}) {
        store.m_nKind = nKind;
        store.FreeData(&fixture.combo);
        store.m_bReadFiles = 1;
        store.m_wStyle = wStyle;
        store.m_szTyped[0] = '\0';
        short nSel = -1;
        store.MakeListBoxData2(nKind, 0, 0, wStyle, &nSel, &fixture.combo);
        if (nKind == 2)
            ExpectRecordsOfReopening(fixture, parts);
        ExpectRowsOfRecords(fixture);
        ReadAsEveryKind(fixture);
        for (size_t n = 1; n <= strTyped.size() && n < sizeof(store.m_szTyped); ++n) {
            std::memcpy(store.m_szTyped, strTyped.data(), n);
            store.m_szTyped[n] = '\0';
            store.m_bTypedAlpha = strTyped[0] < '0' || strTyped[0] > '9';
            store.MakeListBoxData2(nKind, 0, 0, wStyle, &nSel, &fixture.combo);
            ExpectRowsOfRecords(fixture);
        }
    }
    return 0;
}
