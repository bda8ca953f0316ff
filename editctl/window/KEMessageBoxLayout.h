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

    // The answer of a box closed without a button: Esc's, or the default button's where Esc
    // does nothing. 0 for a layout without buttons.
    int dismissedAnswer() const {
        if (buttons.empty()) return 0;
        return escapeId != 0 ? escapeId : buttons[static_cast<std::size_t>(defaultIndex)].id;
    }
};

KEMessageBoxLayout KEMessageBoxLayoutOf(UINT type);
