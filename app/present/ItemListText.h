#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "items/CFontPT.h"

// What the main view's item list shows, without widgets.

inline constexpr int kListColumnCount = 4;

struct ListColumn {
    std::string_view m_heading;  // UTF-8
    int m_width = 0;             // pixels
};

struct RgbColor {
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool operator==(const RgbColor&) const = default;
};

// The four columns: "ID" 30, "登録名称" 200, "必要メモリ" 100, "アイテム状態" 100.
const std::array<ListColumn, kListColumnCount>& ListColumns();

// The texts column `column` must show whole at any font: its heading and, except for the
// names (which are cut at the column's edge), the widest values it holds.
std::vector<std::string> ListColumnTexts(int column);

// The display name of an item state ("未登録ID", "登録済みID", "新規登録ID"); empty for a
// state outside 0..2.
std::string StateName(int state);

// The four texts of row `slot` (UTF-8): "%02d", the name, "%dbyte" of the memory need for
// states 1 and 2 (else empty), the state's name.
std::array<std::string, kListColumnCount> RowTexts(int slot, const CFontPT& item);

// The row background by state: white, light yellow (255,255,220), light cyan (220,255,255).
RgbColor RowColor(int state);

// "メモリ使用量　%d/240Kbyte" with the total in Kbyte, rounded up.
std::string MemoryText(std::int64_t total);
