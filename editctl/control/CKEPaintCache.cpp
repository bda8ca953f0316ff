#include "editctl/control/CKEPaintCache.h"

#include <cstring>

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

bool CKEPaintCache::Settings::operator==(const Settings& o) const {
    return SameRect(client, o.client) && SameRect(area, o.area) && scrollX == o.scrollX &&
           rowHeight == o.rowHeight && base == o.base && text == o.text && back == o.back &&
           backMode == o.backMode && hasFont == o.hasFont &&
           (!hasFont || std::memcmp(&font, &o.font, sizeof font) == 0) && catalog == o.catalog &&
           highlight == o.highlight && highlightText == o.highlightText;
}

std::uint64_t CKEPaintCache::cell(char16_t ch, std::int32_t width, std::uint16_t face,
                                  bool selected) {
    return static_cast<std::uint64_t>(ch) | static_cast<std::uint64_t>(face) << 16 |
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) & 0x7FFFFFFF) << 32 |
           (selected ? 1ULL << 63 : 0);
}

bool CKEPaintCache::keep(const Settings& settings, bool newBuffer) {
    const bool kept = m_valid && !newBuffer && settings == m_settings;
    if (!kept) {
        m_bands.clear();
        m_settings = settings;
        m_valid = true;
    }
    for (auto& [top, band] : m_bands) {
        band.visited = false;
    }
    return kept;
}

bool CKEPaintCache::unchanged(int top, const std::vector<std::uint64_t>& cells) {
    Band& band = m_bands[top];
    band.visited = true;
    if (band.cells == cells && !band.cells.empty()) {
        return true;
    }
    band.cells = cells;
    return false;
}

std::vector<int> CKEPaintCache::takeUnvisited() {
    std::vector<int> gone;
    for (auto it = m_bands.begin(); it != m_bands.end();) {
        if (!it->second.visited) {
            gone.push_back(it->first);
            it = m_bands.erase(it);
        } else {
            ++it;
        }
    }
    return gone;
}
