#pragma once

// The four font-enumeration callbacks the library exports, shaped for EnumFontFamiliesA,
// and the records they fill (passed through the last argument). A caller sizes the arrays
// with a counting pass before a collecting pass.

#include "editctl/model/WextlWin32.h"

// Record of CB_FontFamilyCount and CB_FontFamilyInfo. `capacity` bounds the collecting pass:
// an enumeration that reports more families than the counting pass saw (fonts installed in
// between) must not write past the arrays; the extra families are counted in `overflow`.
struct KEFamilyRecord {
    std::int32_t count;
    std::int32_t typeFilter;  // -1 accepts every font type
    std::int32_t* types;
    LOGFONTA* families;
    std::int32_t capacity;
    std::int32_t overflow;
};

// Record of CB_FontFullNameCount and CB_FontFullNameInfo.
struct KEFullNameRecord {
    std::int32_t count;
    std::int32_t reserved;  // not read by the callbacks
    ENUMLOGFONTA* fullNames;
    std::int32_t capacity;
    std::int32_t overflow;
};

extern "C" {
// Each returns 1 so that an enumeration is never cut short.
WEXTL_API int CB_FontFamilyCount(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                 LPARAM record);
WEXTL_API int CB_FontFamilyInfo(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                                LPARAM record);
WEXTL_API int CB_FontFullNameCount(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                   int fontType, LPARAM record);
WEXTL_API int CB_FontFullNameInfo(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric,
                                  int fontType, LPARAM record);
}

using KEFamilyProc = int (*)(const LOGFONTA*, const TEXTMETRICA*, int, LPARAM);
using KEStyleProc = int (*)(const ENUMLOGFONTA*, const NEWTEXTMETRICA*, int, LPARAM);
