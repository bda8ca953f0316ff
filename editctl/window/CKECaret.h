#pragma once

#include "editctl/model/WextlWin32.h"

// The one system caret: owned by one window, created hidden, with a hide count as in Win32
// (ShowCaret undoes one HideCaret; the caret shows while the count is 0).
struct CKECaret {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT pos{0, 0};
    int hideCount = 1;
    bool visible() const { return owner != nullptr && hideCount == 0; }
};
