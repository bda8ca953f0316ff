#include "editctl/KEFontHandle.h"

#include <new>

const LOGFONTA* KEFontLogFont(HFONT font) { return font == nullptr ? nullptr : &font->logFont; }

extern "C" {

HFONT WextlCreateFontIndirectA(const LOGFONTA* logFont) {
    if (logFont == nullptr) {
        return nullptr;
    }
    auto* font = new (std::nothrow) HFONT__{*logFont};
    if (font != nullptr) {
        font->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
    return font;
}

void WextlDeleteFont(HFONT font) { delete font; }

}  // extern "C"
