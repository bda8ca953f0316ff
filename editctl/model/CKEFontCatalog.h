#pragma once

#include <cstdint>
#include <vector>

#include "editctl/model/IKEFontEnumerator.h"

// Filters and options of the catalogue build.
constexpr int KEFC_PITCH_FIXED = 16;
constexpr int KEFC_PITCH_VARIABLE = 32;
constexpr int KEFC_VERTICAL_ONLY = 64;
constexpr int KEFC_VERTICAL_NONE = 128;
constexpr int KEFC_CHARSET_HIGH = 256;
constexpr int KEFC_CHARSET_LOW = 512;
constexpr int KEFC_OPT_NO_ESCAPEMENT = 0x1000;
constexpr int KEFC_OPT_STRIP_AT = 0x2000;
constexpr int KEFC_OPT_DROP_RASTER = 0x4000;

// The fonts the control may give single characters: the families (face names) and the full
// names of their TrueType styles. Built once and only read afterwards.
class CKEFontCatalog {
  public:
    // The arguments the library builds its catalogue with at load.
    static constexpr int kLoadTypeFilter = TRUETYPE_FONTTYPE;
    static constexpr int kLoadPitchFilter = 0;
    static constexpr int kLoadVerticalFilter = KEFC_VERTICAL_NONE;
    static constexpr int kLoadCharsetFilter = 0;
    static constexpr int kLoadOptions = KEFC_OPT_DROP_RASTER;

    // Builds from `enumerator`; false if memory runs out (the catalogue is then empty).
    bool build(IKEFontEnumerator& enumerator, int typeFilter, int pitchFilter, int verticalFilter,
               int charsetFilter, int options);
    bool buildForLoad(IKEFontEnumerator& enumerator);
    void clear();

    // fullNameCount with the flag, else familyCount.
    int entryCount(bool fullNames) const;
    bool getFamily(int index, LOGFONTA& out) const;
    // Index of the first entry whose face name (or full name, with the flag) equals `name`
    // exactly; -1 if none.
    int findIndex(const char* name, bool fullNames) const;
    bool getLogFont(const char* name, LOGFONTA& out) const;
    const ENUMLOGFONTA* fullName(int index) const;
    int typeFilter() const { return m_typeFilter; }

  private:
    void applyFilters(int pitchFilter, int verticalFilter, int charsetFilter, int options);
    void collectFullNames(IKEFontEnumerator& enumerator);

    std::int32_t m_typeFilter = -1;
    std::vector<std::int32_t> m_familyTypes;
    std::vector<LOGFONTA> m_families;
    std::vector<ENUMLOGFONTA> m_fullNames;
};
