#pragma once

#include "editctl/model/IKEFontEnumerator.h"

// The installed fonts from Qt's font database, reported as EnumFontFamiliesA would: smoothly
// scalable (outline) families as TrueType, others as raster. Families whose name has no
// CP932 form of at most 31 bytes are not reported, since no face name could reach them.
// Without a QGuiApplication there is no font database and nothing is reported.
class CKEQtFontEnumerator : public IKEFontEnumerator {
  public:
    void enumFamilies(KEFamilyProc proc, LPARAM record) override;
    void enumStyles(const char* faceName, KEStyleProc proc, LPARAM record) override;

    static bool available();
};
