#include "editctl/model/KEFontCallbacks.h"

#include <cstdint>
#include <cstring>

namespace {

bool TypeAccepted(std::int32_t filter, int fontType) { return filter == -1 || filter == fontType; }

}  // namespace

extern "C" {

int CB_FontFamilyCount(const LOGFONTA* /*logFont*/, const TEXTMETRICA* /*metric*/, int fontType,
                       LPARAM record) {
    auto* rec = reinterpret_cast<KEFamilyRecord*>(record);
    if (rec != nullptr && TypeAccepted(rec->typeFilter, fontType)) {
        ++rec->count;
    }
    return 1;
}

int CB_FontFamilyInfo(const LOGFONTA* logFont, const TEXTMETRICA* /*metric*/, int fontType,
                      LPARAM record) {
    auto* rec = reinterpret_cast<KEFamilyRecord*>(record);
    if (rec == nullptr || logFont == nullptr || rec->families == nullptr || rec->types == nullptr ||
        rec->count < 0 || !TypeAccepted(rec->typeFilter, fontType)) {
        return 1;
    }
    std::memcpy(&rec->families[rec->count], logFont, sizeof(LOGFONTA));
    rec->types[rec->count] = fontType;
    ++rec->count;
    return 1;
}

int CB_FontFullNameCount(const ENUMLOGFONTA* /*logFont*/, const NEWTEXTMETRICA* /*metric*/,
                         int fontType, LPARAM record) {
    auto* rec = reinterpret_cast<KEFullNameRecord*>(record);
    if (rec != nullptr && (fontType & TRUETYPE_FONTTYPE) != 0) {
        ++rec->count;
    }
    return 1;
}

int CB_FontFullNameInfo(const ENUMLOGFONTA* logFont, const NEWTEXTMETRICA* /*metric*/, int fontType,
                        LPARAM record) {
    auto* rec = reinterpret_cast<KEFullNameRecord*>(record);
    if (rec == nullptr || logFont == nullptr || rec->fullNames == nullptr || rec->count < 0 ||
        (fontType & TRUETYPE_FONTTYPE) == 0) {
        return 1;
    }
    std::memcpy(&rec->fullNames[rec->count], logFont, sizeof(ENUMLOGFONTA));
    ++rec->count;
    return 1;
}

}  // extern "C"
