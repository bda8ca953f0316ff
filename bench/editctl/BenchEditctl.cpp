// Typing one character into a text of 65,520 characters, at its end and in its middle, in
// three layouts: many short paragraphs, one wrapped paragraph, one unwrapped line.
#include <benchmark/benchmark.h>

#include <string>

#include "editctl/model/CKEditInfo.h"

namespace {

constexpr std::int32_t kTextLength = 65520;

// Fixed widths of 8 pixels, rows of 16: measuring costs as little as a cached font's does.
class BenchHost : public IKEditHost {
  public:
    explicit BenchHost(DWORD style) : m_style(style) {}
    DWORD style() const override { return m_style; }
    RECT clientRect() const override { return RECT{0, 0, 640, 480}; }
    KEFontMetrics fontMetrics(HFONT) override { return KEFontMetrics{8, 16}; }
    SIZE charExtent(HFONT, const LOGFONTA*, char16_t) override { return SIZE{8, 16}; }
    const CKEFontCatalog* fontCatalog() const override { return nullptr; }
    void notifyParent(WORD) override {}
    void beep() override {}

  private:
    DWORD m_style;
};

std::u16string MakeText(bool paragraphs) {
    std::u16string text;
    text.reserve(kTextLength);
    while (static_cast<std::int32_t>(text.size()) < kTextLength) {
        const bool lineEnd = paragraphs && text.size() % 80 == 78;
        text += lineEnd ? std::u16string(u"\r\n") : std::u16string(1, u'a' + text.size() % 26);
    }
    text.resize(kTextLength);
    return text;
}

void TypeOneCharacter(benchmark::State& state, DWORD style, bool paragraphs, bool middle) {
    BenchHost host(style);
    CKEditInfo info;
    info.reset(&host);
    info.m_limit = kTextLength + 1;  // room for exactly the one character typed
    if (!info.replaceAll(MakeText(paragraphs)) || info.m_length != kTextLength) {
        state.SkipWithError("could not set up the text");
        return;
    }
    const std::int32_t at = middle ? kTextLength / 2 + 1 : kTextLength;
    for (auto _ : state) {
        state.PauseTiming();
        const KEPos pos = info.positionOfIndex(at);
        info.moveCaretTo(pos, false);
        state.ResumeTiming();
        const bool typed = info.insertText(u"x", 1);
        state.PauseTiming();
        if (!typed) {
            state.SkipWithError("insertion refused");
            break;
        }
        info.moveCaret(KECaretStep::Left, true);
        info.deleteSelection();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(info.m_rows.size());
}

constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL;

void BM_ShortParagraphsEnd(benchmark::State& s) { TypeOneCharacter(s, kMultiLine, true, false); }
void BM_ShortParagraphsMiddle(benchmark::State& s) { TypeOneCharacter(s, kMultiLine, true, true); }
void BM_WrappedParagraphEnd(benchmark::State& s) { TypeOneCharacter(s, kMultiLine, false, false); }
void BM_WrappedParagraphMiddle(benchmark::State& s) {
    TypeOneCharacter(s, kMultiLine, false, true);
}
void BM_SingleLineEnd(benchmark::State& s) { TypeOneCharacter(s, ES_AUTOHSCROLL, false, false); }
void BM_SingleLineMiddle(benchmark::State& s) { TypeOneCharacter(s, ES_AUTOHSCROLL, false, true); }

BENCHMARK(BM_ShortParagraphsEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShortParagraphsMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrappedParagraphEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WrappedParagraphMiddle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SingleLineEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SingleLineMiddle)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
