// A folder of master files written for a test, removed with everything in it.
#pragma once

#include <string>
#include <vector>

namespace test {

// A folder of its own under the temporary folder, removed with everything in it.
class MasterFolder {
public:
    MasterFolder();
    ~MasterFolder();
    MasterFolder(const MasterFolder&) = delete;
    MasterFolder& operator=(const MasterFolder&) = delete;

    // The folder as the store takes it, ending in a separator.
    const std::string& Path() const { return m_strPath; }
    // A folder in this one, named in code page 932; its path, ending in a separator.
    std::string MakeFolder(const std::string& strName) const;
    // A file of the lines, each readable text in code page 932 and ended by pszLineEnd.
    void Write(const char* pszName, const std::vector<std::string>& lines,
               const char* pszLineEnd = "\n") const;
    void WriteBytes(const char* pszName, const std::string& bytes) const;

private:
    std::string m_strPath;
};

} // namespace test
