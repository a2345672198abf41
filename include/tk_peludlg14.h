// The host's single include for the library: its initialiser and every exported class.
#pragma once

#include <afx.h>

#include "CButtonSub.h"
#include "CComboSub.h"
#include "CConv.h"
#include "CDlgSb.h"
#include "CEditNum.h"
#include "CEditStr.h"
#include "CEditSub.h"
#include "CFep.h"
#include "CListSub.h"
#include "CPullBase.h"
#include "CPullComboSub.h"
#include "CPullDown.h"
#include "CPullRead.h"

// Adds the library's dialog templates and bitmaps to the host's resource look-ups. Call once,
// before opening a dialog that uses them. A plain C function, so that every target exports it
// as InitPeluDlgDLL: 32-bit Windows would decorate a WINAPI one as InitPeluDlgDLL@0.
extern "C" AFX_EXT_CLASS void InitPeluDlgDLL();
