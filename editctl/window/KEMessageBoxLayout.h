#pragma once

#include <vector>

#include "editctl/model/WextlWin32.h"

// What a message box of an MB_* type shows: its buttons in Win32's order with their Japanese
// texts (UTF-8, '&' before the access key), the default button, the answer Esc gives (0 where
// the box has no Cancel and no lone OK, and Esc does nothing) and the icon.
struct KEMessageBoxButton {
    int id;  // IDOK, IDCANCEL, IDYES, …
    const char* text;
};

struct KEMessageBoxLayout {
    std::vector<KEMessageBoxButton> buttons;  // empty for an unknown type
    int defaultIndex = 0;
    int escapeId = 0;
    UINT icon = 0;  // MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK or 0
};

KEMessageBoxLayout KEMessageBoxLayoutOf(UINT type);
