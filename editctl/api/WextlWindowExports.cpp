// The exported C interface, the library and its windows: classes, creation and
// destruction, the window tree, window longs, geometry, showing and enabling.
#include "wextl/wextl.h"

#include <vector>

#include <algorithm>
#include <cstdint>

#include "editctl/api/WextlExportsCommon.h"
#include "editctl/window/CKEWindow.h"

namespace {

DWORD g_lastError = ERROR_SUCCESS;

}  // namespace

void WextlSetError(DWORD code) { g_lastError = code; }

CKEWindowSystem* WindowsFor(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr) {
        WextlSetError(ERROR_DEVICE_NOT_AVAILABLE);
        return nullptr;
    }
    if (!system->isWindow(hwnd)) {
        WextlSetError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return system;
}

extern "C" {

void WextlEntry(void) {}

DWORD WextlGetLastError(void) { return g_lastError; }

void WextlSetLastError(DWORD code) { g_lastError = code; }

BOOL WextlIsClassRegistered(const char* className) {
    if (className == nullptr) {
        return 0;
    }
    return CKEditApp::instance().classes().isRegistered(className) ? 1 : 0;
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
    if (IS_INTRESOURCE(wc->hCursor)) {
        windowClass.cursor = KECursorId(reinterpret_cast<const char*>(wc->hCursor));
    }
    static WORD atom = 0xC000;
    return CKEditApp::instance().classes().registerClass(windowClass) ? ++atom : 0;
}

BOOL WextlUnregisterClassA(const char* className, HINSTANCE /*instance*/) {
    CKEClassRegistry& classes = CKEditApp::instance().classes();
    KEWindowClass found;
    if (className == nullptr || !classes.findClass(className, found) || found.library) {
        WextlSetError(ERROR_CLASS_DOES_NOT_EXIST);  // the library's classes are not the host's
        return 0;
    }
    CKEWindowSystem* system = CKEditApp::instance().existingWindows();
    if (system != nullptr && system->hasWindowOfClass(className)) {
        WextlSetError(ERROR_CLASS_HAS_WINDOWS);
        return 0;
    }
    return classes.unregisterClass(className) ? 1 : 0;
}

HWND WextlCreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                          HINSTANCE /*instance*/, void* param) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr) {
        WextlSetError(ERROR_DEVICE_NOT_AVAILABLE);
        return nullptr;
    }
    if (className == nullptr || !CKEditApp::instance().classes().isRegistered(className)) {
        WextlSetError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (parent != nullptr && !system->isWindow(parent)) {
        WextlSetError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if ((style & WS_CHILD) != 0 && parent == nullptr) {
        WextlSetError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    // What remains is the window procedure refusing creation; a code it set is its own.
    const DWORD before = g_lastError;
    g_lastError = ERROR_SUCCESS;
    HWND hwnd = system->createWindow(exStyle, className, windowName, style, x, y, width, height,
                                     parent, reinterpret_cast<LONG_PTR>(menuOrId), param);
    if (hwnd == nullptr && g_lastError == ERROR_SUCCESS) {
        g_lastError = ERROR_CANCELLED;
    } else if (hwnd != nullptr && g_lastError == ERROR_SUCCESS) {
        g_lastError = before;
    }
    return hwnd;
}

BOOL WextlDestroyWindow(HWND hwnd) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && system->destroyWindow(hwnd) ? 1 : 0;
}

BOOL WextlIsWindow(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->isWindow(hwnd) ? 1 : 0;
}

HWND WextlGetParent(HWND hwnd) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr ? system->getParent(hwnd) : nullptr;
}

LONG_PTR WextlGetWindowLongPtrA(HWND hwnd, int index) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr ? system->getWindowLongPtr(hwnd, index) : 0;
}

LONG_PTR WextlSetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr ? system->setWindowLongPtr(hwnd, index, value) : 0;
}

BOOL WextlGetClientRect(HWND hwnd, RECT* rect) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && rect != nullptr && system->getClientRect(hwnd, *rect) ? 1 : 0;
}

BOOL WextlMoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && system->moveWindow(hwnd, x, y, width, height, repaint != 0) ? 1 : 0;
}

BOOL WextlEnableWindow(HWND hwnd, BOOL enable) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && system->enableWindow(hwnd, enable != 0) ? 1 : 0;
}

BOOL WextlIsWindowEnabled(HWND hwnd) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && system->isWindowEnabled(hwnd) ? 1 : 0;
}

BOOL WextlShowWindow(HWND hwnd, int command) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && system->showWindow(hwnd, command) ? 1 : 0;
}

BOOL WextlClientToScreen(HWND hwnd, POINT* point) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && point != nullptr && system->clientToScreen(hwnd, *point) ? 1 : 0;
}

BOOL WextlScreenToClient(HWND hwnd, POINT* point) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && point != nullptr && system->screenToClient(hwnd, *point) ? 1 : 0;
}

BOOL WextlGetWindowRect(HWND hwnd, RECT* rect) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr && rect != nullptr && system->getWindowRect(hwnd, *rect) ? 1 : 0;
}

// Visible when the window and every ancestor have WS_VISIBLE, as Win32 answers.
BOOL WextlIsWindowVisible(HWND hwnd) {
    CKEWindowSystem* system = Windows();
    if (system == nullptr) {
        return 0;
    }
    for (const CKEWindow* w = system->window(hwnd); w != nullptr; w = system->window(w->parent)) {
        if ((w->style & WS_VISIBLE) == 0) {
            return 0;
        }
        if (w->parent == nullptr) {
            return 1;
        }
    }
    return 0;
}

// A child's ID is its menu-or-ID argument; a top-level window has none.
int WextlGetDlgCtrlID(HWND hwnd) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    if (system == nullptr || (system->window(hwnd)->style & WS_CHILD) == 0) {
        return 0;
    }
    return static_cast<int>(system->getWindowLongPtr(hwnd, GWLP_ID));
}

// The first direct child with the ID, in creation order, as Win32 searches.
HWND WextlGetDlgItem(HWND dialog, int id) {
    CKEWindowSystem* system = WindowsFor(dialog);
    if (system == nullptr) {
        return nullptr;
    }
    for (HWND child : system->window(dialog)->children) {
        if (system->isWindow(child) && WextlGetDlgCtrlID(child) == id) {
            return child;
        }
    }
    WextlSetError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

// The window's own text (for a KEDIT, not the control text), through WM_SETTEXT and
// WM_GETTEXT as in Win32, so that a subclass sees them.
BOOL WextlSetWindowTextA(HWND hwnd, const char* text) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr &&
                   system->sendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0
               ? 1
               : 0;
}

int WextlGetWindowTextA(HWND hwnd, char* buffer, int capacity) {
    if (buffer != nullptr && capacity > 0) {
        buffer[0] = '\0';
    }
    CKEWindowSystem* system = WindowsFor(hwnd);
    if (system == nullptr || buffer == nullptr || capacity <= 0) {
        return 0;
    }
    return static_cast<int>(system->sendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                                reinterpret_cast<LPARAM>(buffer)));
}

int WextlGetWindowTextLengthA(HWND hwnd) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr ? static_cast<int>(system->sendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0))
                             : 0;
}

int WextlGetSystemMetrics(int index) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->platform().systemMetric(index) : 0;
}

namespace {

// Depth first, each window before its children, in creation order, as Win32 enumerates. The
// callback may destroy windows: a copy of each list is walked and the dead are skipped.
bool EnumChildren(CKEWindowSystem& system, HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    const CKEWindow* w = system.window(parent);
    if (w == nullptr) {
        return true;
    }
    for (HWND child : std::vector<HWND>(w->children)) {
        if (!system.isWindow(child)) {
            continue;
        }
        if (proc(child, lParam) == 0 || !EnumChildren(system, child, proc, lParam)) {
            return false;
        }
    }
    return true;
}

}  // namespace

BOOL WextlEnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    CKEWindowSystem* system = WindowsFor(parent);
    if (system == nullptr || proc == nullptr) {
        return 0;
    }
    return EnumChildren(*system, parent, proc, lParam) ? 1 : 0;
}

// Moves and sizes (unless SWP_NOMOVE, SWP_NOSIZE) and shows or hides; the z-order flags have
// nothing to act on among the peers and are accepted.
BOOL WextlSetWindowPos(HWND hwnd, HWND /*insertAfter*/, int x, int y, int width, int height,
                       UINT flags) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    if (system == nullptr) {
        return 0;
    }
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
        const CKEWindow* w = system->window(hwnd);
        const RECT now = w->rect;
        const int left = (flags & SWP_NOMOVE) != 0 ? now.left : x;
        const int top = (flags & SWP_NOMOVE) != 0 ? now.top : y;
        const int cx = (flags & SWP_NOSIZE) != 0 ? now.right - now.left : width;
        const int cy = (flags & SWP_NOSIZE) != 0 ? now.bottom - now.top : height;
        if (!system->moveWindow(hwnd, left, top, cx, cy, (flags & SWP_NOREDRAW) == 0)) {
            return 0;
        }
    }
    if ((flags & SWP_SHOWWINDOW) != 0 && system->isWindow(hwnd)) {
        system->showWindow(hwnd, SW_SHOW);
    } else if ((flags & SWP_HIDEWINDOW) != 0 && system->isWindow(hwnd)) {
        system->showWindow(hwnd, SW_HIDE);
    }
    return system->isWindow(hwnd) ? 1 : 0;
}

}  // extern "C"
