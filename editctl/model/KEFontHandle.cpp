#include "editctl/model/KEFontHandle.h"

const LOGFONTA* KEFontLogFont(HFONT font) { return font == nullptr ? nullptr : &font->logFont; }
