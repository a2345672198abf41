// The previewer: a host application on the built-in window system that opens a dialog with the
// library's controller attached, shows it in the terminal and lets a person drive it with the
// keyboard; or applies a key script and prints what came of it.
#include "Options.h"
#include "Session.h"
#include "Terminal.h"

#include <tk_peludlg14.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

// The sample master files are installed beside the program.
std::string SampleMasters(const char* pszProgram) {
    const std::string program = pszProgram;
    const size_t nSlash = program.find_last_of('/');
    return (nSlash == std::string::npos ? std::string(".") : program.substr(0, nSlash)) +
           "/preview-masters";
}

bool HasMasterFiles(const std::string& folder) {
    std::FILE* pFile = std::fopen((folder + "/m_bumon.csv").c_str(), "rb");
    if (pFile != nullptr)
        std::fclose(pFile);
    return pFile != nullptr;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "preview: %s\n", message.c_str());
    return 2;
}

BOOL CALLBACK PrintName(HMODULE, LPCSTR, LPSTR lpName, LONG_PTR) {
    if (IS_INTRESOURCE(lpName))
        std::printf("%u\n", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(lpName)));
    else
        std::printf("%s\n", lpName);
    return TRUE;
}

// The IDs of the file's dialog templates, one a line.
int ListTemplates(const std::string& resourceFile) {
    std::string error;
    const HMODULE hModule = OpenResourceFile(resourceFile, &error);
    if (hModule == nullptr)
        return Fail(error);
    EnumResourceNamesA(hModule, RT_DIALOG, PrintName, 0);
    FreeLibrary(hModule);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, &options, &error))
        return Fail(error + "\n" + kUsage);
    if (options.bHelp) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.bList)
        return ListTemplates(options.resourceFile);
    std::vector<Key> keys;
    if (!ParseKeyScript(options.keys, &keys, &error))
        return Fail(error);
    if (options.masters.empty())
        options.masters = SampleMasters(argv[0]);
    if (!HasMasterFiles(options.masters))
        std::fprintf(stderr, "preview: no master files in %s\n", options.masters.c_str());

    InitPeluDlgDLL();
    Session session;
    if (!session.Open(options, &error))
        return Fail(error);
    for (const Key& key : keys)
        session.Press(key);
    if (!options.bKeys && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        if (!RunTerminal(session))
            return Fail("the terminal cannot be used");
        session.PrintValues(stdout);
        return 0;
    }
    session.PrintReport(stdout);
    return 0;
}
