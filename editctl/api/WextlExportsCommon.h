#pragma once

// What every part of the exported C interface shares: the library's window system (made on
// first use, null where no platform can start) and the device context behind a handle.

#include "editctl/api/CKEditApp.h"
#include "editctl/window/CKEDeviceContext.h"
#include "editctl/window/CKEWindowSystem.h"

inline CKEWindowSystem* Windows() { return CKEditApp::instance().windows(); }

inline CKEDeviceContext* Context(HDC dc) {
    CKEWindowSystem* system = Windows();
    return system != nullptr ? system->gdi().context(dc) : nullptr;
}

// The thread's last error (the library runs on one thread).
void WextlSetError(DWORD code);

// The window system if `hwnd` is one of its windows; otherwise null, with
// ERROR_INVALID_WINDOW_HANDLE (or ERROR_DEVICE_NOT_AVAILABLE without a window system).
CKEWindowSystem* WindowsFor(HWND hwnd);
