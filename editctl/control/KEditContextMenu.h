#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// The context menu (the window's copy of menu 129, shown through the platform) and the
// change-character command with its dialog. Added to the procedure's switch and to
// KEDIT_WM_Command when implemented.
LRESULT KEDIT_WM_RButtonDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_CharFontCommand(CKEditWindowData& data);
