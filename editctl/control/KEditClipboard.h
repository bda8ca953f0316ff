#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// Cut, copy, paste and clear through IKEClipboard (CF_UNICODETEXT and CF_TEXT). Added to
// the procedure's switch when implemented.
LRESULT KEDIT_WM_Cut(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Copy(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Paste(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_WM_Clear(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
// After a refused insertion of clipboard or input-method text: the state before the deleted
// selection comes back from `rollback`, so that a refused paste loses nothing.
void KERestoreAfterRefusal(CKEditWindowData& data, const class CKEditInfo& rollback);
// Whether the clipboard offers text (the context menu's paste item).
bool KEPastePossible(CKEditWindowData& data);
