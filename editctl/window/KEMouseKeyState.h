#pragma once

#include "editctl/model/WextlWin32.h"

class CKEKeyState;

// The mouse buttons in the key state (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON), kept from the
// button messages that reach the library's windows, as Win32 keeps them from the queue.
void KEFollowMouseButtons(CKEKeyState& keys, UINT message);
