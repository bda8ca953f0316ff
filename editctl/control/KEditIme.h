#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// A finished input-method composition (GCS_RESULTSTR), read from the window's input
// context. Added to the procedure's switch when implemented.
LRESULT KEDIT_WM_ImeComposition(CKEditWindowData& data, WPARAM wParam, LPARAM lParam);
