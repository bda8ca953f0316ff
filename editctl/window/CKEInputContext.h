#pragma once

#include <string>

#include "editctl/model/WextlWin32.h"

// A window's input-method context: the finished composition that ImmGetCompositionStringW
// hands out while WM_IME_COMPOSITION is handled, and the composition window's form and font.
struct CKEInputContext {
    std::u16string result;
    COMPOSITIONFORM form{CFS_DEFAULT, {0, 0}, {0, 0, 0, 0}};
    bool hasFont = false;
    LOGFONTA font{};
};
