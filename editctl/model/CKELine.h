#pragma once

#include <cstdint>

// One display row: a run of characters of one paragraph. The row that ends a paragraph holds
// its CR LF.
struct CKELine {
    std::int32_t m_start = 0;  // index of the first character in the text
    std::int32_t m_count = 0;  // number of characters
    std::int32_t m_para = 0;   // index of the paragraph that holds the row
    std::int32_t m_width = 0;  // sum of the characters' widths
};
