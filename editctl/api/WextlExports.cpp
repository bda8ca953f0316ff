// The exported C interface: each function hands over to the library's window system, which
// refuses handles it does not know.
#include "wextl/wextl.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "editctl/api/CKEditApp.h"

namespace {

CKEWindowSystem* Windows() { return CKEditApp::instance().windows(); }

CKEDeviceContext* Context(HDC dc) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->gdi().context(dc) : nullptr;
}

}  // namespace

extern "C" {

void WextlEntry(void) {}

BOOL WextlIsClassRegistered(const char* className) {
    if (className == nullptr) {
        return 0;
    }
    return CKEditApp::instance().classes().isRegistered(className) ? 1 : 0;
}

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

WORD WextlRegisterClassA(const WNDCLASSA* wc) {
    if (wc == nullptr || wc->lpszClassName == nullptr || wc->lpfnWndProc == nullptr) {
        return 0;
    }
    KEWindowClass windowClass;
    windowClass.style = wc->style;
    windowClass.windowProc = wc->lpfnWndProc;
    windowClass.classExtra = wc->cbClsExtra;
    windowClass.windowExtra = std::max(wc->cbWndExtra, 0);
    // A background given as a system colour index plus one, as Win32 allows, or any brush.
    const auto background = reinterpret_cast<std::uintptr_t>(wc->hbrBackground);
    if (background <= 31) {
        windowClass.background = static_cast<int>(background);
    } else {
        windowClass.backgroundBrush = wc->hbrBackground;
    }
    windowClass.className = wc->lpszClassName;
    static WORD atom = 0xC000;
    return CKEditApp::instance().classes().registerClass(windowClass) ? ++atom : 0;
}

HWND WextlCreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                          HINSTANCE /*instance*/, void* param) {
    CKEWindowSystem* system = Windows();
    return system != nullptr
               ? system->createWindow(exStyle, className, windowName, style, x, y, width, height,
                                      parent, reinterpret_cast<LONG_PTR>(menuOrId), param)
               : nullptr;
}

BOOL WextlDestroyWindow(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->destroyWindow(hwnd) ? 1 : 0;
}

BOOL WextlIsWindow(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->isWindow(hwnd) ? 1 : 0;
}

HWND WextlGetParent(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getParent(hwnd) : nullptr;
}

LONG_PTR WextlGetWindowLongPtrA(HWND hwnd, int index) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getWindowLongPtr(hwnd, index) : 0;
}

LONG_PTR WextlSetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setWindowLongPtr(hwnd, index, value) : 0;
}

BOOL WextlGetClientRect(HWND hwnd, RECT* rect) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && rect != nullptr && system->getClientRect(hwnd, *rect) ? 1 : 0;
}

BOOL WextlMoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->moveWindow(hwnd, x, y, width, height, repaint != 0) ? 1 : 0;
}

BOOL WextlEnableWindow(HWND hwnd, BOOL enable) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->enableWindow(hwnd, enable != 0) ? 1 : 0;
}

BOOL WextlIsWindowEnabled(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->isWindowEnabled(hwnd) ? 1 : 0;
}

BOOL WextlShowWindow(HWND hwnd, int command) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->showWindow(hwnd, command) ? 1 : 0;
}

BOOL WextlUpdateWindow(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->updateWindow(hwnd) ? 1 : 0;
}

BOOL WextlInvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->invalidateRect(hwnd, rect, erase != 0) ? 1 : 0;
}

BOOL WextlClientToScreen(HWND hwnd, POINT* point) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && point != nullptr && system->clientToScreen(hwnd, *point) ? 1 : 0;
}

BOOL WextlScreenToClient(HWND hwnd, POINT* point) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && point != nullptr && system->screenToClient(hwnd, *point) ? 1 : 0;
}

LRESULT WextlSendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->sendMessage(hwnd, message, wParam, lParam) : 0;
}

BOOL WextlPostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->postMessage(hwnd, message, wParam, lParam) ? 1 : 0;
}

LRESULT WextlDefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->defWindowProc(hwnd, message, wParam, lParam) : 0;
}

BOOL WextlGetMessageA(MSG* msg, HWND hwnd, UINT first, UINT last) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr || msg == nullptr) {
        return -1;
    }
    return system->getMessage(*msg, hwnd, first, last);
}

BOOL WextlPeekMessageA(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && msg != nullptr &&
                   system->peekMessage(*msg, hwnd, first, last, remove)
               ? 1
               : 0;
}

// Typed characters come from the toolkit's text directly, so translating adds nothing.
BOOL WextlTranslateMessage(const MSG* /*msg*/) { return 0; }

LRESULT WextlDispatchMessageA(const MSG* msg) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && msg != nullptr ? system->dispatchMessage(*msg) : 0;
}

void WextlPostQuitMessage(int exitCode) {
    if (CKEWindowSystem* system = Windows()) {
        system->postQuitMessage(exitCode);
    }
}

int WextlPumpMessages(int timeoutMs) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->pumpMessages(timeoutMs) : 0;
}

HWND WextlSetFocus(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setFocus(hwnd) : nullptr;
}

HWND WextlGetFocus(void) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getFocus() : nullptr;
}

HWND WextlSetCapture(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setCapture(hwnd) : nullptr;
}

BOOL WextlReleaseCapture(void) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->releaseCapture() ? 1 : 0;
}

HWND WextlGetCapture(void) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getCapture() : nullptr;
}

UINT_PTR WextlSetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setTimer(hwnd, id, intervalMs, proc) : 0;
}

BOOL WextlKillTimer(HWND hwnd, UINT_PTR id) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->killTimer(hwnd, id) ? 1 : 0;
}

short WextlGetKeyState(int virtualKey) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getKeyState(virtualKey) : 0;
}

BOOL WextlGetCaretPos(POINT* pos) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && pos != nullptr && system->getCaretPos(*pos) ? 1 : 0;
}

BOOL WextlGetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && info != nullptr && system->getScrollInfo(hwnd, bar, *info) ? 1 : 0;
}

int WextlSetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && info != nullptr
               ? system->setScrollInfo(hwnd, bar, *info, redraw != 0)
               : 0;
}

BOOL WextlMessageBeep(UINT type) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr) {
        return 0;
    }
    system->messageBeep(type);
    return 1;
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

BOOL WextlImmCommitStringW(HWND hwnd, const WCHAR* text, int count) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr || text == nullptr || count < 0) {
        return 0;
    }
    return system->commitComposition(hwnd,
                                     std::u16string_view(text, static_cast<std::size_t>(count)))
               ? 1
               : 0;
}

}  // extern "C"
