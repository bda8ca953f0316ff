#pragma once

#include "editctl/model/WextlWin32.h"

class IKESurface;

// A device context: a surface with the state GDI keeps for drawing on it. Coordinates given
// to it are logical; device = logical - origin (SetWindowOrgEx).
struct CKEDeviceContext {
    IKESurface* surface = nullptr;
    HWND hwnd = nullptr;
    POINT origin{0, 0};
    HFONT font = nullptr;
    HBRUSH brush = nullptr;  // what SelectObject selected; nothing here paints with it
    COLORREF textColor = 0x000000;
    COLORREF backColor = 0xFFFFFF;
    int backMode = OPAQUE;
};
