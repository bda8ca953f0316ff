#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// WM_CREATE makes the record (slot 0); -1 if it cannot. The others need the record.
LRESULT KEDIT_WM_Create(HWND hwnd, const CREATESTRUCTA* create);
LRESULT KEDIT_WM_Destroy(HWND hwnd);
LRESULT KEDIT_WM_SetFocus(CKEditWindowData& data);
LRESULT KEDIT_WM_KillFocus(CKEditWindowData& data);
LRESULT KEDIT_WM_SetFont(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
