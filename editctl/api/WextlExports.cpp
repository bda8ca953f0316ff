#include "editctl/api/WextlExports.h"

#include <new>

#include "editctl/api/CKEditApp.h"
#include "editctl/model/KEFontHandle.h"

extern "C" {

void WextlEntry(void) {}

BOOL WextlIsClassRegistered(const char* className) {
    if (className == nullptr) {
        return 0;
    }
    return CKEditApp::instance().classes().isRegistered(className) ? 1 : 0;
}

int WextlFontCatalogCount(BOOL fullNames) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    return catalog != nullptr ? catalog->entryCount(fullNames != 0) : 0;
}

BOOL WextlFontCatalogFamily(int index, LOGFONTA* out) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    if (catalog == nullptr || out == nullptr) {
        return 0;
    }
    return catalog->getFamily(index, *out) ? 1 : 0;
}

int WextlFontCatalogFind(const char* name, BOOL fullNames) {
    const CKEFontCatalog* catalog = CKEditApp::instance().fontCatalog();
    return catalog != nullptr ? catalog->findIndex(name, fullNames != 0) : -1;
}

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
