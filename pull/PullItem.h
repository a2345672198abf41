// What the two pull-down controls do alike: drawing an owner-drawn row through their store and
// measuring their font.
#pragma once

#include "CPullBase.h"

// A combo box row is drawn in the selection colours when it is drawn whole or for its focus
// while it has the focus, or when it is selected; other controls' items are not drawn.
void DrawPullItem(CPullBase& store, const DRAWITEMSTRUCT* pDrawItem, CFont* pFont);
// The character height of pFont, or of the window's own device context font when NULL; 0 when
// it cannot be measured.
int PullTextHeight(CWnd* pWnd, CFont* pFont);
