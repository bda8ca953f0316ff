#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// The vertical scroll bar, kept only with WS_VSCROLL.
void KEUpdateScrollRange(CKEditWindowData& data);
void KEUpdateScrollPos(CKEditWindowData& data);
LRESULT KEDIT_WM_VScroll(CKEditWindowData& data, WPARAM wParam);
