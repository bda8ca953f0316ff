#pragma once

#include "editctl/model/WextlWin32.h"

class CKEditWindowData;

// Places the caret: computes its position, scrolls the view to it, invalidates, moves the
// system caret, shows or hides it and moves the composition window.
void KEPlaceCaret(CKEditWindowData& data);
// Shows the caret if it lies wholly in the client area, else hides it.
void KEShowOrHideCaret(CKEditWindowData& data);
// The caret's top-left corner in text coordinates.
POINT KECaretTextPos(const CKEditWindowData& data);
// Caret width (a quarter of the average character width) and row height.
int KECaretWidth(const CKEditWindowData& data);
