/* What only the headless window system can do for a test: script IME compositions, read back
 * message boxes, text output and filled rectangles, make heap allocations fail on purpose and
 * report another system version.
 *
 * A test asks for it at run time, so the same test program also runs on a real Win32, where
 * the interface is absent and the test skips:
 *
 *     HEADLESS_TEST* test = (HEADLESS_TEST*)GetProcAddress(
 *         GetModuleHandleA("user32.dll"), HEADLESS_TEST_EXPORT);
 *
 * Only types live here; nothing needs to be linked. */
#ifndef HEADLESS_TEST_H
#define HEADLESS_TEST_H

#include <windows.h>
#include <imm.h>

#define HEADLESS_TEST_EXPORT "HeadlessTestInterface"

/* One MessageBox call, as the headless system recorded it (it shows nothing and answers
 * as Enter would, with its default button). Texts longer than the buffers are cut, always
 * terminated. */
typedef struct tagHEADLESS_MESSAGEBOX {
    HWND hwndOwner;
    UINT uType;
    char szText[1024];
    char szCaption[256];
} HEADLESS_MESSAGEBOX;

/* One TextOutA/ExtTextOutA call. Coordinates are the DC's logical ones, which for a window
 * DC are the window's client coordinates. */
typedef struct tagHEADLESS_TEXTOUT {
    HWND hwnd; /* window of the DC, 0 for a memory DC */
    int x;
    int y;
    UINT uOptions;
    RECT rcClip; /* as passed to ExtTextOutA, empty for TextOutA */
    COLORREF crText;
    COLORREF crBack;
    int nBkMode;
    HFONT hFont;
    int cbText;
    char szText[512];
} HEADLESS_TEXTOUT;

/* One FillRect call with a brush that paints, in the DC's logical coordinates. */
typedef struct tagHEADLESS_FILLRECT {
    HWND hwnd; /* window of the DC, 0 for a memory DC */
    RECT rc;
    COLORREF crBrush;
} HEADLESS_FILLRECT;

typedef struct tagHEADLESS_TEST {
    DWORD cbSize;

    /* The text ImmGetCompositionStringA returns for dwIndex (GCS_COMPSTR, GCS_COMPREADSTR,
     * GCS_RESULTSTR, GCS_RESULTREADSTR) of the context. A negative cbData makes the call
     * return that value as its error code instead. */
    BOOL (*SetCompositionString)(HIMC hIMC, DWORD dwIndex, const void* pData, LONG cbData);

    UINT (*GetMessageBoxCount)(void);
    BOOL (*GetMessageBox)(UINT nIndex, HEADLESS_MESSAGEBOX* pOut);
    void (*ClearMessageBoxes)(void);

    UINT (*GetTextOutCount)(void);
    BOOL (*GetTextOut)(UINT nIndex, HEADLESS_TEXTOUT* pOut);
    void (*ClearTextOut)(void);

    /* Lets nSucceed more heap and global allocations succeed, then fails exactly one.
     * A negative nSucceed stops failing. */
    void (*FailAllocationAfter)(LONG nSucceed);

    UINT (*GetFillRectCount)(void);
    BOOL (*GetFillRect)(UINT nIndex, HEADLESS_FILLRECT* pOut);
    void (*ClearFillRects)(void);

    /* What GetVersion reports from now on; the high bit set stands for the Windows 95/98
     * family. */
    void (*SetVersion)(DWORD dwVersion);
} HEADLESS_TEST;

#endif
