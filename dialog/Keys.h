// Key codes as the controller and its subclassing objects tell them apart.
#pragma once

#include <afx.h>

inline bool IsFunctionKey(UINT nChar) {
    return nChar >= VK_F1 && nChar <= VK_F24;
}
