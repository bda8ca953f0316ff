// The exported C interface, messages: sending, posting, the host's loop, timers.
#include "wextl/wextl.h"

#include "editctl/api/WextlExportsCommon.h"

extern "C" {

LRESULT WextlSendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = WindowsFor(hwnd);
    return system != nullptr ? system->sendMessage(hwnd, message, wParam, lParam) : 0;
}

BOOL WextlPostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->postMessage(hwnd, message, wParam, lParam) ? 1 : 0;
}

// Subclassing: the procedure a host replaced with SetWindowLongPtrA(GWLP_WNDPROC).
LRESULT WextlCallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return proc != nullptr ? proc(hwnd, message, wParam, lParam) : 0;
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

BOOL WextlTranslateMessage(const MSG* msg) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && msg != nullptr && system->translateMessage(*msg) ? 1 : 0;
}

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

UINT_PTR WextlSetTimer(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->setTimer(hwnd, id, intervalMs, proc) : 0;
}

BOOL WextlKillTimer(HWND hwnd, UINT_PTR id) {
    CKEWindowSystem* system = Windows();
    return system != nullptr && system->killTimer(hwnd, id) ? 1 : 0;
}

}  // extern "C"
