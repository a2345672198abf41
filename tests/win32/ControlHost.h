// The windows that hold the controls under test: a recorded parent window, dialogs made from
// templates built in memory, controls whose own messages are recorded, and what the parents
// are asked to draw and measure.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test {

// A dialog template in the standard form with the 9-point "MS Shell Dlg" font, built one
// control at a time.
class DialogTemplateBuilder {
public:
    DialogTemplateBuilder(DWORD style, short cx, short cy);
    DialogTemplateBuilder& Control(WORD wClassAtom, DWORD style, short x, short y, short cx,
                                   short cy, WORD wId, const char* pszText = "", DWORD exStyle = 0);
    LPCDLGTEMPLATEA Get() const;

private:
    void Word(WORD w) { m_words.push_back(w); }
    void Dword(DWORD dw);
    void Text(const char* psz);

    std::vector<WORD> m_words;
};

// Predefined classes of dialog templates.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kListBoxAtom = 0x0083;
constexpr WORD kComboBoxAtom = 0x0085;

// A modeless dialog, recorded as "dlg", owned by a recorded window "owner"; the messages of its
// creation are left out of the message record. Both windows are destroyed with it, and every
// record is cleared.
class ControlDialog {
public:
    explicit ControlDialog(const DialogTemplateBuilder& tmpl);
    ~ControlDialog();
    ControlDialog(const ControlDialog&) = delete;
    ControlDialog& operator=(const ControlDialog&) = delete;

    HWND Handle() const { return m_hwndDialog; }
    HWND Item(int nId) const { return GetDlgItem(m_hwndDialog, nId); }

private:
    HWND m_hwndOwner;
    HWND m_hwndDialog;
};

// A visible top-level window, recorded as "parent", for controls made with CreateWindowEx.
class ParentWindow {
public:
    ParentWindow();
    ~ParentWindow();
    ParentWindow(const ParentWindow&) = delete;
    ParentWindow& operator=(const ParentWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    // A visible child control; the messages of its creation are pumped and left out of the
    // message record (the parent records keep what it asked to be drawn and measured).
    HWND Create(const char* pszClass, DWORD style, int nId, const char* pszText = "",
                DWORD exStyle = 0, int cx = 100, int cy = 100) const;

private:
    HWND m_hwnd;
};

// The control's own messages are recorded under the name, before its procedure sees them.
void RecordControl(HWND hwnd, const char* pszName);

// What the parents (ParentWindow, ControlDialog) received in WM_DRAWITEM and WM_MEASUREITEM,
// and in WM_CTLCOLORxxx, which the message record leaves out.
struct DrawnItem {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    RECT rcItem;
    ULONG_PTR itemData;
};
struct MeasuredItem {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
};
struct ColourRequest {
    HWND hwndReceiver;
    UINT message;
    HWND hwndFrom;
};
// The WM_CTLCOLORxxx that the control receives go into the same record as its parents', in
// the order they come.
void RecordColourRequestsOf(HWND hwnd);
const std::vector<DrawnItem>& DrawnItems();
const std::vector<MeasuredItem>& MeasuredItems();
const std::vector<ColourRequest>& ColourRequests();
void ClearParentRecords();
// The item height the parents answer WM_MEASUREITEM with; 0 leaves the proposed one.
void SetMeasuredHeight(UINT nHeight);

} // namespace test
