// Opening the chosen dialog, pressing keys into it and reporting what happened.
#include "Session.h"

#include "DialogRenderer.h"
#include "TemplateCheck.h"
#include "Text.h"
#include "slip.h"

#include <tk_peludlg14.h>

HMODULE OpenResourceFile(const std::string& file, std::string* pError) {
    const HMODULE hModule = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule == nullptr)
        *pError = file + " is no compiled resource file (.res)";
    return hModule;
}

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
    HMODULE hModule = nullptr;
    UINT nTemplate = options.nTemplate;
    switch (options.source) {
    case Options::Source::DemoSlip:
        m_pSlip = std::make_unique<DemoSlip>(options.masters);
        hModule = GetModuleHandleA(nullptr);
        nTemplate = IDD_SLIP;
        break;
    case Options::Source::LibraryTemplate:
        // The library joined the host's resource look-ups: the template is found without
        // naming the library's module.
        hModule = AfxFindResourceHandle(MAKEINTRESOURCEA(nTemplate), RT_DIALOG);
        break;
    case Options::Source::ResourceFile:
        hModule = m_resources.hModule = OpenResourceFile(options.resourceFile, pError);
        if (hModule == nullptr)
            return false;
        break;
    }
    const TemplateCheck check = CheckTemplate(hModule, nTemplate);
    if (!check.refusal.empty()) {
        *pError = check.refusal;
        return false;
    }
    if (!m_host.Open(hModule, nTemplate, m_pSlip.get(), pError))
        return false;
    // A dialog whose IDs the controller cannot tell apart is no walk to trust, even taken.
    m_uncontrolled = check.uncontrolled.empty() ? m_host.Uncontrolled() : check.uncontrolled;
    return true;
}

// A key that leaves the keyboard focus outside the dialog ends the walk's trust in it: the user
// can no longer type into the dialog.
void Session::Press(const Key& key) {
    if (!m_inputMethod.TakeKey(key))
        PressOnKeyboard(key);
    m_host.Pump();
    m_steps.push_back(Step{KeyName(key), key.ch != '\0' && key.ch != ' ', m_host.TakeMessages()});
    const HWND hwndFocus = GetFocus();
    const HWND hDlg = m_host.Dialog();
    if (m_lostFocus.empty() && hwndFocus != hDlg && !IsChild(hDlg, hwndFocus))
        m_lostFocus = "key " + std::to_string(m_steps.size() - 1) + " (" + KeyName(key) +
                      ") left the focus outside the dialog";
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
    if (!m_uncontrolled.empty())
        line += " | uncontrolled: " + m_uncontrolled;
    if (!m_lostFocus.empty())
        line += " | " + m_lostFocus;
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
