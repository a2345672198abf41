// Opening the chosen dialog, pressing keys into it and reporting what happened.
#include "Session.h"

#include "DialogRenderer.h"
#include "Text.h"
#include "slip.h"

#include <tk_peludlg14.h>

Session::ResourceModule::~ResourceModule() {
    if (hModule != nullptr)
        FreeLibrary(hModule);
}

bool Session::Open(const Options& options, std::string* pError) {
    if (!OpenDialog(options, pError))
        return false;
    // The controller's first focus report may already have told the host something.
    m_steps.push_back(Step{"(opened)", false, m_host.TakeMessages()});
    return true;
}

bool Session::OpenDialog(const Options& options, std::string* pError) {
    switch (options.source) {
    case Options::Source::DemoSlip:
        m_pSlip = std::make_unique<DemoSlip>(options.masters);
        return m_host.Open(GetModuleHandleA(nullptr), IDD_SLIP, m_pSlip.get(), pError);
    case Options::Source::LibraryTemplate:
        // The library joined the host's resource look-ups: the template is found without
        // naming the library's module.
        return m_host.Open(AfxFindResourceHandle(MAKEINTRESOURCEA(options.nTemplate), RT_DIALOG),
                           options.nTemplate, nullptr, pError);
    case Options::Source::ResourceFile:
        m_resources.hModule =
            LoadLibraryExA(options.resourceFile.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (m_resources.hModule == nullptr) {
            *pError = options.resourceFile + " is no compiled resource file (.res)";
            return false;
        }
        return m_host.Open(m_resources.hModule, options.nTemplate, nullptr, pError);
    }
    return false;
}

void Session::Press(const Key& key) {
    if (!m_inputMethod.TakeKey(key))
        PressOnKeyboard(key);
    m_host.Pump();
    m_steps.push_back(Step{KeyName(key), key.ch != '\0' && key.ch != ' ', m_host.TakeMessages()});
}

Screen Session::Render() const {
    return RenderDialog(m_host.Dialog());
}

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

} // namespace

std::string Session::StatusLine() const {
    std::string line = "IME " + ImeIndicator();
    for (auto it = m_steps.rbegin(); it != m_steps.rend(); ++it) {
        if (!it->messages.empty())
            return line + " | " + it->key + ": " + Joined(it->messages);
    }
    return line;
}

void Session::PrintReport(std::FILE* pOut) {
    const Screen screen = Render();
    for (int y = 0; y < screen.Rows(); ++y)
        std::fprintf(pOut, "%s\n", screen.Line(y).c_str());
    std::fprintf(pOut, "%s\n", StatusLine().c_str());
    std::fprintf(pOut, "\nKeys and host messages:\n");
    std::string line;
    for (size_t i = 0; i < m_steps.size(); ++i) {
        const Step& step = m_steps[i];
        if (i == 0 && step.messages.empty())
            continue;
        line += step.key;
        if (!step.messages.empty())
            line += ": " + Joined(step.messages);
        const bool bRunsOn =
            step.bTyped && step.messages.empty() && i + 1 < m_steps.size() && m_steps[i + 1].bTyped;
        if (!bRunsOn) {
            std::fprintf(pOut, "  %s\n", line.c_str());
            line.clear();
        }
    }
    PrintValues(pOut);
}

void Session::PrintValues(std::FILE* pOut) {
    std::fprintf(pOut, "\nValues:\n");
    for (const std::string& value : m_host.Values())
        std::fprintf(pOut, "  %s\n", AnsiToUtf8(value).c_str());
    if (m_pSlip == nullptr)
        return;
    std::fprintf(pOut, "\nHost variables:\n");
    for (const std::string& value : m_pSlip->TakeValues())
        std::fprintf(pOut, "  %s\n", AnsiToUtf8(value).c_str());
}
