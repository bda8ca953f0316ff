#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// Mouse selection: click, shift-click, drag with auto-scroll (the timer posts WM_MOUSEMOVE),
// double-click on a word. Added to the procedure's switch when implemented.
LRESULT KEDIT_WM_LButtonDown(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_MouseMove(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_LButtonUp(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_LButtonDblClk(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Timer(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
