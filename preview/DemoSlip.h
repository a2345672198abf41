// The demo slip's host code: what a host does with its slip dialog before and after the
// controller takes it over, and the variables its entry fields are bound to. Shared by the
// terminal previewer and the Windows program.
#pragma once

#include "HostDialog.h"

#include <tk_peludlg14.h>

#include <string>
#include <vector>

class DemoSlip final : public DialogSetup {
public:
    // masters: the folder of the master files the slip's pull-downs read.
    explicit DemoSlip(std::string masters);
    DemoSlip(const DemoSlip&) = delete;
    DemoSlip& operator=(const DemoSlip&) = delete;

    // The first values, the rows of the plain lists, and the entry fields and the partner list
    // in the places the template keeps for them.
    bool Prepare(CWnd* pDlg) override;
    // The pull-downs' lists; the customer's name is typed in hiragana, its reading goes to the
    // reading field, which is typed in half-width katakana.
    bool Attached(CDlgSb& controller) override;
    // Enter in the partner list takes the code of its selected row.
    void Received(UINT message, WPARAM wParam) override;

    // The bound variables, each field's text committed first as a host does before it reads
    // them, and the codes chosen in the pull-downs: "quantity (LONG): 12", in code page 932.
    std::vector<std::string> TakeValues();

    // The dialog's font belongs to the dialog.
    ~DemoSlip();

private:
    // The folder of the master files, ending in a separator.
    std::string m_masters;
    HWND m_hDlg = nullptr;
    LONG m_lQuantity = 1;
    double m_dPrice = 0;
    char m_szMemo[128] = "";
    // The dialog's font, as the fields and the partner list take it; the list keeps it.
    CFont m_font;
    CEditNum m_quantity;
    CEditNum m_price;
    CEditStr m_memo;
    CPullDown m_partner;
    std::string m_partnerCode;
};
