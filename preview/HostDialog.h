// A host application's part around one data-entry dialog, as a real host writes it: a main
// window, the dialog made from its template and owned by it, a CDlgSb attached once the
// controls exist, the host's messages noted as they arrive, and the dialog loop of
// HostDialogMessage. The terminal previewer and the Windows program share it.
#pragma once

#include <tk_peludlg14.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class HostDialog {
public:
    // What the host does to the new dialog before the controller takes it over (fill lists,
    // set the first values).
    using Prepare = std::function<void(HWND hDlg)>;

    HostDialog();
    ~HostDialog();
    HostDialog(const HostDialog&) = delete;
    HostDialog& operator=(const HostDialog&) = delete;

    // Opens template nTemplate of module hTemplates and attaches the controller (Init for the
    // program's own module, InitDll for another), wrap messages wanted. A radio group with no
    // button checked gets its first one checked, as the controller requires. False, with the
    // reason in *pError, when the dialog or its controller cannot be made.
    bool Open(HINSTANCE hTemplates, UINT nTemplate, const Prepare& prepare, std::string* pError);

    HWND Dialog() const { return m_hwndDialog; }
    // Dispatches every waiting message through the host's dialog loop.
    void Pump();
    // The loop's step for one message: true when the dialog took it.
    bool DialogMessage(MSG* pMsg) const;

    // The dialog was cancelled (IDCANCEL: Escape, the Cancel button, the close box).
    bool Cancelled() const { return m_bCancelled; }
    // The host's messages since the last call, named.
    std::vector<std::string> TakeMessages();
    // One line per control that holds a value, in template order: its ID, the label before
    // it, and its value (code page 932).
    std::vector<std::string> Values() const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Note(UINT message, WPARAM wParam);

    HWND m_hwndMain = nullptr;
    HWND m_hwndDialog = nullptr;
    std::unique_ptr<CDlgSb> m_pController;
    std::vector<std::string> m_messages;
    bool m_bCancelled = false;
};
