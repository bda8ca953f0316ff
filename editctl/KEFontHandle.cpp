#include "editctl/KEFontHandle.h"

const LOGFONTA* KEFontLogFont(HFONT font) { return font == nullptr ? nullptr : &font->logFont; }
