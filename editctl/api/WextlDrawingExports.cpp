// The exported C interface, drawing: fonts and the font catalogue, brushes and colours,
// device contexts, painting.
#include "wextl/wextl.h"

#include <utility>

#include "editctl/api/WextlExportsCommon.h"

extern "C" {

int WextlFontCatalogCount(BOOL fullNames) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    return catalog != nullptr ? catalog->entryCount(fullNames != 0) : 0;
}

BOOL WextlFontCatalogFamily(int index, LOGFONTA* out) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    if (catalog == nullptr || out == nullptr) {
        return 0;
    }
    return catalog->getFamily(index, *out) ? 1 : 0;
}

int WextlFontCatalogFind(const char* name, BOOL fullNames) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    return catalog != nullptr && name != nullptr ? catalog->findIndex(name, fullNames != 0) : -1;
}

HFONT WextlCreateFontIndirectA(const LOGFONTA* logFont) {
    return logFont != nullptr ? CKEditApp::instance().gdi().createFont(*logFont) : nullptr;
}

BOOL WextlDeleteObject(HGDIOBJ object) {
    return CKEditApp::instance().gdi().deleteObject(object) ? 1 : 0;
}

void WextlDeleteFont(HFONT font) { WextlDeleteObject(font); }

HBRUSH WextlCreateSolidBrush(COLORREF color) {
    return CKEditApp::instance().gdi().createSolidBrush(color);
}

HBRUSH WextlGetSysColorBrush(int index) {
    CKEWindowSystem* system = Windows();
    return system != nullptr
               ? system->gdi().sysColorBrush(index, system->platform().sysColor(index))
               : nullptr;
}

COLORREF WextlGetSysColor(int index) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->platform().sysColor(index) : 0;
}

COLORREF WextlSetTextColor(HDC dc, COLORREF color) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    return std::exchange(context->textColor, color & 0xFFFFFF);
}

COLORREF WextlSetBkColor(HDC dc, COLORREF color) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr) {
        return CLR_INVALID;
    }
    return std::exchange(context->backColor, color & 0xFFFFFF);
}

int WextlSetBkMode(HDC dc, int mode) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr || (mode != OPAQUE && mode != TRANSPARENT)) {
        return 0;
    }
    return std::exchange(context->backMode, mode);
}

BOOL WextlUpdateWindow(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->updateWindow(hwnd) ? 1 : 0;
}

BOOL WextlInvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->invalidateRect(hwnd, rect, erase != 0) ? 1 : 0;
}

HDC WextlBeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && paint != nullptr ? system->beginPaint(hwnd, *paint) : nullptr;
}

BOOL WextlEndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && paint != nullptr && system->endPaint(hwnd, *paint) ? 1 : 0;
}

int WextlFillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    CKEWindowSystem* system = Windows();
    CKEDeviceContext* context = Context(dc);
    COLORREF color = 0;
    if (context == nullptr || context->surface == nullptr || rect == nullptr ||
        !system->gdi().brushColor(brush, color)) {
        return 0;
    }
    const RECT device{rect->left - context->origin.x, rect->top - context->origin.y,
                      rect->right - context->origin.x, rect->bottom - context->origin.y};
    context->surface->fillRect(device, color);
    return 1;
}

BOOL WextlTextOutW(HDC dc, int x, int y, const WCHAR* text, int count) {
    CKEWindowSystem* system = Windows();
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr || context->surface == nullptr || text == nullptr || count < 0) {
        return 0;
    }
    const LOGFONTA* font = system->gdi().logFont(context->font);
    const RECT clip{0, 0, context->surface->width(), context->surface->height()};
    int pen = x - context->origin.x;
    for (int i = 0; i < count; ++i) {
        context->surface->drawChar(pen, y - context->origin.y, text[i], font, clip,
                                   context->textColor, context->backColor,
                                   context->backMode == OPAQUE);
        pen += system->platform().charExtent(font, text[i]).cx;
    }
    return 1;
}

BOOL WextlPrintWindow(HWND hwnd, uint32_t* pixels, int width, int height, int strideBytes) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->printWindow(hwnd, pixels, width, height, strideBytes) ? 1
                                                                                              : 0;
}

}  // extern "C"
