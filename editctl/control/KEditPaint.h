#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// WM_PAINT: the rows drawn character by character into an off-screen surface, then copied
// to the window in one step.
LRESULT KEDIT_WM_Paint(CKEditWindowData& data);
