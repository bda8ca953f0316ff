#pragma once

#include "editctl/model/KEFontCallbacks.h"

// The platform's font list, in the shape of EnumFontFamiliesA: one call per family, or one
// call per style of a named family. Every callback result is ignored except that an
// enumeration stops early when a callback returns 0.
class IKEFontEnumerator {
  public:
    virtual ~IKEFontEnumerator() = default;

    // Calls `proc` once for each installed family with its LOGFONTA and font type.
    virtual void enumFamilies(KEFamilyProc proc, LPARAM record) = 0;

    // Calls `proc` once for each style of the family whose face name is `faceName`.
    virtual void enumStyles(const char* faceName, KEStyleProc proc, LPARAM record) = 0;
};
