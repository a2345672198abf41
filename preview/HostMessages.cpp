// The names of the host's messages, one row each.
#include "HostMessages.h"

#include "Keys.h"

#include <tk_peludlg14.h>

namespace {

// What wParam carries.
enum class Argument { None, ControlId, KeyCode, Field };

struct HostMessage {
    UINT nMessage;
    const char* pszName;
    Argument argument;
};

const HostMessage kHostMessages[] = {
    {kFuncKeyMsg, "function key", Argument::KeyCode},
    {kCheckMsg, "check change", Argument::ControlId},
    {kPullCloseMsg, "pull-down closed", Argument::ControlId},
    {WM_DLGSB_WRAPTOP, "wrapped to the first item", Argument::None},
    {WM_DLGSB_WRAPBOTTOM, "wrapped to the last item", Argument::None},
    {WM_DLGSB_LEAVETOP, "left past the first item", Argument::None},
    {WM_DLGSB_LEAVEBOTTOM, "left past the last item", Argument::None},
    {kFieldFocusMsg, "field entered", Argument::Field},
    {kFieldKeyMsg, "field key", Argument::KeyCode},
    {kFieldChangeMsg, "field change", Argument::Field},
    {kPartnerKeyMsg, "partner key", Argument::KeyCode},
    {kPartnerShiftMsg, "partner Shift released", Argument::None},
    {kPartnerLeftMsg, "partner left", Argument::None},
};

} // namespace

std::string DescribeHostMessage(UINT message, WPARAM wParam, int nField) {
    // A push button pressed, a box or radio button clicked, IDOK or IDCANCEL from the keyboard.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        return "clicked " + std::to_string(LOWORD(wParam));
    for (const HostMessage& host : kHostMessages) {
        if (host.nMessage != message)
            continue;
        switch (host.argument) {
        case Argument::None:
            return host.pszName;
        case Argument::ControlId:
            return std::string(host.pszName) + " " + std::to_string(wParam);
        case Argument::KeyCode:
            return std::string(host.pszName) + " " +
                   KeyName(Key{static_cast<UINT>(wParam), false, '\0'});
        case Argument::Field:
            return std::string(host.pszName) + " " + std::to_string(nField);
        }
    }
    return std::string();
}
