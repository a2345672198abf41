// A master file read whole, once, and handed out as the lines the reader takes from it.
#pragma once

#include <afx.h>

#include <cstddef>

class MasterFile {
public:
    // A line as the reader takes it: at most 1023 bytes and a terminator.
    static constexpr size_t kLineSize = 1024;

    enum Status { kMissing, kRead, kNoMemory };

    MasterFile() = default;
    ~MasterFile();
    MasterFile(const MasterFile&) = delete;
    MasterFile& operator=(const MasterFile&) = delete;

    // Reads the file pszName in the folder pszFolder (which ends in a separator), once for the
    // object. A file that cannot be opened or read, or whose path does not fit in MAX_PATH, is
    // missing.
    Status Read(const char* pszFolder, const char* pszName);
    bool IsRead() const { return m_pData != nullptr; }

    // Copies the next line into szLine, terminated; false at the end. Only lines that count
    // come out (see MasterFile.cpp).
    bool NextLine(char (&szLine)[kLineSize]);
    // Where the next line starts, to come back to it with Seek.
    size_t Tell() const { return m_nNext; }
    void Seek(size_t nPos) { m_nNext = nPos; }
    // The lines that come out of a file just read; the next line is the first again.
    int CountLines();

private:
    char* m_pData = nullptr;
    size_t m_cbData = 0;
    size_t m_nNext = 0;
    // Files seldom hold a NUL byte: only then is each line searched for one.
    bool m_bHasNul = false;
};
