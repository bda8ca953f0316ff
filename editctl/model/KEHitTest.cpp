#include "editctl/model/KEHitTest.h"

#include <algorithm>

namespace kehit {

bool IsSpace(char16_t ch) {
    return (ch >= 0x0009 && ch <= 0x000D) || ch == 0x0020 || ch == 0x1680 ||
           (ch >= 0x2000 && ch <= 0x2006) || (ch >= 0x2008 && ch <= 0x200A) || ch == 0x2028 ||
           ch == 0x2029 || ch == 0x205F || ch == 0x3000;
}

KEPos PositionAtPoint(const CKEditInfo& info, LONG x, LONG y) {
    if (info.m_rows.empty()) {
        return KEPos{};
    }
    // 64-bit sums: the point comes from a host and may lie anywhere.
    const std::int64_t tx =
        std::max<std::int64_t>(0, static_cast<std::int64_t>(x) + info.m_scrollX - info.m_marginX);
    const std::int64_t ty =
        std::max<std::int64_t>(0, static_cast<std::int64_t>(y) + info.m_scrollY - info.m_marginY);
    const auto lastRow = static_cast<std::int64_t>(info.m_rows.size()) - 1;
    const auto row = static_cast<std::int32_t>(std::min(ty / info.rowHeight(), lastRow));
    const CKELine& line = *info.m_rows[static_cast<std::size_t>(row)];

    std::int32_t col = line.m_count;
    std::int64_t sum = 0;
    for (std::int32_t c = 0; c < line.m_count; ++c) {
        const std::int32_t width = info.m_chars[static_cast<std::size_t>(line.m_start + c)].m_width;
        if (tx >= sum && tx < sum + width) {
            col = c + (tx - sum > width / 2 ? 1 : 0);
            break;
        }
        sum += width;
    }
    // Past the end of a row that ends a paragraph: before its CR LF (or lone LF).
    return KEPos{std::min(col, info.rowEndColumn(row)), row};
}

KEWordBounds WordAt(const CKEditInfo& info, KEPos caret) {
    if (info.m_rows.empty()) {
        return KEWordBounds{};
    }
    const auto lastRow = static_cast<std::int32_t>(info.m_rows.size()) - 1;
    const std::int32_t row = std::clamp(caret.row, 0, lastRow);
    const CKELine& line = *info.m_rows[static_cast<std::size_t>(row)];
    const std::int32_t endCol = info.rowEndColumn(row);
    const std::int32_t col = std::clamp(caret.col, 0, line.m_count);
    auto at = [&](std::int32_t c) {
        return info.m_text[static_cast<std::size_t>(line.m_start + c)];
    };

    std::int32_t start = 0;
    for (std::int32_t c = std::min(col, line.m_count - 1); c >= 0; --c) {
        if (IsSpace(at(c))) {
            start = c + 1;
            break;
        }
    }
    std::int32_t end = col + 1;
    while (end < line.m_count && !IsSpace(at(end))) {
        ++end;
    }
    while (end < line.m_count && IsSpace(at(end))) {
        ++end;
    }
    // Neither end goes past the row's closing CR LF.
    end = std::min(end, endCol);
    start = std::min(start, end);
    return KEWordBounds{KEPos{start, row}, KEPos{end, row}};
}

}  // namespace kehit
