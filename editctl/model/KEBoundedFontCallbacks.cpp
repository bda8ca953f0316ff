#include "editctl/model/KEBoundedFontCallbacks.h"

int CollectFamilyBounded(const LOGFONTA* logFont, const TEXTMETRICA* metric, int fontType,
                         LPARAM record) {
    auto* bounded = reinterpret_cast<KEBoundedFamilyRecord*>(record);
    if (bounded->record.count >= bounded->capacity) {
        const KEFamilyRecord probe{0, bounded->record.typeFilter, nullptr, nullptr};
        KEFamilyRecord counted = probe;
        CB_FontFamilyCount(logFont, metric, fontType, reinterpret_cast<LPARAM>(&counted));
        bounded->overflow += counted.count;
        return 1;
    }
    return CB_FontFamilyInfo(logFont, metric, fontType, reinterpret_cast<LPARAM>(&bounded->record));
}

int CollectFullNameBounded(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* metric, int fontType,
                           LPARAM record) {
    auto* bounded = reinterpret_cast<KEBoundedFullNameRecord*>(record);
    if (bounded->record.count >= bounded->capacity) {
        KEFullNameRecord counted{0, 0, nullptr};
        CB_FontFullNameCount(logFont, metric, fontType, reinterpret_cast<LPARAM>(&counted));
        bounded->overflow += counted.count;
        return 1;
    }
    return CB_FontFullNameInfo(logFont, metric, fontType,
                               reinterpret_cast<LPARAM>(&bounded->record));
}
