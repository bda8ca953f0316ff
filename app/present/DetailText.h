#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "items/CFontPT.h"

// The texts of the logo and font information dialogs (UTF-8), made from a copy of one
// registered item: its registration record and its character entries.

struct LogoDetailText {
    std::vector<std::string> m_entries;  // "0x%02X%02X"
    std::string m_name;                  // "登録名称：%s"
    std::string m_id;                    // "登録ID：%d"
    std::string m_height;                // "縦サイズ：%ddot(%.1fmm)" with the width field
    std::string m_width;                 // "横サイズ：%ddot(%.1fmm)" with the height field
};

struct FontDetailText {
    std::vector<std::string> m_entries;  // "0x%02X%02X     %s"
    std::string m_name;
    std::string m_id;
    std::string m_fontCount;  // "登録フォント数：%d"
    std::string m_fontSize;   // "フォントサイズ：%d"
    std::string m_bold;       // "強調：無効" / "強調：有効"
    std::string m_italic;     // "斜体：無効" / "斜体：有効"
};

// The record the dialogs show: a fresh CFontPT parsed from the item's registration record.
CFontPT ParseDetailRecord(std::span<const std::uint8_t, kHeaderSize> header);

// entries holds at least `count` entries of kEntrySize bytes; count is held to the entries
// given and to kMaxEntries.
LogoDetailText MakeLogoDetailText(const CFontPT& record, int count,
                                  std::span<const std::uint8_t> entries, double dotsPerMm);
FontDetailText MakeFontDetailText(const CFontPT& record, int count,
                                  std::span<const std::uint8_t> entries);

// The character of a font entry: the UTF-16 code unit byte1 * 256 + byte0, as UTF-8.
// Control characters and lone surrogates have no picture and give an empty text.
std::string EntryCharacter(std::uint8_t byte0, std::uint8_t byte1);
