// Runs the bytes as a sequence of edit operations on a KEDIT state and traps as soon as the
// layout stops describing the text or a refused operation changed anything.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "editctl/model/CKEFontCatalog.h"
#include "editctl/model/CKEditInfo.h"
#include "editctl/model/KEClipboardText.h"
#include "editctl/model/KEHitTest.h"

namespace {

class FuzzHost : public IKEditHost {
  public:
    FuzzHost(DWORD style, LONG width, LONG height)
        : m_style(style), m_client{0, 0, width, height} {}
    DWORD style() const override { return m_style; }
    RECT clientRect() const override { return m_client; }
    KEFontMetrics fontMetrics(HFONT) override { return KEFontMetrics{6, 12}; }
    SIZE charExtent(HFONT, const LOGFONTA* face, char16_t ch) override {
        return SIZE{static_cast<LONG>(ch % 13) + (face != nullptr ? 3 : 0), 12};
    }
    const CKEFontCatalog* fontCatalog() const override { return m_catalog; }
    void notifyParent(WORD) override { ++m_notes; }
    void beep() override {}

    const CKEFontCatalog* m_catalog = nullptr;
    int m_notes = 0;

  private:
    DWORD m_style;
    RECT m_client;
};

class KnownFont : public IKEFontEnumerator {
  public:
    void enumFamilies(KEFamilyProc proc, LPARAM record) override {
        LOGFONTA font{};
        std::string("Known").copy(font.lfFaceName, LF_FACESIZE - 1);
        const TEXTMETRICA metric{};
        proc(&font, &metric, TRUETYPE_FONTTYPE, record);
    }
    void enumStyles(const char*, KEStyleProc, LPARAM) override {}
};

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

std::string State(const CKEditInfo& info) {
    std::string out(reinterpret_cast<const char*>(info.m_text.data()), info.m_text.size() * 2);
    for (const CKEChar& ch : info.m_chars) {
        out +=
            std::to_string(ch.m_width) + (info.faceName(ch) != nullptr ? info.faceName(ch) : "-");
    }
    for (const CKELine* row : info.m_rows) {
        out += std::to_string(row->m_start) + '/' + std::to_string(row->m_count) + '/' +
               std::to_string(row->m_width) + ';';
    }
    out += std::to_string(info.m_caretCol) + ',' + std::to_string(info.m_caretRow) + ',' +
           std::to_string(info.m_hasSel) + std::to_string(info.m_anchorCol) + ',' +
           std::to_string(info.m_anchorRow) + std::to_string(info.m_modified);
    return out;
}

void CheckLayout(const CKEditInfo& info) {
    Check(!info.m_paras.empty() && !info.m_rows.empty());
    Check(static_cast<std::int32_t>(info.m_chars.size()) == info.m_length + 1);
    std::size_t row = 0;
    std::int32_t next = 0;
    for (std::size_t p = 0; p < info.m_paras.size(); ++p) {
        for (const auto& line : info.m_paras[p]->m_lines) {
            Check(row < info.m_rows.size() && info.m_rows[row] == line.get());
            Check(line->m_start == next && line->m_para == static_cast<std::int32_t>(p));
            next += line->m_count;
            ++row;
        }
        const bool last = p + 1 == info.m_paras.size();
        for (std::int32_t i = info.m_paras[p]->firstChar(); i < next; ++i) {
            Check((info.m_text[static_cast<std::size_t>(i)] == u'\n') == (!last && i == next - 1));
        }
    }
    Check(row == info.m_rows.size() && next == info.m_length);
    Check(info.m_caretCol >= 0 && info.m_caretCol <= info.rowEndColumn(info.m_caretRow));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    static const DWORD styles[] = {0, ES_AUTOHSCROLL, ES_MULTILINE, ES_MULTILINE | ES_AUTOVSCROLL,
                                   ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL};
    KnownFont fonts;
    CKEFontCatalog catalog;
    catalog.buildForLoad(fonts);
    FuzzHost host(styles[data[0] % 5], 8 + data[1], 8 + data[2]);
    host.m_catalog = &catalog;
    CKEditInfo info;
    info.reset(&host);
    info.m_limit = 400;
    std::size_t pos = 3;
    const auto next = [&]() -> std::uint8_t { return pos < size ? data[pos++] : 0; };
    while (pos < size) {
        std::string before = State(info);
        const int notes = host.m_notes;
        bool ok = true;
        switch (next() % 11) {
            case 0:
            case 1: {
                std::u16string text;
                for (int n = next() % 8; n > 0; --n) {
                    const std::uint8_t b = next();
                    text += b < 32 ? static_cast<char16_t>(b % 16) : static_cast<char16_t>(b * 37);
                }
                ok = info.insertText(text);
                break;
            }
            case 2:
                info.selectRange(next() % (info.m_length + 1), next() % (info.m_length + 1));
                before = State(info);  // a refused deletion keeps the selection just made
                ok = info.deleteSelection();
                break;
            case 3: {
                static const char* names[] = {"", "Known", "Other"};
                ok = info.setFaceName(next() % (info.m_length + 1), next(), names[next() % 3]);
                break;
            }
            case 4:
                info.takeSnapshot();
                break;
            case 5:
                if (info.m_undo) {
                    info.undoSwap();
                }
                break;
            case 6:
                info.moveCaret(static_cast<KECaretStep>(next() % 6), (next() & 1) != 0);
                break;
            case 7: {
                // A click anywhere, 16-bit coordinates as the mouse messages carry them.
                const auto x = static_cast<std::int16_t>(next() << 8 | next());
                const auto y = static_cast<std::int16_t>(next() << 8 | next());
                const KEPos at = kehit::PositionAtPoint(info, x, y);
                Check(at.row >= 0 && at.row < static_cast<std::int32_t>(info.m_rows.size()));
                Check(at.col >= 0 && at.col <= info.rowEndColumn(at.row));
                info.moveCaretTo(at, (next() & 1) != 0);
                break;
            }
            case 8: {
                const kehit::KEWordBounds word =
                    kehit::WordAt(info, KEPos{info.m_caretCol, info.m_caretRow});
                Check(word.start.row == word.end.row && word.start.col <= word.end.col);
                Check(word.end.col <= info.rowEndColumn(word.end.row));
                break;
            }
            case 9: {
                // Pasted bytes from another program, in either format.
                const bool unicode = (next() & 1) != 0;
                const std::size_t wanted = next();
                const std::size_t n = std::min(wanted, size - pos);
                const std::u16string text = unicode ? keclip::FromUnicodeBlock(data + pos, n)
                                                    : keclip::FromAnsiBlock(data + pos, n);
                pos += n;
                ok = info.insertText(text);
                break;
            }
            default:
                ok = info.replaceAll(u"ab\r\ncd\nef\rg");
                break;
        }
        CheckLayout(info);
        if (!ok) {
            Check(State(info) == before && host.m_notes > notes);
        }
    }
    return 0;
}
