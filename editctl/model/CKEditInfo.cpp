#include "editctl/model/CKEditInfo.h"

#include <algorithm>
#include <new>
#include <utility>

#include "editctl/model/CKEFontCatalog.h"

namespace {

constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';

}  // namespace

// ---------------------------------------------------------------------------------------------
// Measuring

DWORD CKEditInfo::style() const { return m_hwnd != nullptr ? m_hwnd->style() : 0; }

KEFontMetrics CKEditInfo::fontMetrics() const {
    return m_hwnd != nullptr ? m_hwnd->fontMetrics(m_font) : KEFontMetrics{};
}

std::int32_t CKEditInfo::rowHeight() const {
    return std::max<std::int32_t>(1, fontMetrics().height);
}

const char* CKEditInfo::faceName(const CKEChar& ch) const {
    const std::size_t face = ch.m_face;
    return face != CKEChar::kControlFont && face <= m_faceNames.size()
               ? m_faceNames[face - 1].c_str()
               : nullptr;
}

const char* CKEditInfo::faceNameAt(std::int32_t index) const {
    return index >= 0 && static_cast<std::size_t>(index) < m_chars.size()
               ? faceName(m_chars[static_cast<std::size_t>(index)])
               : nullptr;
}

SIZE CKEditInfo::measureChar(char16_t ch, const char* faceName) const {
    if (m_hwnd == nullptr) {
        return SIZE{0, 0};
    }
    SIZE size{0, 0};
    if (ch == kCR || ch == kLF) {
        size.cy = fontMetrics().height;
        return size;
    }
    LOGFONTA face{};
    const CKEFontCatalog* catalog = m_hwnd->fontCatalog();
    if (faceName != nullptr && faceName[0] != '\0' && catalog != nullptr &&
        catalog->getLogFont(faceName, face)) {
        face.lfHeight = -fontMetrics().height;
        face.lfWidth = 0;
        size = m_hwnd->charExtent(m_font, &face, ch);
    } else {
        size = m_hwnd->charExtent(m_font, nullptr, ch);
    }
    size.cx = std::max<LONG>(0, size.cx);
    return size;
}

RECT CKEditInfo::textRect() const {
    RECT rect = m_hwnd != nullptr ? m_hwnd->clientRect() : RECT{0, 0, 0, 0};
    rect.left += m_scrollX + m_marginX;
    rect.right += m_scrollX - m_marginX;
    rect.top += m_scrollY + m_marginY;
    rect.bottom += m_scrollY - m_marginY;
    return rect;
}

void CKEditInfo::computeMargins() {
    const DWORD exStyle = m_hwnd != nullptr ? m_hwnd->exStyle() : 0;
    if ((style() & WS_BORDER) != 0 || (exStyle & WS_EX_CLIENTEDGE) != 0) {
        const std::int32_t eighth = fontMetrics().height / 8;
        m_marginY = eighth;
        m_marginX = 2 * eighth;
    } else {
        m_marginX = 0;
        m_marginY = 0;
    }
}

std::int32_t CKEditInfo::allowedRows() const {
    const DWORD st = style();
    if ((st & ES_MULTILINE) != 0 && (st & ES_AUTOVSCROLL) != 0) {
        return kMaxScrollRows;
    }
    const RECT rect = textRect();
    // A text area lower than one row still shows the first row in part: allow that row.
    return std::max<std::int32_t>(1, (rect.bottom - rect.top) / rowHeight());
}

void CKEditInfo::refuse(bool beep) const {
    if (m_hwnd == nullptr) {
        return;
    }
    m_hwnd->notifyParent(EN_MAXTEXT);
    if (beep) {
        m_hwnd->beep();
    }
}

void CKEditInfo::afterEdit() {
    if (m_hwnd != nullptr) {
        m_hwnd->updateScrollRange();
        m_hwnd->placeCaret();
        m_hwnd->invalidate();
    }
}

// ---------------------------------------------------------------------------------------------
// Whole-state operations

void CKEditInfo::setEmptyText() {
    auto para = std::make_unique<CKEPara>();
    para->m_lines.push_back(std::make_unique<CKELine>());
    std::vector<CKEChar> chars(1);
    std::vector<CKELine*> rows{para->m_lines.front().get()};
    std::vector<std::unique_ptr<CKEPara>> paras;
    paras.push_back(std::move(para));

    m_text.clear();
    m_chars = std::move(chars);
    m_length = 0;
    m_paras = std::move(paras);
    m_rows = std::move(rows);
    m_caretCol = m_caretRow = 0;
    m_hasSel = false;
    m_anchorCol = m_anchorRow = m_selEndCol = m_selEndRow = 0;
    m_scrollX = m_scrollY = 0;
}

bool CKEditInfo::reset(IKEditHost* window) {
    try {
        setEmptyText();
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_hwnd = window;
    m_font = nullptr;
    m_limit = kDefaultLimit;
    m_caretShown = false;
    m_marginX = m_marginY = 0;
    m_modified = false;
    m_undo.reset();
    if (m_hwnd != nullptr) {
        m_hwnd->updateScrollRange();
    }
    return true;
}

// Deleting the whole text: the empty text of reset, but the host's window, font and limit
// stay, the undo snapshot stays (so the deletion can be undone) and the text counts as
// modified, as after any other deletion.
void CKEditInfo::clearTextKeepingSettings() {
    setEmptyText();
    computeMargins();
    m_modified = true;
}

bool CKEditInfo::copyTo(CKEditInfo& target) const {
    if (&target == this) {
        return true;
    }
    try {
        std::vector<std::unique_ptr<CKEPara>> paras;
        paras.reserve(m_paras.size());
        std::vector<CKELine*> rows;
        rows.reserve(m_rows.size());
        for (const auto& para : m_paras) {
            paras.push_back(para->clone());
            for (const auto& line : paras.back()->m_lines) {
                rows.push_back(line.get());
            }
        }
        std::u16string text = m_text;
        std::vector<CKEChar> chars = m_chars;
        std::vector<std::string> faceNames = m_faceNames;

        target.m_hwnd = m_hwnd;
        target.m_font = m_font;
        target.m_limit = m_limit;
        target.m_text = std::move(text);
        target.m_chars = std::move(chars);
        target.m_faceNames = std::move(faceNames);
        target.m_length = m_length;
        target.m_paras = std::move(paras);
        target.m_rows = std::move(rows);
    } catch (const std::bad_alloc&) {
        auto* undo = target.m_undo.release();
        target.m_hwnd = nullptr;
        target.reset(nullptr);
        target.m_undo.reset(undo);
        refuse(false);
        return false;
    }
    target.m_caretShown = m_caretShown;
    target.m_caretCol = m_caretCol;
    target.m_caretRow = m_caretRow;
    target.m_hasSel = m_hasSel;
    target.m_anchorCol = m_anchorCol;
    target.m_anchorRow = m_anchorRow;
    target.m_selEndCol = m_selEndCol;
    target.m_selEndRow = m_selEndRow;
    target.m_marginX = m_marginX;
    target.m_marginY = m_marginY;
    target.m_scrollX = m_scrollX;
    target.m_scrollY = m_scrollY;
    target.m_modified = m_modified;
    return true;
}

bool CKEditInfo::takeSnapshot() {
    try {
        auto snapshot = std::make_unique<CKEditInfo>();
        if (!copyTo(*snapshot)) {
            return false;
        }
        m_undo = std::move(snapshot);
        return true;
    } catch (const std::bad_alloc&) {
        refuse(false);
        return false;
    }
}

void CKEditInfo::swapState(CKEditInfo& other, SwapScope scope) noexcept {
    using std::swap;
    if (scope == SwapScope::Everything) {
        swap(m_hwnd, other.m_hwnd);
        swap(m_font, other.m_font);
        swap(m_limit, other.m_limit);
        swap(m_marginX, other.m_marginX);
        swap(m_marginY, other.m_marginY);
    }
    swap(m_text, other.m_text);
    swap(m_chars, other.m_chars);
    swap(m_faceNames, other.m_faceNames);
    swap(m_length, other.m_length);
    swap(m_paras, other.m_paras);
    swap(m_rows, other.m_rows);
    swap(m_caretShown, other.m_caretShown);
    swap(m_caretCol, other.m_caretCol);
    swap(m_caretRow, other.m_caretRow);
    swap(m_hasSel, other.m_hasSel);
    swap(m_anchorCol, other.m_anchorCol);
    swap(m_anchorRow, other.m_anchorRow);
    swap(m_selEndCol, other.m_selEndCol);
    swap(m_selEndRow, other.m_selEndRow);
    swap(m_scrollX, other.m_scrollX);
    swap(m_scrollY, other.m_scrollY);
    swap(m_modified, other.m_modified);
}

// The text, its layout, caret, selection, scroll offsets and modified flag change places
// with the snapshot; the window's own settings (font handle, limit, margins) stay, since the
// host may have changed or freed the font after the snapshot was taken. Whether the caret is
// shown belongs to the window too.
bool CKEditInfo::undoSwap() {
    if (!m_undo) {
        return false;
    }
    const bool caretShown = m_caretShown;
    swapState(*m_undo, SwapScope::EditState);
    m_undo->m_caretShown = m_caretShown;
    m_caretShown = caretShown;
    afterEdit();
    return true;
}

bool CKEditInfo::replaceAll(std::u16string_view text) {
    auto rollback = std::make_unique<CKEditInfo>();
    try {
        if (!copyTo(*rollback)) {
            return false;
        }
    } catch (const std::bad_alloc&) {
        refuse(false);
        return false;
    }
    bool ok = true;
    if (m_length > 0) {
        selectAll();
        ok = deleteSelection();
    }
    ok = ok && insertText(text);
    if (ok) {
        m_caretCol = m_caretRow = 0;
        if (m_hwnd != nullptr) {
            m_hwnd->placeCaret();
        }
        return true;
    }
    swapState(*rollback, SwapScope::Everything);
    afterEdit();
    return false;
}

void CKEditInfo::setLimit(std::uint32_t limit) {
    m_limit = static_cast<std::int32_t>(std::min<std::uint32_t>(limit, kMaxLimit));
}

// ---------------------------------------------------------------------------------------------
// Queries

bool CKEditInfo::hasSelection() const {
    std::int32_t first = 0;
    std::int32_t count = 0;
    return getSelection(first, count) && count > 0;
}

bool CKEditInfo::getSelection(std::int32_t& first, std::int32_t& count) const {
    if (!m_hasSel) {
        return false;
    }
    const std::int32_t a = indexOf(KEPos{m_anchorCol, m_anchorRow});
    const std::int32_t b = indexOf(KEPos{m_selEndCol, m_selEndRow});
    first = std::min(a, b);
    count = std::max(a, b) - first;
    return true;
}

std::int32_t CKEditInfo::indexOf(KEPos pos) const {
    if (m_rows.empty()) {
        return 0;
    }
    const auto row = static_cast<std::size_t>(
        std::clamp<std::int32_t>(pos.row, 0, static_cast<std::int32_t>(m_rows.size()) - 1));
    return m_rows[row]->m_start + pos.col;
}

std::int32_t CKEditInfo::caretIndex() const { return indexOf(KEPos{m_caretCol, m_caretRow}); }

std::int32_t CKEditInfo::rowOfIndex(std::int32_t index) const {
    const auto it =
        std::upper_bound(m_rows.begin(), m_rows.end(), index,
                         [](std::int32_t i, const CKELine* line) { return i < line->m_start; });
    if (it == m_rows.begin()) {
        return 0;
    }
    return static_cast<std::int32_t>(it - m_rows.begin()) - 1;
}

KEPos CKEditInfo::positionOfIndex(std::int32_t index) const {
    if (index <= 0 || m_rows.empty()) {
        return KEPos{0, 0};
    }
    if (index >= m_length) {
        const auto last = static_cast<std::int32_t>(m_rows.size()) - 1;
        return KEPos{m_rows.back()->m_count, last};
    }
    const std::int32_t row = rowOfIndex(index);
    return KEPos{index - m_rows[static_cast<std::size_t>(row)]->m_start, row};
}

std::int32_t CKEditInfo::rowEndColumn(std::int32_t row) const {
    const CKELine& line = *m_rows[static_cast<std::size_t>(row)];
    if (line.m_count == 0) {
        return 0;
    }
    const auto last = static_cast<std::size_t>(line.m_start + line.m_count - 1);
    if (m_text[last] != kLF) {
        return line.m_count;
    }
    if (line.m_count >= 2 && m_text[last - 1] == kCR) {
        return line.m_count - 2;
    }
    return line.m_count - 1;
}

KEPos CKEditInfo::validPos(KEPos pos) const {
    const auto lastRow = static_cast<std::int32_t>(m_rows.size()) - 1;
    pos.row = std::clamp(pos.row, 0, lastRow);
    pos.col = std::clamp(pos.col, 0, rowEndColumn(pos.row));
    return pos;
}
