// The three operations that change characters: insertion at the caret, deletion of the
// selection and giving a run of characters a face name.
//
// Each builds the new arrays and paragraphs beside the current ones and commits them only
// when everything fits, so a refusal leaves text, layout, caret and selection untouched.
#include <algorithm>
#include <iterator>
#include <limits>
#include <new>
#include <utility>

#include "editctl/model/CKEditInfo.h"

namespace {

constexpr char16_t kCR = u'\r';
constexpr char16_t kLF = u'\n';

// The wide-character control class of the C library's Unicode locales (iswcntrl): C0, DEL,
// C1 and the line and paragraph separators. Fixed here so that stored text does not depend
// on the process locale.
bool IsControlChar(char16_t ch) {
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == 0x2028 || ch == 0x2029;
}

// Shows the wait cursor for the lifetime of the object.
class KEWaitCursor {
  public:
    KEWaitCursor(IKEditHost* host, bool show) : m_host(show ? host : nullptr) {
        if (m_host != nullptr) {
            m_host->setWaitCursor(true);
        }
    }
    ~KEWaitCursor() {
        if (m_host != nullptr) {
            m_host->setWaitCursor(false);
        }
    }
    KEWaitCursor(const KEWaitCursor&) = delete;
    KEWaitCursor& operator=(const KEWaitCursor&) = delete;

  private:
    IKEditHost* m_host;
};

// Room for `size` elements, growing geometrically so that typing does not reallocate the
// arrays at every character.
template <typename Container>
void ReserveFor(Container& container, std::size_t size) {
    if (container.capacity() < size) {
        container.reserve(std::max(size, container.capacity() + container.capacity() / 2));
    }
}

}  // namespace

bool CKEditInfo::insertText(std::u16string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        refuse(true);
        return false;
    }
    return insertText(text.data(), static_cast<std::int32_t>(text.size()));
}

bool CKEditInfo::insertText(const char16_t* text, std::int32_t count) {
    if (count < 0 || (count > 0 && text == nullptr) || m_rows.empty()) {
        return false;
    }
    const DWORD st = style();
    if ((st & ES_MULTILINE) == 0) {
        count = static_cast<std::int32_t>(std::find(text, text + count, kCR) - text);
    }
    KEWaitCursor wait(m_hwnd, count > 3);
    if (count == 0) {
        return true;
    }
    if (static_cast<std::int64_t>(m_limit) < static_cast<std::int64_t>(m_length) + count) {
        refuse(true);
        return false;
    }

    const KEPos at = validPos(KEPos{m_caretCol, m_caretRow});
    const std::int32_t p = indexOf(at);
    const std::int32_t caretPara = m_rows[static_cast<std::size_t>(at.row)]->m_para;
    const CKEPara& oldPara = *m_paras[static_cast<std::size_t>(caretPara)];
    const std::int32_t paraStart = oldPara.firstChar();
    const std::int32_t paraEnd = oldPara.endChar() + count;
    const bool lastPara = caretPara + 1 == static_cast<std::int32_t>(m_paras.size());

    // The text and attributes are changed in place, within reserved capacity; `restore`
    // takes the inserted run out again if the new layout is refused.
    try {
        std::u16string inserted(text, static_cast<std::size_t>(count));
        std::vector<CKEChar> insertedChars(static_cast<std::size_t>(count));
        for (std::size_t i = 0; i < inserted.size(); ++i) {
            char16_t& ch = inserted[i];
            if (ch == kCR || ch == kLF) {
                continue;
            }
            if (IsControlChar(ch)) {
                ch = u' ';
            }
            insertedChars[i].m_width = measureChar(ch, nullptr).cx;
        }
        ReserveFor(m_text, static_cast<std::size_t>(m_length + count));
        ReserveFor(m_chars, static_cast<std::size_t>(m_length + count + 1));
        m_text.insert(static_cast<std::size_t>(p), inserted);
        m_chars.insert(m_chars.begin() + p, std::make_move_iterator(insertedChars.begin()),
                       std::make_move_iterator(insertedChars.end()));
    } catch (const std::bad_alloc&) {
        refuse(false);
        return false;
    }
    const auto restore = [&]() noexcept {
        m_text.erase(static_cast<std::size_t>(p), static_cast<std::size_t>(count));
        m_chars.erase(m_chars.begin() + p, m_chars.begin() + p + count);
    };

    std::vector<std::unique_ptr<CKEPara>> newParas;
    try {
        const RECT rect = textRect();
        const std::int32_t avail = rect.right - rect.left;
        const std::size_t allowed = static_cast<std::size_t>(allowedRows());
        std::size_t rowTotal = m_rows.size() - oldPara.m_lines.size();
        bool fits = true;
        const auto addPara = [&](std::int32_t first, std::int32_t end) {
            auto para = layoutRun(m_chars, caretPara + static_cast<std::int32_t>(newParas.size()),
                                  first, end - first, st, avail);
            if (!para) {
                fits = false;
                return;
            }
            rowTotal += para->m_lines.size();
            fits = rowTotal <= allowed;
            newParas.push_back(std::move(para));
        };
        std::int32_t start = paraStart;
        for (std::int32_t i = paraStart; i < paraEnd && fits; ++i) {
            if (m_text[static_cast<std::size_t>(i)] == kLF) {
                addPara(start, i + 1);
                start = i + 1;
            }
        }
        if (fits && (start < paraEnd || lastPara)) {
            addPara(start, paraEnd);  // the rest, or the empty paragraph after a final LF
        }
        if (!fits) {
            restore();
            refuse(true);
            return false;
        }
        reserveForSplice(caretPara, caretPara, newParas);
    } catch (const std::bad_alloc&) {
        restore();
        refuse(false);
        return false;
    }

    m_length += count;
    spliceParas(caretPara, caretPara, newParas, count);

    const KEPos last = positionOfIndex(p + count - 1);
    const KEPos caret = stepped(last, KECaretStep::Right);
    m_caretCol = caret.col;
    m_caretRow = caret.row;
    m_hasSel = false;
    m_modified = true;
    afterEdit();
    return true;
}

bool CKEditInfo::deleteSelection() {
    if (!m_hasSel) {
        return true;
    }
    KEPos a{m_anchorCol, m_anchorRow};
    KEPos b{m_selEndCol, m_selEndRow};
    if (b.row < a.row || (b.row == a.row && b.col < a.col)) {
        std::swap(a, b);
    }
    const std::int32_t s = std::clamp(indexOf(a), 0, m_length);
    const std::int32_t e = std::clamp(indexOf(b), s, m_length);
    const std::int32_t d = e - s;
    if (d == 0) {
        const KEPos caret = validPos(a);
        m_caretCol = caret.col;
        m_caretRow = caret.row;
        m_hasSel = false;
        if (m_hwnd != nullptr) {
            m_hwnd->placeCaret();
        }
        return true;
    }
    if (d == m_length) {
        try {
            clearTextKeepingSettings();
        } catch (const std::bad_alloc&) {
            refuse(false);
            return false;
        }
        afterEdit();
        return true;
    }

    const std::int32_t pa = m_rows[static_cast<std::size_t>(rowOfIndex(s))]->m_para;
    // The second end's paragraph, even when it stands at that paragraph's start: the LF
    // before it is deleted, so the two paragraphs become one.
    const std::int32_t pb = m_rows[static_cast<std::size_t>(rowOfIndex(e))]->m_para;
    const std::int32_t start = m_paras[static_cast<std::size_t>(pa)]->firstChar();
    const std::int32_t end = m_paras[static_cast<std::size_t>(pb)]->endChar() - d;

    // The removed run is kept aside until the new layout is accepted; putting it back needs
    // no allocation, since erasing leaves the arrays' capacity.
    std::u16string removedText;
    std::vector<CKEChar> removedChars;
    try {
        removedText.assign(m_text, static_cast<std::size_t>(s), static_cast<std::size_t>(d));
        removedChars.reserve(static_cast<std::size_t>(d));
    } catch (const std::bad_alloc&) {
        refuse(false);
        return false;
    }
    removedChars.insert(removedChars.end(), std::make_move_iterator(m_chars.begin() + s),
                        std::make_move_iterator(m_chars.begin() + e));
    m_chars.erase(m_chars.begin() + s, m_chars.begin() + e);
    m_text.erase(static_cast<std::size_t>(s), static_cast<std::size_t>(d));
    const auto restore = [&]() noexcept {
        m_text.insert(static_cast<std::size_t>(s), removedText);
        m_chars.insert(m_chars.begin() + s, std::make_move_iterator(removedChars.begin()),
                       std::make_move_iterator(removedChars.end()));
    };

    std::vector<std::unique_ptr<CKEPara>> newParas;
    try {
        const RECT rect = textRect();
        auto para = layoutRun(m_chars, pa, start, end - start, style(), rect.right - rect.left);
        if (!para) {
            restore();
            refuse(true);
            return false;
        }
        newParas.push_back(std::move(para));
        reserveForSplice(pa, pb, newParas);
    } catch (const std::bad_alloc&) {
        restore();
        refuse(false);
        return false;
    }

    m_length -= d;
    spliceParas(pa, pb, newParas, -d);

    // The first end keeps its row and column (the rows before it are laid out as before),
    // unless it stood at the end of a wrapped row that the deletion refilled.
    KEPos caret = a;
    if (caret.row >= static_cast<std::int32_t>(m_rows.size()) || indexOf(caret) != s ||
        caret.col > m_rows[static_cast<std::size_t>(caret.row)]->m_count) {
        caret = positionOfIndex(s);
    }
    caret = validPos(caret);
    m_caretCol = caret.col;
    m_caretRow = caret.row;
    m_hasSel = false;
    m_modified = true;
    afterEdit();
    return true;
}

std::optional<std::uint16_t> CKEditInfo::faceIndex(const char* name) {
    if (name == nullptr || name[0] == '\0') {
        return CKEChar::kControlFont;
    }
    const auto found = std::find(m_faceNames.begin(), m_faceNames.end(), name);
    if (found != m_faceNames.end()) {
        return static_cast<std::uint16_t>(found - m_faceNames.begin() + 1);
    }
    if (m_faceNames.size() >= std::numeric_limits<std::uint16_t>::max()) {
        return std::nullopt;
    }
    m_faceNames.emplace_back(name);
    return static_cast<std::uint16_t>(m_faceNames.size());
}

bool CKEditInfo::setFaceName(std::int32_t first, std::int32_t count, const char* faceName) {
    if (first < 0 || count < 0 || first > m_length || m_rows.empty()) {
        return false;
    }
    count = std::min(count, m_length - first);
    if (count == 0) {
        return true;
    }
    KEWaitCursor wait(m_hwnd, true);
    const std::int32_t caretIdx = caretIndex();
    const std::int32_t anchorIdx = indexOf(KEPos{m_anchorCol, m_anchorRow});
    const std::int32_t selEndIdx = indexOf(KEPos{m_selEndCol, m_selEndRow});

    // The run's new attributes, exchanged with the stored ones; exchanging again undoes it.
    std::vector<CKEChar> run;
    try {
        const std::optional<std::uint16_t> face = faceIndex(faceName);
        if (!face) {
            refuse(false);  // more distinct faces than a character can name
            return false;
        }
        run.resize(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            const auto idx = static_cast<std::size_t>(first + i);
            const char16_t ch = m_text[idx];
            CKEChar& target = run[static_cast<std::size_t>(i)];
            if (ch == kCR || ch == kLF) {
                target = m_chars[idx];
                continue;
            }
            target.m_width = measureChar(ch, faceName).cx;
            target.m_face = *face;
        }
    } catch (const std::bad_alloc&) {
        refuse(false);
        return false;
    }
    const auto exchange = [&]() noexcept {
        std::swap_ranges(run.begin(), run.end(), m_chars.begin() + first);
    };
    exchange();

    const std::int32_t pa = m_rows[static_cast<std::size_t>(rowOfIndex(first))]->m_para;
    const std::int32_t pb = m_rows[static_cast<std::size_t>(rowOfIndex(first + count - 1))]->m_para;
    std::vector<std::unique_ptr<CKEPara>> newParas;
    try {
        const RECT rect = textRect();
        const std::int32_t avail = rect.right - rect.left;
        const DWORD st = style();
        std::size_t rowTotal = m_rows.size();
        bool fits = true;
        for (std::int32_t p = pa; p <= pb && fits; ++p) {
            const CKEPara& old = *m_paras[static_cast<std::size_t>(p)];
            auto para =
                layoutRun(m_chars, p, old.firstChar(), old.endChar() - old.firstChar(), st, avail);
            if (!para) {
                fits = false;
                break;
            }
            rowTotal = rowTotal - old.m_lines.size() + para->m_lines.size();
            newParas.push_back(std::move(para));
        }
        // Wider characters must not push rows out of a view that does not scroll: the same
        // row limit as for typing.
        if (!fits || rowTotal > static_cast<std::size_t>(allowedRows())) {
            exchange();
            refuse(true);
            return false;
        }
        reserveForSplice(pa, pb, newParas);
    } catch (const std::bad_alloc&) {
        exchange();
        refuse(false);
        return false;
    }
    spliceParas(pa, pb, newParas, 0);

    const KEPos caret = validPos(positionOfIndex(caretIdx));
    m_caretCol = caret.col;
    m_caretRow = caret.row;
    if (m_hasSel) {
        const KEPos anchor = validPos(positionOfIndex(anchorIdx));
        const KEPos selEnd = validPos(positionOfIndex(selEndIdx));
        m_anchorCol = anchor.col;
        m_anchorRow = anchor.row;
        m_selEndCol = selEnd.col;
        m_selEndRow = selEnd.row;
    }
    afterEdit();
    return true;
}
