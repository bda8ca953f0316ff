#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// WM_COMMAND to the control: the context menu's commands, also sent by the key handlers.
LRESULT KEDIT_WM_Command(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
