// The exported C interface, input: focus, capture, key state, the mouse cursor, the caret,
// scroll bars and beeps.
#include "wextl/wextl.h"

#include "editctl/api/WextlExportsCommon.h"
#include "editctl/window/KEStandardCursors.h"

extern "C" {

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

short WextlGetKeyState(int virtualKey) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getKeyState(virtualKey) : 0;
}

HCURSOR WextlLoadCursorA(HINSTANCE instance, const char* name) {
    // Only the standard cursors: a host has no cursor resources here.
    const int id = IS_INTRESOURCE(name) ? KECursorId(name) : 0;
    if (instance != nullptr || !KEIsStandardCursor(id)) {
        WextlSetError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return KECursorHandle(id);
}

HCURSOR WextlSetCursor(HCURSOR cursor) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setCursor(cursor) : nullptr;
}

HCURSOR WextlGetCursor(void) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->getCursor() : nullptr;
}

BOOL WextlSetCursorPos(int x, int y) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->platform().setCursorPos(POINT{x, y}) ? 1 : 0;
}

BOOL WextlGetCursorPos(POINT* point) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr || point == nullptr) {
        return 0;
    }
    *point = system->platform().cursorPos();
    return 1;
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

}  // extern "C"
