// USER32's system parameters: system colours, their brushes and the system metrics, with the
// values that the reference Wine gives (screen 1280 x 1024, default theme).
#include "brush.h"

#include <iterator>

namespace headless {
namespace {

constexpr COLORREF kSysColors[] = {
    0xFFFFFF, // COLOR_SCROLLBAR
    0x956F25, // COLOR_BACKGROUND
    0xFA9632, // COLOR_ACTIVECAPTION
    0x808080, // COLOR_INACTIVECAPTION
    0xFFFFFF, // COLOR_MENU
    0xFFFFFF, // COLOR_WINDOW
    0x9E9E9E, // COLOR_WINDOWFRAME
    0x000000, // COLOR_MENUTEXT
    0x000000, // COLOR_WINDOWTEXT
    0x000000, // COLOR_CAPTIONTEXT
    0xFFFFFF, // COLOR_ACTIVEBORDER
    0xFFFFFF, // COLOR_INACTIVEBORDER
    0x808080, // COLOR_APPWORKSPACE
    0xFA9630, // COLOR_HIGHLIGHT
    0xFFFFFF, // COLOR_HIGHLIGHTTEXT
    0xF5F5F5, // COLOR_BTNFACE
    0xA6A6A6, // COLOR_BTNSHADOW
    0xA6A6A6, // COLOR_GRAYTEXT
    0x000000, // COLOR_BTNTEXT
    0xC8C8C8, // COLOR_INACTIVECAPTIONTEXT
    0xFFFFFF, // COLOR_BTNHIGHLIGHT
    0x6A6A6A, // COLOR_3DDKSHADOW
    0xE3E3E3, // COLOR_3DLIGHT
    0x000000, // COLOR_INFOTEXT
    0xFFFFFF, // COLOR_INFOBK
    0xFFFFFF, // 25, unnamed
    0xE0E0E0, // COLOR_HOTLIGHT
    0xFA9632, // COLOR_GRADIENTACTIVECAPTION
    0x808080, // COLOR_GRADIENTINACTIVECAPTION
    0xFA9630, // COLOR_MENUHILIGHT
    0xFFFFFF, // COLOR_MENUBAR
};
constexpr int kSysColorCount = static_cast<int>(std::size(kSysColors));

struct Metric {
    int nIndex;
    int nValue;
};

constexpr Metric kMetrics[] = {
    {SM_CXSCREEN, 1280},     {SM_CYSCREEN, 1024},     {SM_CXVSCROLL, 17},    {SM_CYHSCROLL, 17},
    {SM_CYCAPTION, 19},      {SM_CXBORDER, 1},        {SM_CYBORDER, 1},      {SM_CXDLGFRAME, 3},
    {SM_CYDLGFRAME, 3},      {SM_CYVTHUMB, 17},       {SM_CXHTHUMB, 17},     {SM_CXICON, 32},
    {SM_CYICON, 32},         {SM_CXCURSOR, 32},       {SM_CYCURSOR, 32},     {SM_CYMENU, 19},
    {SM_CXFULLSCREEN, 1280}, {SM_CYFULLSCREEN, 1035}, {SM_CYKANJIWINDOW, 0}, {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 17},      {SM_CXHSCROLL, 17},      {SM_DEBUG, 0},         {SM_SWAPBUTTON, 0},
    {SM_CXMIN, 112},         {SM_CYMIN, 27},          {SM_CXSIZE, 18},       {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},         {SM_CYFRAME, 4},         {SM_CXMINTRACK, 112},  {SM_CYMINTRACK, 27},
    {SM_CXDOUBLECLK, 4},     {SM_CYDOUBLECLK, 4},     {SM_DBCSENABLED, 1},   {SM_CXEDGE, 2},
    {SM_CYEDGE, 2},          {SM_IMMENABLED, 0},
};

} // namespace
} // namespace headless

DWORD WINAPI GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= headless::kSysColorCount)
        return 0;
    return headless::kSysColors[nIndex];
}

// One brush per colour for the life of the process; DeleteObject leaves it.
HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    static HBRUSH s_brushes[headless::kSysColorCount];
    if (nIndex < 0 || nIndex >= headless::kSysColorCount)
        return nullptr;
    if (s_brushes[nIndex] == nullptr)
        s_brushes[nIndex] = headless::CreateLastingBrush(headless::kSysColors[nIndex]);
    return s_brushes[nIndex];
}

int WINAPI GetSystemMetrics(int nIndex) {
    for (const headless::Metric& metric : headless::kMetrics) {
        if (metric.nIndex == nIndex)
            return metric.nValue;
    }
    return 0;
}
