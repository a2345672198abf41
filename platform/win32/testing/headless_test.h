/* What only the headless window system can do for a test: script IME compositions, read back
 * the message boxes, text output and filled rectangles, make allocations fail on purpose,
 * report another system version and add resources.
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

/* The most records of each kind (message boxes, text output, filled rectangles)
 * kept between two clearings; later ones are not kept. */
#define HEADLESS_RECORDS_MAX 4096

/* One MessageBox call, as the headless system recorded it when the box came up (it shows
 * nothing; see AnswerMessageBoxes). Texts longer than the buffers are cut, always terminated. */
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

    UINT (*GetMessageBoxCount)(void);
    BOOL (*GetMessageBox)(UINT nIndex, HEADLESS_MESSAGEBOX* pOut);
    void (*ClearMessageBoxes)(void);

    UINT (*GetTextOutCount)(void);
    BOOL (*GetTextOut)(UINT nIndex, HEADLESS_TEXTOUT* pOut);
    void (*ClearTextOut)(void);

    /* Lets nSucceed more allocations succeed (heap and global blocks, and the storage the
     * system grows for a caller: windows, their texts and properties, classes, hooks, posted
     * messages and keyboard input, dialogs, control states and items, input contexts, GDI
     * objects, and the records above), then fails exactly one. A negative nSucceed stops
     * failing. Returns how many allocations the previous call had still to let succeed: -1
     * when it had failed its one (or was not failing), so that a test learns whether an
     * operation reached the failure and how many allocations it made. */
    LONG (*FailAllocationAfter)(LONG nSucceed);

    UINT (*GetFillRectCount)(void);
    BOOL (*GetFillRect)(UINT nIndex, HEADLESS_FILLRECT* pOut);
    void (*ClearFillRects)(void);

    /* What GetVersion reports from now on; the high bit set stands for the Windows 95/98
     * family. */
    void (*SetVersion)(DWORD dwVersion);

    /* Compositions, as an input method makes them in the focus window. Each needs the focus
     * window's input context open, as an input method composes only then, and returns FALSE
     * otherwise. WM_IME_STARTCOMPOSITION: */
    BOOL (*StartComposition)(void);
    /* One WM_IME_COMPOSITION: each string that is not NULL goes into the window's context
     * (where ImmGetCompositionStringA finds it) and its flag into lParam: GCS_RESULTSTR,
     * GCS_RESULTREADSTR, GCS_COMPSTR, GCS_COMPREADSTR; the strings not given are emptied.
     * A change gives the composition and its reading, a commit the result and its reading, and
     * all NULL sends lParam 0 (the composition emptied, or cancelled). DefWindowProc sends a
     * result on as WM_IME_CHAR, one character each, and posts those as WM_CHAR, lead byte
     * first. */
    BOOL (*Compose)(LPCSTR pszResult, LPCSTR pszResultRead, LPCSTR pszComp, LPCSTR pszCompRead);
    /* WM_IME_ENDCOMPOSITION: */
    BOOL (*EndComposition)(void);
    /* Makes ImmGetCompositionStringA report lResult for dwIndex of the context instead of the
     * byte count, whatever the string (it still copies what the buffer holds); a negative
     * lResult is an error, with nothing copied; 0 goes back to the count. */
    BOOL (*SetCompositionResult)(HIMC hIMC, DWORD dwIndex, LONG lResult);

    /* The records above are kept only while bKeep is TRUE; the system starts without keeping
     * any, so that a program that never asks for them does not grow. */
    void (*KeepRecords)(BOOL bKeep);

    /* From now on FindResourceA(hModule, lpName, lpType), with an integer type and name, finds
     * a copy of the cbData bytes at pData ahead of the module's own resources, in a block that
     * ends where the bytes end: a template or a bitmap a test makes at run time. pData NULL
     * takes the resource away again; a resource found before is then no longer valid. */
    BOOL(*SetResource)
    (HMODULE hModule, LPCSTR lpType, LPCSTR lpName, const void* pData, DWORD cbData);

    /* A message box is a modal box whose loop dispatches the thread's messages until its user
     * answers; once the queue runs dry, nothing more can come here, and the box is answered with
     * button nButton (IDOK, IDCANCEL...) when it has one, else with its default button, as
     * Enter would. 0 goes back to the default button. */
    void (*AnswerMessageBoxes)(int nButton);
} HEADLESS_TEST;

#endif
