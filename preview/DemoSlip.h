// The demo slip's host code: what a host does with its slip dialog before and after the
// controller takes it over. Shared by the terminal previewer and the Windows program.
#pragma once

#include <windows.h>

#include <string>

class DemoSlip {
public:
    // pszMasters: the folder of the master files the slip's pull-down lists read.
    explicit DemoSlip(std::string masters);

    // Before the controller: the first values and the rows of the plain lists.
    void Prepare(HWND hDlg) const;

    const std::string& Masters() const { return m_masters; }

private:
    std::string m_masters;
};
