// The exported C interface, drawing: fonts and the font catalogue, brushes and colours,
// device contexts, painting.
#include "wextl/wextl.h"

#include <memory>
#include <utility>

#include "editctl/api/WextlExportsCommon.h"
#include "editctl/window/IKEPlatform.h"

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
        !system->gdi().isBrush(brush)) {
        return 0;
    }
    if (!system->gdi().brushColor(brush, color)) {
        return 1;  // the hollow brush paints nothing
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

// A context for measuring (no surface: drawing on it does nothing), with the default font
// selected, as Win32's GetDC gives.
HDC WextlGetDC(HWND hwnd) {
    CKEWindowSystem* system = hwnd != nullptr ? WindowsFor(hwnd) : Windows();
    if (system == nullptr) {
        return nullptr;
    }
    auto context = std::make_unique<CKEDeviceContext>();
    context->hwnd = hwnd;
    return system->gdi().addContext(std::move(context));
}

int WextlReleaseDC(HWND hwnd, HDC dc) {
    CKEDeviceContext* context = Context(dc);
    // Only what GetDC gave: a paint context belongs to BeginPaint and EndPaint.
    if (context == nullptr || context->surface != nullptr || context->hwnd != hwnd) {
        return 0;
    }
    Windows()->gdi().removeContext(dc);
    return 1;
}

// A context selects fonts and brushes; null is the default font (what the first SelectObject
// of a font returns, and selecting it back restores it) and no brush.
HGDIOBJ WextlSelectObject(HDC dc, HGDIOBJ object) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr) {
        return nullptr;
    }
    CKEGdiObjects& gdi = Windows()->gdi();
    if (object == nullptr || gdi.isFont(object)) {
        return std::exchange(context->font, static_cast<HFONT>(object));
    }
    if (gdi.isBrush(object)) {
        return std::exchange(context->brush, static_cast<HBRUSH>(object));
    }
    WextlSetError(ERROR_INVALID_HANDLE);
    return nullptr;
}

HGDIOBJ WextlGetStockObject(int index) {
    HGDIOBJ object = CKEditApp::instance().gdi().stockObject(index);
    if (object == nullptr) {
        WextlSetError(ERROR_INVALID_PARAMETER);
    }
    return object;
}

BOOL WextlGetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr || metrics == nullptr) {
        return 0;
    }
    CKEWindowSystem* system = Windows();
    const LOGFONTA* font = system->gdi().logFont(context->font);
    const KEFontMetrics measured = system->platform().fontMetrics(font);
    *metrics = TEXTMETRICA{};
    metrics->tmHeight = measured.height;
    metrics->tmAveCharWidth = measured.aveCharWidth;
    // A double-byte character is the widest the control draws.
    metrics->tmMaxCharWidth = system->platform().charExtent(font, u'\u3042').cx;
    metrics->tmWeight = font != nullptr && font->lfWeight != 0 ? font->lfWeight : FW_NORMAL;
    metrics->tmItalic = font != nullptr ? font->lfItalic : 0;
    metrics->tmUnderlined = font != nullptr ? font->lfUnderline : 0;
    metrics->tmPitchAndFamily = font != nullptr ? font->lfPitchAndFamily : 0;
    metrics->tmCharSet = SHIFTJIS_CHARSET;
    metrics->tmDefaultChar = '?';
    metrics->tmBreakChar = ' ';
    metrics->tmFirstChar = 0x20;
    metrics->tmLastChar = 0xFF;
    return 1;
}

// The sum of the characters' extents: the measuring the control itself lays text out with.
BOOL WextlGetTextExtentPoint32W(HDC dc, const WCHAR* text, int count, SIZE* size) {
    CKEDeviceContext* context = Context(dc);
    if (context == nullptr || size == nullptr || count < 0 || (text == nullptr && count > 0)) {
        return 0;
    }
    CKEWindowSystem* system = Windows();
    const LOGFONTA* font = system->gdi().logFont(context->font);
    SIZE total{0, system->platform().fontMetrics(font).height};
    for (int i = 0; i < count; ++i) {
        total.cx += system->platform().charExtent(font, text[i]).cx;
    }
    *size = total;
    return 1;
}

}  // extern "C"
