// A master file read whole, once, and handed out line by line as the host's reader has always
// taken it: the Windows C runtime's text mode ("rt") and fgets with a 1024-byte buffer, on every
// platform.
//
// - CR LF is read as LF; a CR alone stays. Ctrl-Z (0x1A) ends the file.
// - A line counts only when a line feed ends it: a last line without one is not read (the
//   runtime sets end-of-file while reading it).
// - A line ends at its first NUL byte, as the C string that fgets gives ends there.
// - A line longer than 1023 bytes keeps its first 1023, less the lead byte of a double-byte
//   character cut in two; the rest of it is dropped rather than read as lines of its own.
// - A line that is empty then is skipped and not counted.
#include "MasterFile.h"

#include "HeapArray.h"
#include "ShiftJis.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// Larger files are more than the cache could count or hold: they cannot be read, and count as
// missing.
constexpr long kMaxFileSize = 0x7FFFFFFE;

// The path of the file as the C runtime wants it. A host on Windows writes its folder with
// backslashes; elsewhere they become slashes, all but the trail bytes of double-byte
// characters, which may be 0x5C too.
bool MakePath(const char* pszFolder, const char* pszName, char (&szPath)[MAX_PATH]) {
    const size_t cbFolder = std::strlen(pszFolder);
    const size_t cbName = std::strlen(pszName);
    if (cbFolder + cbName >= MAX_PATH)
        return false;
    std::memcpy(szPath, pszFolder, cbFolder);
    std::memcpy(szPath + cbFolder, pszName, cbName + 1);
#ifndef _WIN32
    for (char* p = szPath; *p != '\0'; p += ShiftJis::CharLength(p)) {
        if (*p == '\\')
            *p = '/';
    }
#endif
    return true;
}

// Only a regular file is a master file. A folder of the name (whose size ftell reports as huge
// on POSIX), a FIFO or a pipe (which would keep the user interface waiting in fopen or fread for
// ever) or a device is none, and counts as missing. On POSIX the file is opened without waiting,
// so that a FIFO without a writer is not waited on either.
FILE* OpenRegularFile(const char* pszPath) {
#ifdef _WIN32
    FILE* pFile = std::fopen(pszPath, "rb");
#else
    const int fd = ::open(pszPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    FILE* pFile = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (fd >= 0 && pFile == nullptr)
        ::close(fd);
#endif
    struct stat status;
    if (pFile != nullptr && (::fstat(::fileno(pFile), &status) != 0 || !S_ISREG(status.st_mode))) {
        std::fclose(pFile);
        return nullptr;
    }
    return pFile;
}

// Text mode, applied to the bytes in place; the new length.
size_t ReadAsText(char* pData, size_t cb) {
    if (const void* pEnd = std::memchr(pData, 0x1A, cb))
        cb = static_cast<size_t>(static_cast<const char*>(pEnd) - pData);
    const char* pFirstCR = static_cast<const char*>(std::memchr(pData, '\r', cb));
    size_t nOut = pFirstCR != nullptr ? static_cast<size_t>(pFirstCR - pData) : cb;
    for (size_t i = nOut; i < cb; ++i) {
        if (pData[i] != '\r' || i + 1 == cb || pData[i + 1] != '\n')
            pData[nOut++] = pData[i];
    }
    return nOut;
}

} // namespace

MasterFile::~MasterFile() {
    HeapFreeArray(m_pData);
}

MasterFile::Status MasterFile::Read(const char* pszFolder, const char* pszName) {
    char szPath[MAX_PATH];
    if (!MakePath(pszFolder, pszName, szPath))
        return kMissing;
    FILE* pFile = OpenRegularFile(szPath);
    if (pFile == nullptr)
        return kMissing;
    long cbFile = -1;
    if (std::fseek(pFile, 0, SEEK_END) == 0)
        cbFile = std::ftell(pFile);
    Status status = kMissing;
    if (cbFile >= 0 && cbFile <= kMaxFileSize && std::fseek(pFile, 0, SEEK_SET) == 0) {
        // One byte more, so that an empty file has a block too.
        m_pData = HeapAllocArray<char>(static_cast<UINT>(cbFile) + 1);
        status = m_pData == nullptr ? kNoMemory : kRead;
    }
    if (status == kRead) {
        const size_t cbRead = std::fread(m_pData, 1, static_cast<size_t>(cbFile), pFile);
        m_cbData = ReadAsText(m_pData, cbRead);
        m_bHasNul = std::memchr(m_pData, '\0', m_cbData) != nullptr;
    }
    std::fclose(pFile);
    return status;
}

bool MasterFile::NextLine(char (&szLine)[kLineSize]) {
    while (m_nNext < m_cbData) {
        const char* pLine = m_pData + m_nNext;
        const size_t cbLeft = m_cbData - m_nNext;
        const char* pFeed = static_cast<const char*>(std::memchr(pLine, '\n', cbLeft));
        if (pFeed == nullptr)
            break;
        m_nNext += static_cast<size_t>(pFeed - pLine) + 1;
        size_t cb = static_cast<size_t>(pFeed - pLine);
        if (const void* pNul = m_bHasNul ? std::memchr(pLine, '\0', cb) : nullptr)
            cb = static_cast<size_t>(static_cast<const char*>(pNul) - pLine);
        if (cb >= kLineSize)
            cb = ShiftJis::FittingLength(pLine, kLineSize - 1);
        if (cb == 0)
            continue;
        std::memcpy(szLine, pLine, cb);
        szLine[cb] = '\0';
        return true;
    }
    m_nNext = m_cbData;
    return false;
}

int MasterFile::CountLines() {
    int nLines = 0;
    char szLine[kLineSize];
    while (NextLine(szLine))
        ++nLines;
    m_nNext = 0;
    return nLines;
}
