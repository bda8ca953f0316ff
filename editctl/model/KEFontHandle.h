#pragma once

#include "editctl/model/WextlWin32.h"

// A font handle is a LOGFONTA that the library keeps for the host between
// WextlCreateFontIndirectA and WextlDeleteFont; the control reads it when it measures.
struct HFONT__ {
    LOGFONTA logFont;
};

// The handle's LOGFONTA, or null for a null handle (the default font).
const LOGFONTA* KEFontLogFont(HFONT font);

// Defined with the library's other exports (WextlExports.cpp).
extern "C" {
// Null if `logFont` is null or memory runs out.
WEXTL_API HFONT WextlCreateFontIndirectA(const LOGFONTA* logFont);
WEXTL_API void WextlDeleteFont(HFONT font);
}
