#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// Cut, copy, paste and clear through IKEClipboard (CF_UNICODETEXT and CF_TEXT).
LRESULT KEDIT_WM_Cut(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Copy(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Paste(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Clear(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
// Whether the clipboard offers text (the context menu's paste item).
bool KEPastePossible(CKEditWindowData& data);
