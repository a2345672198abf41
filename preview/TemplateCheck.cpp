// Reading a template's controls as the controller reads them, and as the window system will
// look up their classes.
#include "TemplateCheck.h"

#include "DlgTemplate.h"
#include "StandInControls.h"

#include <cstring>
#include <map>
#include <vector>

namespace {

std::string ControlNumber(WORD i, WORD nControls) {
    return "control " + std::to_string(i + 1) + " of " + std::to_string(nControls);
}

// The class a control's class field names, as the window system looks it up: a predefined
// atom as its class's name, any other atom as "#atom", which names no class (Wine agrees), a name
// in the ANSI code page.
std::string ClassName(const BYTE* pField) {
    static const char* const kPredefined[] = {"Button",  "Edit",      "Static",
                                              "ListBox", "ScrollBar", "ComboBox"};
    std::vector<WCHAR> name;
    for (WCHAR ch = 0;; pField += sizeof(WCHAR)) {
        std::memcpy(&ch, pField, sizeof(ch));
        if (name.empty() && ch == 0xFFFF) {
            std::memcpy(&ch, pField + sizeof(WCHAR), sizeof(ch));
            return ch >= 0x80 && ch <= 0x85 ? kPredefined[ch - 0x80] : "#" + std::to_string(ch);
        }
        name.push_back(ch);
        if (ch == 0)
            break;
    }
    char szName[256] = "";
    WideCharToMultiByte(CP_ACP, 0, name.data(), -1, szName, sizeof(szName), nullptr, nullptr);
    return szName;
}

// A class the system has, or one given a stand-in now, as a host registers its own classes.
bool ClassIsKnown(const std::string& name) {
    return name[0] != '#' && test::RegisterStandIn(name.c_str());
}

} // namespace

TemplateCheck CheckTemplate(HMODULE hModule, UINT nTemplate) {
    TemplateCheck check;
    const HRSRC hRes = FindResourceA(hModule, MAKEINTRESOURCEA(nTemplate), RT_DIALOG);
    if (hRes == nullptr) {
        check.refusal = "there is no dialog template " + std::to_string(nTemplate);
        return check;
    }
    const DWORD cbTemplate = SizeofResource(hModule, hRes);
    const auto* pTemplate = static_cast<const BYTE*>(LockResource(LoadResource(hModule, hRes)));
    const std::string end = "the template ends early at byte " + std::to_string(cbTemplate);
    const dlgsb::TemplateControls controls = dlgsb::ReadTemplateHeader(pTemplate, cbTemplate);
    if (controls.pFirst == nullptr) {
        check.refusal = end + ", in its header";
        return check;
    }
    // GetDlgItem finds the first control of an ID: an item after another control of its ID is
    // not the window the controller would take.
    std::map<DWORD, WORD> firstOfId;
    UINT nItems = 0;
    const BYTE* pEntry = controls.pFirst;
    for (WORD i = 0; i < controls.nControls; ++i) {
        dlgsb::ControlEntry control;
        pEntry = dlgsb::NextControl(pEntry, controls.pEnd, controls.bExtended, &control);
        if (pEntry == nullptr) {
            check.refusal = end + ", in " + ControlNumber(i, controls.nControls);
            return check;
        }
        const std::string className = ClassName(control.pClassField);
        if (!ClassIsKnown(className)) {
            check.refusal =
                "class " + className + " is unknown (" + ControlNumber(i, controls.nControls) + ")";
            return check;
        }
        const bool bShared = !firstOfId.emplace(control.id, i).second;
        if (dlgsb::KindOfControl(control) == dlgsb::kNoItem)
            continue;
        ++nItems;
        if (bShared && check.uncontrolled.empty())
            check.uncontrolled =
                "controls share ID " + std::to_string(static_cast<int>(control.id));
    }
    if (nItems == 0)
        check.uncontrolled = "no item the controller takes";
    return check;
}
