// CDlgSb: building the item table from the dialog's template, subclassing its controls, and
// freeing it all again.
#include "CDlgSb.h"

#include "AliveWatch.h"
#include "CButtonSub.h"
#include "CComboSub.h"
#include "CListSub.h"
#include "CPullComboSub.h"
#include "DlgTemplate.h"
#include "EditItem.h"
#include "HeapArray.h"
#include "NewObject.h"

namespace {

constexpr UINT kMaxItems = 32767;

// The template resource, mapped for the module's lifetime; nullptr when it cannot be had.
const BYTE* LoadTemplate(HINSTANCE hInst, short nIDTemplate, DWORD* pcbTemplate) {
    const HRSRC hRes =
        FindResourceA(hInst, MAKEINTRESOURCEA(static_cast<WORD>(nIDTemplate)), RT_DIALOG);
    if (hRes == nullptr)
        return nullptr;
    const HGLOBAL hData = LoadResource(hInst, hRes);
    if (hData == nullptr)
        return nullptr;
    *pcbTemplate = SizeofResource(hInst, hRes);
    return static_cast<const BYTE*>(LockResource(hData));
}

// Creates the item's subclassing object into its slot first, so that the destructor frees
// it whatever its Init says.
template <typename TSub, typename... TArgs>
int CreateSub(CWnd** ppSlot, TArgs... args) {
    TSub* pSub = NewObject<TSub>();
    *ppSlot = pSub;
    return pSub != nullptr ? pSub->Init(args...) : 0;
}

} // namespace

CDlgSb::CDlgSb()
    : m_pDlg(nullptr), m_nFuncKeyMsg(0), m_nPullCloseMsg(0), m_nCheckMsg(0), m_bWrapNotify(0),
      m_bEdgeNotify(0), m_phWnd(nullptr), m_pKind(nullptr), m_pGroup(nullptr), m_nCount(0),
      m_nFocus(0), m_pID(nullptr), m_ppSub(nullptr), m_bInKeyDown(0) {}

CDlgSb::~CDlgSb() {
    AliveWatch::ObjectGone(m_pbAlive);
    if (m_nCount == 0)
        return;
    if (m_ppSub != nullptr) {
        for (UINT i = 0; i < m_nCount; ++i)
            delete m_ppSub[i];
    }
    HeapFreeArray(m_phWnd);
    HeapFreeArray(m_pID);
    HeapFreeArray(m_pKind);
    HeapFreeArray(m_pGroup);
    HeapFreeArray(m_ppSub);
}

int CDlgSb::Init(CWnd* pDlg, UINT nIDTemplate, UINT nFuncKeyMsg, UINT nPullCloseMsg, UINT nCheckMsg,
                 short bWrapNotify, short bEdgeNotify) {
    return InitDll(pDlg, AfxGetInstanceHandle(), nIDTemplate, nFuncKeyMsg, nPullCloseMsg, nCheckMsg,
                   bWrapNotify, bEdgeNotify);
}

int CDlgSb::InitDll(CWnd* pDlg, HINSTANCE hInst, UINT nIDTemplate, UINT nFuncKeyMsg,
                    UINT nPullCloseMsg, UINT nCheckMsg, short bWrapNotify, short bEdgeNotify) {
    m_pDlg = pDlg;
    m_nFuncKeyMsg = nFuncKeyMsg;
    m_nPullCloseMsg = nPullCloseMsg;
    m_nCheckMsg = nCheckMsg;
    m_bWrapNotify = bWrapNotify;
    m_bEdgeNotify = bEdgeNotify;
    if (pDlg == nullptr ||
        !GetDlgData(static_cast<short>(nIDTemplate), hInst, &m_nCount, &m_pID, &m_pKind, &m_pGroup))
        return 0;
    if ((m_phWnd = HeapAllocArray<HWND>(m_nCount)) == nullptr ||
        (m_ppSub = HeapAllocArray<CWnd*>(m_nCount)) == nullptr)
        return 0;
    for (UINT i = 0; i < m_nCount; ++i)
        m_ppSub[i] = nullptr;
    for (UINT i = 0; i < m_nCount; ++i) {
        if (!SubclassItem(m_pID[i], i))
            return 0;
    }
    // The host hears of the first focus and may close the dialog there.
    const AliveWatch watch(m_pbAlive);
    m_nFocus = 0;
    if (!ResetFocusPos() || !watch.Alive())
        return 0;
    for (UINT i = 0; i < m_nCount; ++i) {
        if (CEditSub* pEdit = EditItem(*this, i))
            pEdit->FepAbsOff();
    }
    ::SetFocus(m_phWnd[m_nFocus]);
    return 1;
}

// A template that makes no item is refused with nothing allocated: the controller has nothing
// to work on without items. So is one that makes more items than a 16-bit signed index reaches,
// which every operation on the table would otherwise index out of bounds, and one whose entries
// run past the resource's end.
int CDlgSb::GetDlgData(short nIDTemplate, HINSTANCE hInst, UINT* pnCount, UINT** ppID,
                       BYTE** ppKind, short** ppGroup) {
    DWORD cbTemplate = 0;
    const BYTE* pTemplate = LoadTemplate(hInst, nIDTemplate, &cbTemplate);
    if (pTemplate == nullptr)
        return 0;
    const dlgsb::TemplateControls controls = dlgsb::ReadTemplateHeader(pTemplate, cbTemplate);
    if (controls.pFirst == nullptr)
        return 0;

    UINT nItems = 0;
    dlgsb::ControlEntry entry;
    const BYTE* pEntry = controls.pFirst;
    for (WORD i = 0; i < controls.nControls; ++i) {
        pEntry = dlgsb::NextControl(pEntry, controls.pEnd, controls.bExtended, &entry);
        if (pEntry == nullptr)
            return 0;
        if (dlgsb::KindOfControl(entry) != dlgsb::kNoItem)
            ++nItems;
    }
    if (nItems == 0 || nItems > kMaxItems)
        return 0;

    *pnCount = nItems;
    if ((*ppID = HeapAllocArray<UINT>(nItems)) == nullptr ||
        (*ppKind = HeapAllocArray<BYTE>(nItems)) == nullptr ||
        (*ppGroup = HeapAllocArray<short>(nItems)) == nullptr)
        return 0;
    for (UINT i = 0; i < nItems; ++i)
        (*ppGroup)[i] = -1;

    // A check or radio item belongs to the group begun by the last WS_GROUP control before it,
    // numbered by how many items had been placed when that control was met. Radio buttons before
    // the first WS_GROUP control belong to none, although Win32's dialog manager counts the first
    // control as a group's start (a click on one clears the others, Wine agrees): the controller
    // checks such a radio button without clearing the others, and stays on it at Enter.
    short nGroup = -1;
    UINT n = 0;
    pEntry = controls.pFirst;
    for (WORD i = 0; i < controls.nControls; ++i) {
        pEntry = dlgsb::NextControl(pEntry, controls.pEnd, controls.bExtended, &entry);
        if (entry.style & WS_GROUP)
            nGroup = static_cast<short>(n);
        const BYTE kind = dlgsb::KindOfControl(entry);
        if (kind != dlgsb::kNoItem) {
            (*ppID)[n] = entry.id;
            (*ppKind)[n] = kind;
            if ((kind == KIND_CHECK || kind == KIND_RADIO) && nGroup != -1)
                (*ppGroup)[n] = nGroup;
            ++n;
        }
    }
    return 1;
}

CDlgSb::ITEM* CDlgSb::GetItem(ITEM* pItem, WORD* pwClass) {
    dlgsb::ControlEntry entry;
    const BYTE* pNext =
        dlgsb::NextControl(reinterpret_cast<const BYTE*>(pItem), nullptr, false, &entry);
    *pwClass = entry.wClass;
    return reinterpret_cast<ITEM*>(const_cast<BYTE*>(pNext));
}

int CDlgSb::SubclassItem(UINT nID, UINT nIndex) {
    const HWND hWnd = ::GetDlgItem(m_pDlg->m_hWnd, static_cast<int>(nID));
    m_phWnd[nIndex] = hWnd;
    if (hWnd == nullptr)
        return 0;
    const BYTE kind = m_pKind[nIndex];
    CWnd** ppSlot = &m_ppSub[nIndex];
    switch (kind) {
    case KIND_PUSH:
    case KIND_CHECK:
    case KIND_RADIO:
        return CreateSub<CButtonSub>(ppSlot, this, hWnd, nIndex, static_cast<UINT>(kind));
    case KIND_EDIT:
    case KIND_EDITMULTI:
        return CreateSub<CEditSub>(ppSlot, this, hWnd, nIndex,
                                   static_cast<short>(kind == KIND_EDITMULTI));
    case KIND_COMBO:
        return CreateSub<CComboSub>(ppSlot, this, hWnd, nIndex);
    case KIND_LIST:
        return CreateSub<CListSub>(ppSlot, this, hWnd, nIndex);
    case KIND_PULLCOMBO:
        return CreateSub<CPullComboSub>(ppSlot, this, hWnd, nIndex);
    }
    return 1; // KIND_EDIT5000 and KIND_EDIT6000 stay with the host
}
