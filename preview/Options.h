// The previewer's command line.
#pragma once

#include <string>

struct Options {
    enum class Source { DemoSlip, LibraryTemplate, ResourceFile };
    Source source = Source::DemoSlip;
    unsigned nTemplate = 0;
    std::string resourceFile; // --res
    std::string masters;      // --masters; empty for the sample files beside the program
    std::string keys;         // --keys
    bool bKeys = false;
    bool bList = false; // --list: the IDs of the dialog templates in --res
    bool bHelp = false;
};

// False, with what is wrong in *pError, for a command line the previewer cannot follow.
bool ParseOptions(int argc, const char* const* argv, Options* pOptions, std::string* pError);

extern const char kUsage[];
