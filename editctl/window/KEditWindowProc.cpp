#include "editctl/window/KEditWindowProc.h"

// The message handling of KEDIT windows belongs to the window layer, which is not part of
// the library yet: until it is, every message gets the default procedure's answer, 0.
LRESULT KEditWindowProc(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return 0;
}
