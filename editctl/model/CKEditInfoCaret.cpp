// Caret steps and selection changes on (column, row) positions.
#include <algorithm>

#include "editctl/model/CKEditInfo.h"

namespace {

constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';

}  // namespace

KEPos CKEditInfo::stepped(KEPos from, KECaretStep step) const {
    if (m_rows.empty()) {
        return KEPos{};
    }
    const KEPos pos = validPos(from);
    const auto rowCount = static_cast<std::int32_t>(m_rows.size());
    const CKELine& line = *m_rows[static_cast<std::size_t>(pos.row)];
    const bool hasNext = pos.row + 1 < rowCount;
    const bool multiline = (style() & ES_MULTILINE) != 0;

    switch (step) {
        case KECaretStep::Home:
            return KEPos{0, pos.row};
        case KECaretStep::End:
            return KEPos{rowEndColumn(pos.row), pos.row};
        case KECaretStep::Right: {
            if (pos.col < line.m_count) {
                const auto idx = static_cast<std::size_t>(line.m_start + pos.col);
                // A CR LF is stepped over as one; a lone CR is an ordinary character.
                const bool crlf =
                    m_text[idx] == kCR && idx + 1 < m_text.size() && m_text[idx + 1] == kLF;
                if (crlf) {
                    return hasNext ? KEPos{0, pos.row + 1} : pos;
                }
                if (pos.col + 1 >= line.m_count && hasNext) {
                    return KEPos{0, pos.row + 1};
                }
                return KEPos{pos.col + 1, pos.row};
            }
            return hasNext ? KEPos{0, pos.row + 1} : pos;
        }
        case KECaretStep::Left: {
            if (pos.col > 0) {
                return KEPos{pos.col - 1, pos.row};
            }
            if (pos.row == 0) {
                return pos;
            }
            const std::int32_t prev = pos.row - 1;
            const CKELine& prevLine = *m_rows[static_cast<std::size_t>(prev)];
            const std::int32_t endCol = rowEndColumn(prev);
            // Before the closing CR LF (or lone LF), else before the row's last character.
            return KEPos{endCol < prevLine.m_count ? endCol : prevLine.m_count - 1, prev};
        }
        case KECaretStep::Up:
        case KECaretStep::Down: {
            const bool up = step == KECaretStep::Up;
            if (!multiline) {
                return stepped(pos, up ? KECaretStep::Left : KECaretStep::Right);
            }
            if ((up && pos.row == 0) || (!up && !hasNext)) {
                return pos;
            }
            std::int64_t x = 0;
            for (std::int32_t c = 0; c < pos.col; ++c) {
                x += m_chars[static_cast<std::size_t>(line.m_start + c)].m_width;
            }
            const std::int32_t target = up ? pos.row - 1 : pos.row + 1;
            const CKELine& to = *m_rows[static_cast<std::size_t>(target)];
            std::int64_t right = 0;
            for (std::int32_t c = 0; c < to.m_count; ++c) {
                right += m_chars[static_cast<std::size_t>(to.m_start + c)].m_width;
                if (right > x) {
                    return KEPos{c, target};
                }
            }
            return KEPos{rowEndColumn(target), target};
        }
    }
    return pos;
}

void CKEditInfo::moveCaretTo(KEPos pos, bool extend) {
    pos = validPos(pos);
    if (extend) {
        if (!m_hasSel) {
            m_hasSel = true;
            m_anchorCol = m_caretCol;
            m_anchorRow = m_caretRow;
        }
    } else {
        m_hasSel = false;
    }
    m_caretCol = pos.col;
    m_caretRow = pos.row;
    if (m_hasSel) {
        m_selEndCol = m_caretCol;
        m_selEndRow = m_caretRow;
    }
    if (m_hwnd != nullptr) {
        m_hwnd->placeCaret();
    }
}

void CKEditInfo::moveCaret(KECaretStep step, bool extend) {
    const bool vertical = step == KECaretStep::Up || step == KECaretStep::Down;
    if (vertical && (style() & ES_MULTILINE) == 0) {
        extend = false;  // single line: Up and Down are Left and Right, never extending
    }
    moveCaretTo(stepped(KEPos{m_caretCol, m_caretRow}, step), extend);
}

void CKEditInfo::clearSelection() { m_hasSel = false; }

void CKEditInfo::selectAll() {
    if (m_length == 0 || m_rows.empty()) {
        return;
    }
    const auto last = static_cast<std::int32_t>(m_rows.size()) - 1;
    m_hasSel = true;
    m_anchorCol = 0;
    m_anchorRow = 0;
    m_caretCol = m_selEndCol = m_rows.back()->m_count;
    m_caretRow = m_selEndRow = last;
    if (m_hwnd != nullptr) {
        m_hwnd->placeCaret();
    }
}

void CKEditInfo::selectRange(std::int32_t first, std::int32_t end) {
    if (m_rows.empty()) {
        return;
    }
    first = std::clamp(first, 0, m_length);
    end = std::clamp(end, 0, m_length);
    if (first > end) {
        std::swap(first, end);
    }
    const std::int32_t anchorRow = rowOfIndex(first);
    const std::int32_t endRow = rowOfIndex(end);
    const KEPos anchor =
        validPos(KEPos{first - m_rows[static_cast<std::size_t>(anchorRow)]->m_start, anchorRow});
    const KEPos caret =
        validPos(KEPos{end - m_rows[static_cast<std::size_t>(endRow)]->m_start, endRow});
    m_hasSel = true;
    m_anchorCol = anchor.col;
    m_anchorRow = anchor.row;
    m_caretCol = m_selEndCol = caret.col;
    m_caretRow = m_selEndRow = caret.row;
    if (m_hwnd != nullptr) {
        m_hwnd->placeCaret();
    }
}
