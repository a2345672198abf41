// Stand-in classes, registered only where the system has no class of that name.
#include "StandInControls.h"

namespace test {
namespace {

// comctl32's dialog controls and the rich edit's class names, ANSI and wide.
const char* const kCommonControls[] = {
    "SysListView32",     "SysTreeView32",     "SysHeader32",        "SysTabControl32",
    "msctls_updown32",   "msctls_trackbar32", "msctls_progress32",  "msctls_hotkey32",
    "SysDateTimePick32", "SysMonthCal32",     "SysIPAddress32",     "SysAnimate32",
    "SysLink",           "ComboBoxEx32",      "msctls_statusbar32", "ToolbarWindow32",
    "ReBarWindow32",     "SysPager",          "RichEdit",           "RichEdit20A",
    "RichEdit20W",       "RICHEDIT50W"};

} // namespace

bool RegisterStandIn(const char* pszClass) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(nullptr, pszClass, &wc))
        return true;
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = pszClass;
    return RegisterClassA(&wc) != 0;
}

bool RegisterStandInControls() {
    for (const char* pszClass : kCommonControls) {
        if (!RegisterStandIn(pszClass))
            return false;
    }
    return true;
}

} // namespace test
