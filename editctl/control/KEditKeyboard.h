#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// Keys and typed characters. Each answers as the window procedure returns, passing the
// message to the default procedure where the key table says so.
LRESULT KEDIT_WM_KeyDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Char(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_SysKeyDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
