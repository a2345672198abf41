// What the previewer reads of a dialog template before it makes the dialog, with the
// controller's own reading of templates: why the window system cannot make it, why the
// controller will not take it, and the classes it names that the system lacks, which get a
// stand-in as a host's own class would.
#pragma once

#include <windows.h>

#include <string>

struct TemplateCheck {
    std::string refusal;      // why the dialog cannot be made; empty when it can
    std::string uncontrolled; // why the controller does not take it; empty when it does
};

// Template nTemplate of hModule; registers the stand-ins its controls need.
TemplateCheck CheckTemplate(HMODULE hModule, UINT nTemplate);
