#pragma once

#include <string>

#include "editctl/model/WextlWin32.h"

class CKEKeyState;

// What a key down types on a plain US layout, for key downs that carry no text of their own
// (a host's or a script's posted WM_KEYDOWN): letters, digits and the space with Shift and
// Caps Lock, Enter, Backspace, Tab and Esc, and Ctrl with a letter as its control code, as
// Win32's TranslateMessage makes them. Empty for every other key.
std::u16string KEKeyText(WPARAM virtualKey, const CKEKeyState& keys);
