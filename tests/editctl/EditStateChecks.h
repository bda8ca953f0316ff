#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "editctl/model/CKEditInfo.h"

// Everything an operation may change, as one comparable string.
inline std::string Fingerprint(const CKEditInfo& info, bool withLimit = true) {
    std::ostringstream out;
    out << "len=" << info.m_length << " text=";
    for (char16_t ch : info.m_text) {
        out << static_cast<unsigned>(ch) << ',';
    }
    out << " chars=";
    for (const CKEChar& ch : info.m_chars) {
        out << ch.m_width << ':' << (info.faceName(ch) != nullptr ? info.faceName(ch) : "-") << ',';
    }
    out << " rows=";
    for (const CKELine* row : info.m_rows) {
        out << row->m_start << '/' << row->m_count << '/' << row->m_para << '/' << row->m_width
            << ';';
    }
    out << " paras=" << info.m_paras.size() << " caret=" << info.m_caretCol << ','
        << info.m_caretRow << " sel=" << info.m_hasSel << ':' << info.m_anchorCol << ','
        << info.m_anchorRow << ',' << info.m_selEndCol << ',' << info.m_selEndRow
        << " mod=" << info.m_modified;
    if (withLimit) {
        out << " limit=" << info.m_limit;
    }
    return out.str();
}

inline std::string RowText(const CKEditInfo& info, std::size_t row) {
    const CKELine& line = *info.m_rows.at(row);
    std::string out;
    for (std::int32_t i = 0; i < line.m_count; ++i) {
        out += static_cast<char>(info.m_text[static_cast<std::size_t>(line.m_start + i)]);
    }
    return out;
}

inline bool ValidCaretColumn(const CKEditInfo& info, std::int32_t col, std::int32_t row) {
    return row >= 0 && row < static_cast<std::int32_t>(info.m_rows.size()) && col >= 0 &&
           col <= info.rowEndColumn(row);
}

// The layout invariants: paragraphs end just after an LF or at the end, at least one
// paragraph and one row, the rows are the paragraphs' lines in order, contiguous and
// covering the text, each row's width is the sum of its characters' widths, and caret and
// selection stand on valid columns.
inline ::testing::AssertionResult LayoutIsSound(const CKEditInfo& info) {
    auto fail = [&](const std::string& what) {
        return ::testing::AssertionFailure() << what << "\n  state: " << Fingerprint(info);
    };
    if (static_cast<std::int32_t>(info.m_text.size()) != info.m_length ||
        static_cast<std::int32_t>(info.m_chars.size()) != info.m_length + 1 ||
        info.m_text.c_str()[info.m_length] != 0) {
        return fail("array sizes");
    }
    if (info.m_paras.empty() || info.m_rows.empty()) {
        return fail("no paragraph or no row");
    }
    std::size_t rowIndex = 0;
    std::int32_t next = 0;
    for (std::size_t p = 0; p < info.m_paras.size(); ++p) {
        const CKEPara& para = *info.m_paras[p];
        if (para.m_lines.empty()) {
            return fail("paragraph without rows");
        }
        for (const auto& line : para.m_lines) {
            if (rowIndex >= info.m_rows.size() || info.m_rows[rowIndex] != line.get()) {
                return fail("rows are not the paragraphs' lines at row " +
                            std::to_string(rowIndex));
            }
            if (line->m_start != next || line->m_count < 0 ||
                line->m_para != static_cast<std::int32_t>(p)) {
                return fail("row " + std::to_string(rowIndex) + " not contiguous");
            }
            std::int64_t width = 0;
            for (std::int32_t i = 0; i < line->m_count; ++i) {
                width += info.m_chars[static_cast<std::size_t>(line->m_start + i)].m_width;
            }
            if (width != line->m_width) {
                return fail("row width of row " + std::to_string(rowIndex));
            }
            next += line->m_count;
            ++rowIndex;
        }
        // A paragraph ends just after an LF, and only there; the last one holds no LF.
        const std::int32_t end = para.endChar();
        const bool last = p + 1 == info.m_paras.size();
        for (std::int32_t i = para.firstChar(); i < end; ++i) {
            const bool lf = info.m_text[static_cast<std::size_t>(i)] == u'\n';
            if (lf != (!last && i == end - 1)) {
                return fail("paragraph " + std::to_string(p) + " does not end just after LF");
            }
        }
        if (!last && end == para.firstChar()) {
            return fail("empty paragraph before the last");
        }
    }
    if (rowIndex != info.m_rows.size() || next != info.m_length) {
        return fail("rows do not cover the text");
    }
    for (std::size_t i = 0; i < info.m_chars.size(); ++i) {
        const bool lineBreak =
            i < info.m_text.size() && (info.m_text[i] == u'\r' || info.m_text[i] == u'\n');
        if ((lineBreak || i == info.m_text.size()) && info.m_chars[i].m_width != 0) {
            return fail("CR, LF or the spare entry has a width");
        }
        if (i < info.m_text.size() && info.m_text[i] < 0x20 && !lineBreak) {
            return fail("a control character was stored");
        }
        if (info.faceName(info.m_chars[i]) != nullptr &&
            info.faceName(info.m_chars[i])[0] == '\0') {
            return fail("an empty face name was stored");
        }
    }
    if (!ValidCaretColumn(info, info.m_caretCol, info.m_caretRow)) {
        return fail("caret on an invalid column");
    }
    if (info.m_hasSel &&
        (!ValidCaretColumn(info, info.m_anchorCol, info.m_anchorRow) ||
         info.m_selEndCol != info.m_caretCol || info.m_selEndRow != info.m_caretRow)) {
        return fail("selection ends invalid");
    }
    return ::testing::AssertionSuccess();
}
