#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// The edit messages and the private text messages. Pointers from the host are checked for
// null; a buffer size of 0 writes nothing.
LRESULT KEDIT_EM_GetSel(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_EM_SetSel(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_EM_LimitText(CKEditWindowData& data, WPARAM wParam);
LRESULT KEDIT_EM_Undo(CKEditWindowData& data);
LRESULT KEDIT_KEM_GetTextLength(CKEditWindowData& data, WPARAM wParam);
LRESULT KEDIT_KEM_GetText(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
LRESULT KEDIT_KEM_SetText(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
