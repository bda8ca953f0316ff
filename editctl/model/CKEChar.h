#pragma once

#include <cstdint>

// Attributes of one character of the text: its advance and the font it was given, as an
// index into its edit state's table of face names (CKEditInfo::faceName). Plain data, so
// that copies of the text's attributes are copies of memory.
struct CKEChar {
    static constexpr std::uint16_t kControlFont = 0;  // no face of its own

    std::int32_t m_width = 0;  // advance in pixels; 0 for CR and LF
    std::uint16_t m_face = kControlFont;
};
