/* The Win32 API of the headless window system: the subset of USER32, GDI32 and KERNEL32 that
 * the class framework, the library and its tests call, with the SDK's names and values. */
#ifndef WIN32_HEADLESS_WINDOWS_H
#define WIN32_HEADLESS_WINDOWS_H

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"

#endif
