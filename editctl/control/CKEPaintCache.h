#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "editctl/model/WextlWin32.h"

// What the kept off-screen buffer of a KEDIT shows, so that a paint redraws only the rows
// whose content changed: the settings every row depends on, and for each band of the
// buffer (a row's place, by its top in device coordinates) the cells drawn there. A cell is
// its character, advance, face and whether it is selected; a row is equal only if every cell
// is, so nothing is ever left stale.
class CKEPaintCache {
  public:
    // Everything that changes every row at once.
    struct Settings {
        RECT client{};
        RECT area{};               // the text area in device coordinates
        std::int32_t scrollX = 0;  // rows start here less the margin
        std::int32_t rowHeight = 0;
        COLORREF base = 0;  // the buffer's background
        COLORREF text = 0;
        COLORREF back = 0;
        int backMode = 0;
        LOGFONTA font{};
        bool hasFont = false;
        const void* catalog = nullptr;
        COLORREF highlight = 0;
        COLORREF highlightText = 0;
        bool operator==(const Settings& other) const;
    };

    static std::uint64_t cell(char16_t ch, std::int32_t width, std::uint16_t face, bool selected);
    static bool selected(std::uint64_t cell) { return (cell >> 63) != 0; }

    // False (and everything forgotten) if the buffer is new or a setting differs.
    bool keep(const Settings& settings, bool newBuffer);
    // Whether the band at `top` shows exactly `cells` already; if not, it is remembered as
    // drawn with them (the caller draws it).
    bool unchanged(int top, const std::vector<std::uint64_t>& cells);
    // Bands drawn before but not looked at in this paint (rows that are gone): forgotten and
    // returned, for the caller to clear.
    std::vector<int> takeUnvisited();

  private:
    struct Band {
        std::vector<std::uint64_t> cells;
        bool visited = false;
    };
    bool m_valid = false;
    Settings m_settings;
    std::map<int, Band> m_bands;
};
