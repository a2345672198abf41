// GDI32's object table and the operations common to every object: stock objects and
// DeleteObject.
#include "gdiobj.h"
#include "lifetime.h"

#include "brush.h"
#include "font.h"
#include "memory.h"

#include <map>

namespace headless {
namespace {

struct ObjectTable {
    std::map<uintptr_t, GdiObject> objects;
    // Handles are small numbers, as on Windows, not addresses: a handle that was never made
    // or is already destroyed is recognised without touching memory.
    uintptr_t nextHandle = 0x10000;
    HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
};

ObjectTable& Table() {
    return ProcessLifetime<ObjectTable>();
}

HGDIOBJ NewStockObject(int i) {
    GdiObject object;
    object.bLasting = true;
    LOGFONTA font;
    LOGBRUSH brush;
    if (GetStockFont(i, &font))
        object.value = font;
    else if (GetStockBrush(i, &brush))
        object.value = brush;
    else
        return nullptr;
    return AddObject(object);
}

} // namespace

HGDIOBJ AddObject(const GdiObject& object) {
    ObjectTable& table = Table();
    if (!GrowStorage([&] { table.objects.emplace(table.nextHandle + 4, object); }))
        return nullptr;
    table.nextHandle += 4;
    return reinterpret_cast<HGDIOBJ>(table.nextHandle);
}

GdiObject* FindObject(HGDIOBJ h) {
    auto& objects = Table().objects;
    const auto it = objects.find(reinterpret_cast<uintptr_t>(h));
    return it == objects.end() ? nullptr : &it->second;
}

void RemoveObject(HGDIOBJ h) {
    Table().objects.erase(reinterpret_cast<uintptr_t>(h));
}

void AddSelection(HGDIOBJ h) {
    ++FindObject(h)->nSelections;
}

void DropSelection(HGDIOBJ h) {
    GdiObject* pObject = FindObject(h);
    if (--pObject->nSelections == 0 && pObject->bDeletePending)
        RemoveObject(h);
}

} // namespace headless

HGDIOBJ WINAPI GetStockObject(int i) {
    if (i < 0 || i > DEFAULT_GUI_FONT)
        return nullptr;
    HGDIOBJ& hStock = headless::Table().stock[i];
    if (hStock == nullptr)
        hStock = headless::NewStockObject(i);
    return hStock;
}

// Stock objects and system colour brushes survive DeleteObject, which still succeeds. An
// object that a DC has selected stays until the DC lets it go.
BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    headless::GdiObject* pObject = headless::FindObject(ho);
    if (pObject == nullptr || std::holds_alternative<headless::DeviceContext>(pObject->value)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (pObject->bLasting)
        return TRUE;
    if (pObject->nSelections > 0)
        pObject->bDeletePending = true;
    else
        headless::RemoveObject(ho);
    return TRUE;
}
