// libFuzzer target: arbitrary bytes as a dialog template resource of the program, made into a
// dialog by the headless dialog manager and read by the controller's InitDll, which then takes a
// few navigation keys through the host's dialog loop; once with every allocation succeeding and
// once with one failing. The input's first two bytes (little-endian) are the number of
// allocations that succeed before the one that fails; the rest is the template.
#include "FuzzExpect.h"

#include <CDlgSb.h>
#include <HostDialogMessage.h>
#include <headless_test.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {

constexpr WORD kTemplateId = 1;

HEADLESS_TEST& Headless() {
    static HEADLESS_TEST* const pTest = reinterpret_cast<HEADLESS_TEST*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT));
    if (pTest == nullptr)
        Fail("the headless system's test interface is missing");
    return *pTest;
}

// A dialog of no control, for the templates the dialog manager makes nothing of: InitDll still
// reads them, and can find none of their items there.
HWND EmptyDialog() {
    // WS_POPUP, no extended style, no control, at 0,0 and 100 by 50; no menu, class or title.
    static const WORD kEmpty[] = {0, 0x8000, 0, 0, 0, 0, 0, 100, 50, 0, 0, 0};
    static const HWND hDlg = CreateDialogIndirectParamA(
        nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(kEmpty), nullptr, nullptr, 0);
    return hDlg;
}

void PumpDialog(HWND hDlg) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsWindow(hDlg) || !HostDialogMessage(hDlg, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void TypeKeys(HWND hDlg) {
    for (BYTE vk : {VK_DOWN, VK_DOWN, VK_UP, VK_TAB, VK_RETURN, VK_END}) {
        keybd_event(vk, 0, 0, 0);
        keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        PumpDialog(hDlg);
    }
}

// The template's dialog, its controller and the keys, with allocation nSucceed + 1 failing (none
// when nSucceed is negative). What could not be made is not used, and what was made goes.
void RunTemplate(LONG nSucceed) {
    Headless().FailAllocationAfter(nSucceed);
    const HWND hMade =
        CreateDialogParamA(nullptr, MAKEINTRESOURCEA(kTemplateId), nullptr, nullptr, 0);
    const HWND hDlg = hMade != nullptr ? hMade : EmptyDialog();
    {
        CWnd dlg;
        dlg.Attach(hDlg);
        CDlgSb sb;
        const int nInit = sb.InitDll(&dlg, GetModuleHandleA(nullptr), kTemplateId, 0, 0, 0, 0, 0);
        Expect(nInit == 0 || nInit == 1, "InitDll answered neither 0 nor 1");
        Expect(hMade != nullptr || nInit == 0, "InitDll found items in a dialog of none");
        if (nInit == 1)
            TypeKeys(hDlg);
        dlg.Detach();
    }
    if (hMade != nullptr)
        DestroyWindow(hMade);
    PumpDialog(hDlg);
    Headless().FailAllocationAfter(-1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const LONG nSucceed = data[0] | data[1] << 8;
    Expect(EmptyDialog() != nullptr, "no dialog to initialise");
    if (!Headless().SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(kTemplateId), data + 2,
                                static_cast<DWORD>(size - 2)))
        return 0;
    RunTemplate(-1);
    RunTemplate(nSucceed);
    Headless().SetResource(nullptr, RT_DIALOG, MAKEINTRESOURCEA(kTemplateId), nullptr, 0);
    return 0;
}
