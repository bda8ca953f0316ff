#include "editctl/window/KEMouseKeyState.h"

#include "editctl/window/CKEKeyState.h"

void KEFollowMouseButtons(CKEKeyState& keys, UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            keys.setDown(VK_LBUTTON, true);
            break;
        case WM_LBUTTONUP:
            keys.setDown(VK_LBUTTON, false);
            break;
        case WM_RBUTTONDOWN:
            keys.setDown(VK_RBUTTON, true);
            break;
        case WM_RBUTTONUP:
            keys.setDown(VK_RBUTTON, false);
            break;
        case WM_MBUTTONDOWN:
            keys.setDown(VK_MBUTTON, true);
            break;
        case WM_MBUTTONUP:
            keys.setDown(VK_MBUTTON, false);
            break;
        default:
            break;
    }
}
