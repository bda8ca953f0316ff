#pragma once

#include <cstdint>

#include "editctl/model/KEFontCallbacks.h"

// The catalogue's own collecting pass: the exported record followed by the capacity the
// counting pass found. Fonts installed between the two passes make the platform report more
// entries than were counted; those are counted in `overflow` and never written.
struct KEBoundedFamilyRecord {
    KEFamilyRecord record;
    std::int32_t capacity;
    std::int32_t overflow;
};

struct KEBoundedFullNameRecord {
    KEFullNameRecord record;
    std::int32_t capacity;
    std::int32_t overflow;
};

// CB_FontFamilyInfo and CB_FontFullNameInfo within the capacity; each returns 1.
int CollectFamilyBounded(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                         LPARAM record);
int CollectFullNameBounded(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric, int fontType,
                           LPARAM record);
