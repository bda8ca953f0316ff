#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// The vertical scroll bar, kept only with WS_VSCROLL.
void KEUpdateScrollRange(CKEditWindowData& data);
void KEUpdateScrollPos(CKEditWindowData& data);
LRESULT KEDIT_WM_VScroll(CKEditWindowData& data, WPARAM wParam);
// WM_MOUSEWHEEL: three rows a notch.
LRESULT KEDIT_WM_MouseWheel(CKEditWindowData& data, WPARAM wParam);
