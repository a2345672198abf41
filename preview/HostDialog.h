// A host application's part around one data-entry dialog, as a real host writes it: a main
// window, the dialog made from its template and owned by it, a CDlgSb attached once the
// controls exist, the host's messages noted as they arrive, and the dialog loop of
// HostDialogMessage. The terminal previewer and the Windows program share it.
#pragma once

#include <tk_peludlg14.h>

#include <memory>
#include <string>
#include <vector>

// What a host does with its own dialog around the controller.
class DialogSetup {
public:
    // Before the controller takes the dialog over: fill lists, set the first values, make the
    // fields the controller leaves to the host. False when something cannot be made. pDlg is
    // the host's object of its dialog, which the fields may keep.
    virtual bool Prepare(CWnd* pDlg) = 0;
    // Once the controller is attached: the settings made through it. False when one is refused.
    virtual bool Attached(CDlgSb& controller) = 0;
    // A message to the dialog, before the host's own answer to it.
    virtual void Received(UINT message, WPARAM wParam) = 0;

protected:
    ~DialogSetup() = default;
};

class HostDialog {
public:
    HostDialog();
    ~HostDialog();
    HostDialog(const HostDialog&) = delete;
    HostDialog& operator=(const HostDialog&) = delete;

    // Opens template nTemplate of module hTemplates and attaches the controller (Init for the
    // program's own module, InitDll for another), wrap messages wanted. A radio group with no
    // button checked gets its first one checked, as the controller requires. False, with the
    // reason in *pError, when the dialog or the setup's part cannot be made; a dialog the
    // controller does not take is open without it (Uncontrolled). pSetup may be null.
    bool Open(HINSTANCE hTemplates, UINT nTemplate, DialogSetup* pSetup, std::string* pError);

    HWND Dialog() const { return m_hwndDialog; }
    // Why the controller did not take the dialog; empty when it did.
    const std::string& Uncontrolled() const { return m_uncontrolled; }
    // Dispatches every waiting message through the host's dialog loop; then the thread is
    // idle.
    void Pump();

    // The dialog was cancelled (IDCANCEL: Escape, the Cancel button, the close box).
    bool Cancelled() const { return m_bCancelled; }
    // The host's messages since the last call, named.
    std::vector<std::string> TakeMessages();
    // One line per control that holds a value, in template order: its ID, the label a person
    // reads for it, and its value (code page 932).
    std::vector<std::string> Values() const;

private:
    // The loop's step for one message: true when the dialog took it.
    bool DialogMessage(MSG* pMsg) const;
    bool Attach(HINSTANCE hTemplates, UINT nTemplate, std::string* pError);
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Note(UINT message, WPARAM wParam);
    void AnswerField(UINT message, WPARAM wParam);

    HWND m_hwndMain = nullptr;
    HWND m_hwndDialog = nullptr;
    // The host's object of its dialog, as an MFC host has its CDialog: the controller and the
    // host's fields keep it.
    CWnd m_dialog;
    std::unique_ptr<CDlgSb> m_pController;
    DialogSetup* m_pSetup = nullptr;
    std::vector<std::string> m_messages;
    std::string m_uncontrolled;
    // The entry field that last gained the focus.
    int m_nField = 0;
    bool m_bCancelled = false;
};
