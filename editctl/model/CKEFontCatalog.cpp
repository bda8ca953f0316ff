#include "editctl/model/CKEFontCatalog.h"

#include "editctl/model/KEBoundedFontCallbacks.h"

#include <cstring>
#include <new>
#include <string>
#include <string_view>

namespace {

// Face names are NUL-terminated within their fixed arrays; a name that fills the array
// without a terminator is compared up to the array's end.
std::string_view FixedName(const char* name, std::size_t size) {
    return std::string_view(name, strnlen(name, size));
}

bool IsVertical(const LOGFONTA& font) { return font.lfFaceName[0] == '@'; }

}  // namespace

bool CKEFontCatalog::buildForLoad(IKEFontEnumerator& enumerator) {
    return build(enumerator, kLoadTypeFilter, kLoadPitchFilter, kLoadVerticalFilter,
                 kLoadCharsetFilter, kLoadOptions);
}

bool CKEFontCatalog::build(IKEFontEnumerator& enumerator, int typeFilter, int pitchFilter,
                           int verticalFilter, int charsetFilter, int options) {
    clear();
    try {
        m_typeFilter = typeFilter;
        KEFamilyRecord counting{0, typeFilter, nullptr, nullptr};
        enumerator.enumFamilies(&CB_FontFamilyCount, reinterpret_cast<LPARAM>(&counting));
        if (counting.count > 0) {
            m_families.resize(static_cast<std::size_t>(counting.count));
            m_familyTypes.resize(static_cast<std::size_t>(counting.count));
            KEBoundedFamilyRecord collecting{
                {0, typeFilter, m_familyTypes.data(), m_families.data()}, counting.count, 0};
            enumerator.enumFamilies(&CollectFamilyBounded, reinterpret_cast<LPARAM>(&collecting));
            m_families.resize(static_cast<std::size_t>(collecting.record.count));
            m_familyTypes.resize(static_cast<std::size_t>(collecting.record.count));
        }
        applyFilters(pitchFilter, verticalFilter, charsetFilter, options);
        collectFullNames(enumerator);
        return true;
    } catch (const std::bad_alloc&) {
        clear();
        return false;
    }
}

void CKEFontCatalog::applyFilters(int pitchFilter, int verticalFilter, int charsetFilter,
                                  int options) {
    std::vector<LOGFONTA> kept;
    kept.reserve(m_families.size());
    for (std::size_t i = 0; i < m_families.size(); ++i) {
        LOGFONTA font = m_families[i];
        if ((options & KEFC_OPT_DROP_RASTER) != 0 && (m_familyTypes[i] & RASTER_FONTTYPE) != 0) {
            continue;
        }
        const int pitch = font.lfPitchAndFamily & 0x03;
        if (pitchFilter == KEFC_PITCH_FIXED && pitch != FIXED_PITCH) {
            continue;
        }
        if (pitchFilter == KEFC_PITCH_VARIABLE && pitch != VARIABLE_PITCH) {
            continue;
        }
        const bool vertical = IsVertical(font);
        if ((verticalFilter == KEFC_VERTICAL_ONLY && !vertical) ||
            (verticalFilter == KEFC_VERTICAL_NONE && vertical)) {
            continue;
        }
        if (vertical) {
            font.lfEscapement = (options & KEFC_OPT_NO_ESCAPEMENT) != 0 ? 0 : 2700;
            font.lfOrientation = 2700;
            if ((options & KEFC_OPT_STRIP_AT) != 0) {
                std::memmove(font.lfFaceName, font.lfFaceName + 1, LF_FACESIZE - 1);
                font.lfFaceName[LF_FACESIZE - 1] = '\0';
            }
        }
        if (charsetFilter == KEFC_CHARSET_HIGH && font.lfCharSet < 128) {
            continue;
        }
        if (charsetFilter == KEFC_CHARSET_LOW && font.lfCharSet >= 128) {
            continue;
        }
        kept.push_back(font);
    }
    m_families = std::move(kept);
    m_families.shrink_to_fit();
    // The types served only the raster filter; the surviving families no longer match them.
    m_familyTypes.clear();
    m_familyTypes.shrink_to_fit();
}

void CKEFontCatalog::collectFullNames(IKEFontEnumerator& enumerator) {
    KEFullNameRecord counting{0, 0, nullptr};
    for (const LOGFONTA& family : m_families) {
        const std::string name(FixedName(family.lfFaceName, LF_FACESIZE));
        enumerator.enumStyles(name.c_str(), &CB_FontFullNameCount,
                              reinterpret_cast<LPARAM>(&counting));
    }
    if (counting.count <= 0) {
        return;
    }
    m_fullNames.resize(static_cast<std::size_t>(counting.count));
    KEBoundedFullNameRecord collecting{{0, 0, m_fullNames.data()}, counting.count, 0};
    for (const LOGFONTA& family : m_families) {
        const std::string name(FixedName(family.lfFaceName, LF_FACESIZE));
        enumerator.enumStyles(name.c_str(), &CollectFullNameBounded,
                              reinterpret_cast<LPARAM>(&collecting));
    }
    m_fullNames.resize(static_cast<std::size_t>(collecting.record.count));
}

void CKEFontCatalog::clear() {
    m_typeFilter = -1;
    m_familyTypes = {};
    m_families = {};
    m_fullNames = {};
}

int CKEFontCatalog::entryCount(bool fullNames) const {
    return static_cast<int>(fullNames ? m_fullNames.size() : m_families.size());
}

bool CKEFontCatalog::getFamily(int index, LOGFONTA& out) const {
    if (index < 0 || index >= static_cast<int>(m_families.size())) {
        return false;
    }
    out = m_families[static_cast<std::size_t>(index)];
    return true;
}

const ENUMLOGFONTA* CKEFontCatalog::fullName(int index) const {
    if (index < 0 || index >= static_cast<int>(m_fullNames.size())) {
        return nullptr;
    }
    return &m_fullNames[static_cast<std::size_t>(index)];
}

int CKEFontCatalog::findIndex(const char* name, bool fullNames) const {
    if (name == nullptr) {
        return -1;
    }
    const std::string_view wanted(name);
    if (fullNames) {
        for (std::size_t i = 0; i < m_fullNames.size(); ++i) {
            if (FixedName(m_fullNames[i].elfFullName, LF_FULLFACESIZE) == wanted) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    for (std::size_t i = 0; i < m_families.size(); ++i) {
        if (FixedName(m_families[i].lfFaceName, LF_FACESIZE) == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CKEFontCatalog::getLogFont(const char* name, LOGFONTA& out) const {
    return getFamily(findIndex(name, false), out);
}
