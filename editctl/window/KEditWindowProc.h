#pragma once

#include "editctl/model/WextlWin32.h"

// The window procedure of class KEDIT, registered with the class at load.
LRESULT KEditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
