#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editctl/model/CKEClassRegistry.h"
#include "editctl/model/WextlWin32.h"
#include "editctl/window/CKEInputContext.h"
#include "editctl/window/CKEScrollBar.h"
#include "editctl/window/IKEWindowPeer.h"
#include "editctl/window/IKEWindowState.h"

// One window as the window system keeps it: its class, styles, ID, parent, window extraSlots,
// rectangle, text, scroll bars, its peer in the toolkit and its procedure's own record.
//
// `lockCount` counts the dispatches for the window on the stack. DestroyWindow takes the
// handle out of the table at once, but the record (with its peer and state) is freed only
// when the count is back at 0.
struct CKEWindow {
    HWND hwnd = nullptr;
    KEWindowClass windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    HWND parent = nullptr;
    std::vector<HWND> children;
    // Window extra bytes, in pointer-sized extraSlots: slot 0 at offset 0, and so on.
    std::vector<LONG_PTR> extraSlots;
    LONG_PTR userData = 0;
    RECT rect{0, 0, 0, 0};  // in the parent's client coordinates (screen for top level)
    std::string text;       // the window text of WM_SETTEXT, in CP932
    HFONT font = nullptr;   // WM_SETFONT of the default procedure
    bool destroying = false;
    int lockCount = 0;
    bool needsPaint = false;
    bool needsErase = false;
    CKEScrollBar vertical;
    CKEScrollBar horizontal;
    CKEInputContext inputContext;
    std::unique_ptr<IKEWindowPeer> peer;
    std::unique_ptr<IKEWindowState> state;

    bool isChild() const { return (style & WS_CHILD) != 0; }
};
