// Reading the command line.
#include "Options.h"

#include <cstdlib>

const char kUsage[] =
    "usage: preview [--template 80..85 | --res FILE.res --template ID] [--masters DIR]\n"
    "               [--keys \"KEYS\"]\n"
    "       preview --res FILE.res --list\n"
    "Opens the demo slip, one of the library's search dialogs (--template) or a dialog of a\n"
    "compiled resource file (--res), with the library's controller attached, on the built-in\n"
    "window system. In a terminal it runs until Ctrl-Q; with --keys, or without a terminal, it\n"
    "prints the dialog as text and exits. KEYS: Enter Escape Up Down Left Right Space Tab\n"
    "Shift+Tab Shift Backspace F1..F12, and text to type (romaji in a Japanese input field).\n"
    "Classes the system lacks (common controls, the host's own) are shown as labelled boxes; a\n"
    "dialog the controller does not take is shown without it, the reason on the status line.\n"
    "--list prints the IDs of the resource file's dialog templates.\n";

namespace {

bool ParseTemplateId(const std::string& text, unsigned* pnId) {
    char* pEnd = nullptr;
    const unsigned long nId = std::strtoul(text.c_str(), &pEnd, 10);
    if (text.empty() || *pEnd != '\0' || nId < 1 || nId > 0xFFFF)
        return false;
    *pnId = static_cast<unsigned>(nId);
    return true;
}

} // namespace

bool ParseOptions(int argc, const char* const* argv, Options* pOptions, std::string* pError) {
    bool bTemplate = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            pOptions->bHelp = true;
            continue;
        }
        if (option == "--list") {
            pOptions->bList = true;
            continue;
        }
        if (i + 1 >= argc) {
            *pError = "unknown option or missing value: " + option;
            return false;
        }
        const std::string value = argv[++i];
        if (option == "--template" && ParseTemplateId(value, &pOptions->nTemplate)) {
            bTemplate = true;
        } else if (option == "--res") {
            pOptions->resourceFile = value;
        } else if (option == "--masters") {
            pOptions->masters = value;
        } else if (option == "--keys") {
            pOptions->keys = value;
            pOptions->bKeys = true;
        } else {
            *pError = "not understood: " + option + " " + value;
            return false;
        }
    }
    if (!pOptions->resourceFile.empty()) {
        pOptions->source = Options::Source::ResourceFile;
        if (!bTemplate && !pOptions->bList)
            *pError = "--res needs --template with the dialog's ID, or --list";
        return bTemplate || pOptions->bList;
    }
    if (pOptions->bList) {
        *pError = "--list needs --res";
        return false;
    }
    if (bTemplate) {
        pOptions->source = Options::Source::LibraryTemplate;
        if (pOptions->nTemplate < 80 || pOptions->nTemplate > 85) {
            *pError = "the library's templates are 80 to 85";
            return false;
        }
    }
    return true;
}
