// A folder of master files written for a test, removed with everything in it.
#include "MasterFolder.h"

#include "ShiftJis.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

#include <cstdio>
#include <filesystem>
#include <random>

namespace test {

namespace fs = std::filesystem;

MasterFolder::MasterFolder() {
    const fs::path path =
        fs::temp_directory_path() / ("pull-" + std::to_string(std::random_device()()));
    fs::create_directories(path);
    m_strPath = (path / "").string();
}

MasterFolder::~MasterFolder() {
    std::error_code error;
    fs::remove_all(fs::path(m_strPath), error);
}

// Through the C runtime, which takes names in the code page as fopen does.
std::string MasterFolder::MakeFolder(const std::string& strName) const {
    const std::string strPath = m_strPath + strName;
#ifdef _WIN32
    EXPECT_EQ(0, _mkdir(strPath.c_str())) << strPath;
#else
    EXPECT_EQ(0, mkdir(strPath.c_str(), 0700)) << strPath;
#endif
    return strPath + m_strPath.back();
}

void MasterFolder::Write(const char* pszName, const std::vector<std::string>& lines,
                         const char* pszLineEnd) const {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += ShiftJis(line.c_str()) + pszLineEnd;
    WriteBytes(pszName, bytes);
}

void MasterFolder::WriteBytes(const char* pszName, const std::string& bytes) const {
    FILE* pFile = std::fopen((m_strPath + pszName).c_str(), "wb");
    ASSERT_NE(nullptr, pFile) << m_strPath << pszName;
    std::fwrite(bytes.data(), 1, bytes.size(), pFile);
    std::fclose(pFile);
}

} // namespace test
