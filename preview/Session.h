// One run of the previewer: the host's dialog chosen on the command line, the keys pressed
// into it as keyboard input (or into the stand-in input method), and the host messages each
// key brought.
#pragma once

#include "DemoSlip.h"
#include "HostDialog.h"
#include "InputMethod.h"
#include "Keys.h"
#include "Options.h"
#include "Screen.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// A compiled resource file (.res) loaded as a data-file module; nullptr, with why in *pError,
// when it is none.
HMODULE OpenResourceFile(const std::string& file, std::string* pError);

class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool Open(const Options& options, std::string* pError);

    // The key as real input: keybd_event, which the window system queues as a keyboard would,
    // then the host's dialog loop until nothing is left to do.
    void Press(const Key& key);

    Screen Render() const;
    // The focus field's input method state, why the controller does not take the dialog (when it
    // does not), the first key that left the focus outside the dialog (when one did) and the
    // host messages of the last key that brought any, in UTF-8.
    std::string StatusLine() const;

    // The dialog as text, its status line, every key with the host messages it brought, and
    // the dialog's values; for the demo slip, its host variables, the entry fields committed.
    void PrintReport(std::FILE* pOut);
    void PrintValues(std::FILE* pOut);

private:
    struct Step {
        std::string key;
        bool bTyped; // a character typed, which the report runs together with the next
        std::vector<std::string> messages;
    };

    bool OpenDialog(const Options& options, std::string* pError);

    // A resource file loaded as a data-file module, freed after the dialog made from it.
    struct ResourceModule {
        HMODULE hModule = nullptr;
        ~ResourceModule();
    };

    ResourceModule m_resources;
    std::unique_ptr<DemoSlip> m_pSlip;
    HostDialog m_host;
    InputMethod m_inputMethod;
    std::vector<Step> m_steps;
    std::string m_uncontrolled;
    std::string m_lostFocus;
};
