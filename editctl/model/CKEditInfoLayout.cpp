// Layout of paragraphs into rows, and the splicing of new paragraphs into the lists.
#include <algorithm>
#include <iterator>
#include <limits>

#include "editctl/model/CKEditInfo.h"

namespace {

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

void CloseRow(CKEPara& para, std::int32_t paraIndex, std::int32_t start, std::int32_t end,
              std::int64_t width) {
    auto line = std::make_unique<CKELine>();
    line->m_start = start;
    line->m_count = end - start;
    line->m_para = paraIndex;
    line->m_width = Saturate(width);
    para.m_lines.push_back(std::move(line));
}

}  // namespace

std::unique_ptr<CKEPara> CKEditInfo::layoutPara(std::int32_t paraIndex, std::int32_t first,
                                                std::int32_t count) const {
    if (first < 0 || count < 0 || first + count > m_length) {
        return nullptr;
    }
    const RECT rect = textRect();
    return layoutRun(m_chars, paraIndex, first, count, style(), rect.right - rect.left);
}

std::unique_ptr<CKEPara> CKEditInfo::layoutRun(const std::vector<CKEChar>& chars,
                                               std::int32_t paraIndex, std::int32_t first,
                                               std::int32_t count, DWORD style,
                                               std::int32_t avail) const {
    auto para = std::make_unique<CKEPara>();
    const std::int32_t end = first + count;
    if ((style & ES_AUTOHSCROLL) != 0) {
        std::int64_t width = 0;
        for (std::int32_t i = first; i < end; ++i) {
            width += chars[static_cast<std::size_t>(i)].m_width;
        }
        CloseRow(*para, paraIndex, first, end, width);
        return para;
    }
    const bool multiline = (style & ES_MULTILINE) != 0;
    std::int32_t rowStart = first;
    std::int64_t sum = 0;
    for (std::int32_t i = first; i < end; ++i) {
        const std::int32_t width = chars[static_cast<std::size_t>(i)].m_width;
        if (sum + width > avail) {
            if (!multiline || i == rowStart) {
                return nullptr;
            }
            CloseRow(*para, paraIndex, rowStart, i, sum);
            rowStart = i;
            sum = 0;
            if (width > avail) {
                return nullptr;  // wider than the view even on a row of its own
            }
        }
        sum += width;
    }
    CloseRow(*para, paraIndex, rowStart, end, sum);
    return para;
}

std::int32_t CKEditInfo::firstRowOfPara(std::int32_t para) const {
    const CKELine* first = m_paras[static_cast<std::size_t>(para)]->m_lines.front().get();
    // Rows are contiguous and only the last row can be empty, so this is the paragraph's row.
    return rowOfIndex(first->m_start);
}

void CKEditInfo::reserveForSplice(std::int32_t firstPara, std::int32_t lastPara,
                                  const std::vector<std::unique_ptr<CKEPara>>& newParas) {
    std::size_t oldRows = 0;
    for (std::int32_t p = firstPara; p <= lastPara; ++p) {
        oldRows += m_paras[static_cast<std::size_t>(p)]->m_lines.size();
    }
    std::size_t newRows = 0;
    for (const auto& para : newParas) {
        newRows += para->m_lines.size();
    }
    const auto oldParas = static_cast<std::size_t>(lastPara - firstPara + 1);
    m_rows.reserve(m_rows.size() - oldRows + newRows);
    m_paras.reserve(m_paras.size() - oldParas + newParas.size());
}

void CKEditInfo::spliceParas(std::int32_t firstPara, std::int32_t lastPara,
                             std::vector<std::unique_ptr<CKEPara>>& newParas,
                             std::int32_t shift) noexcept {
    const std::int32_t firstRow = firstRowOfPara(firstPara);
    std::size_t oldRows = 0;
    for (std::int32_t p = firstPara; p <= lastPara; ++p) {
        oldRows += m_paras[static_cast<std::size_t>(p)]->m_lines.size();
    }
    std::size_t newRowCount = 0;
    for (const auto& para : newParas) {
        newRowCount += para->m_lines.size();
    }
    // Row pointers: overwrite the common part, then erase or insert the difference. The
    // capacity was reserved, so nothing here allocates.
    auto rowIt = m_rows.begin() + firstRow;
    if (newRowCount < oldRows) {
        m_rows.erase(rowIt, rowIt + static_cast<std::ptrdiff_t>(oldRows - newRowCount));
    } else if (newRowCount > oldRows) {
        m_rows.insert(rowIt, newRowCount - oldRows, nullptr);
    }
    std::size_t r = static_cast<std::size_t>(firstRow);
    for (const auto& para : newParas) {
        for (const auto& line : para->m_lines) {
            m_rows[r++] = line.get();
        }
    }
    const auto paraDelta = static_cast<std::int32_t>(newParas.size()) - (lastPara - firstPara + 1);
    for (; r < m_rows.size(); ++r) {
        m_rows[r]->m_start += shift;
        m_rows[r]->m_para += paraDelta;
    }
    // Paragraphs: the old ones leave, the new ones move in (capacity reserved).
    const auto oldParaCount = static_cast<std::ptrdiff_t>(lastPara - firstPara + 1);
    auto paraIt =
        m_paras.erase(m_paras.begin() + firstPara, m_paras.begin() + firstPara + oldParaCount);
    m_paras.insert(paraIt, std::make_move_iterator(newParas.begin()),
                   std::make_move_iterator(newParas.end()));
    newParas.clear();
}
