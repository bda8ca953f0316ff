// Long random edit sequences on controls of every style combination: after every step the
// layout invariants hold, the layout equals a fresh layout of the whole text, and a refused
// operation changed nothing.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "EditStateChecks.h"
#include "FakeEditHost.h"
#include "editctl/model/CKEditInfo.h"

namespace {

// The rows a fresh layout of the whole text gives, as start/count pairs.
std::string FreshRows(const CKEditInfo& info) {
    CKEditInfo fresh;
    std::string out;
    std::int32_t start = 0;
    std::int32_t paraIndex = 0;
    const auto addPara = [&](std::int32_t end) {
        auto para = info.layoutPara(paraIndex++, start, end - start);
        if (!para) {
            out += "FAIL;";
            return;
        }
        for (const auto& line : para->m_lines) {
            out += std::to_string(line->m_start) + "/" + std::to_string(line->m_count) + ";";
        }
        start = end;
    };
    for (std::int32_t i = 0; i < info.m_length; ++i) {
        if (info.m_text[static_cast<std::size_t>(i)] == u'\n') {
            addPara(i + 1);
        }
    }
    addPara(info.m_length);
    return out;
}

std::string CurrentRows(const CKEditInfo& info) {
    std::string out;
    for (const CKELine* line : info.m_rows) {
        out += std::to_string(line->m_start) + "/" + std::to_string(line->m_count) + ";";
    }
    return out;
}

class RandomEditor {
  public:
    RandomEditor(DWORD style, LONG width, LONG height, std::uint32_t seed)
        : m_host(style, width, height), m_random(seed) {
        m_fonts.m_families = {{"Known"}};
        EXPECT_TRUE(m_catalog.buildForLoad(m_fonts));
        m_host.m_catalog = &m_catalog;
        EXPECT_TRUE(m_info.reset(&m_host));
    }

    void run(int steps) {
        for (int step = 0; step < steps && !::testing::Test::HasFailure(); ++step) {
            const std::string before = Fingerprint(m_info);
            const std::size_t notes = m_host.m_notifications.size();
            const std::string what = oneStep();
            ASSERT_TRUE(LayoutIsSound(m_info)) << "after " << what << " at step " << step;
            ASSERT_EQ(CurrentRows(m_info), FreshRows(m_info)) << "after " << what;
            ASSERT_TRUE(WidthsAreMeasured()) << "after " << what;
            if (!m_lastResult) {
                ASSERT_EQ(Fingerprint(m_info), before) << "refused " << what << " changed state";
                ASSERT_GT(m_host.m_notifications.size(), notes) << "silent refusal of " << what;
            }
            ASSERT_EQ(m_host.m_waitDepth, 0);
        }
    }

    int refusals() const { return m_refusals; }

    // Every character's width is what the window measures for it under its face name.
    ::testing::AssertionResult WidthsAreMeasured() const {
        for (std::int32_t i = 0; i < m_info.m_length; ++i) {
            const char16_t ch = m_info.m_text[static_cast<std::size_t>(i)];
            const CKEChar& attr = m_info.m_chars[static_cast<std::size_t>(i)];
            LONG expected = 0;
            if (ch != u'\r' && ch != u'\n') {
                const bool known = m_info.faceName(attr) != nullptr &&
                                   std::string(m_info.faceName(attr)) == "Known";
                expected = FakeEditHost::baseWidth(ch) + (known ? 2 : 0);
            }
            if (attr.m_width != expected) {
                return ::testing::AssertionFailure() << "width of character " << i;
            }
        }
        return ::testing::AssertionSuccess();
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    std::u16string randomText() {
        static const std::u16string pieces[] = {u"a",  u"b",  u"W",  u" ",    u"\x3042", u"\r\n",
                                                u"\n", u"\r", u"\t", u"\x01", u"xyz"};
        std::u16string text;
        const int count = 1 + pick(pick(4) == 0 ? 12 : 3);
        for (int i = 0; i < count; ++i) {
            text += pieces[pick(static_cast<int>(std::size(pieces)))];
        }
        return text;
    }

    void selectRandom() {
        const std::int32_t a = pick(m_info.m_length + 1);
        const std::int32_t b = pick(m_info.m_length + 1);
        m_info.selectRange(a, b);
    }

    std::string oneStep() {
        m_lastResult = true;
        std::string what;
        switch (pick(12)) {
            case 0:
            case 1:
            case 2: {
                what = "insertText";
                m_lastResult = m_info.insertText(randomText());
                break;
            }
            case 3:
            case 4: {
                what = "deleteSelection";
                selectRandom();
                m_lastResult = m_info.deleteSelection();
                break;
            }
            case 5: {
                static const char* names[] = {"", "Known", "Unknown"};
                const std::int32_t first = pick(m_info.m_length + 1);
                const std::int32_t count = pick(m_info.m_length - first + 1);
                what = "setFaceName";
                m_lastResult = m_info.setFaceName(first, count, names[pick(3)]);
                break;
            }
            case 6:
                what = "takeSnapshot";
                if (m_info.takeSnapshot()) {
                    m_snapshotPrint = Fingerprint(m_info, false);
                }
                break;
            case 7:
                what = "undoSwap";
                if (m_info.m_undo) {
                    // The state comes back exactly as it was snapshotted, and the snapshot
                    // takes the state undone.
                    const std::string current = Fingerprint(m_info, false);
                    m_lastResult = m_info.undoSwap();
                    EXPECT_EQ(Fingerprint(m_info, false), m_snapshotPrint);
                    m_snapshotPrint = current;
                }
                break;
            case 8:
                what = "moveCaret";
                m_info.moveCaret(static_cast<KECaretStep>(pick(6)), pick(2) == 0);
                break;
            case 9:
                what = "replaceAll";
                m_lastResult = m_info.replaceAll(pick(3) == 0 ? u"" : randomText());
                break;
            case 10:
                what = "limit";
                m_info.m_limit = pick(4) == 0 ? 20 + pick(40) : CKEditInfo::kDefaultLimit;
                break;
            default:
                what = "moveCaretTo";
                m_info.moveCaretTo(KEPos{pick(8), pick(static_cast<int>(m_info.m_rows.size()))},
                                   pick(2) == 0);
                break;
        }
        if (!m_lastResult) {
            ++m_refusals;
        }
        return what;
    }

    FakeEditHost m_host;
    FakeFontEnumerator m_fonts;
    CKEFontCatalog m_catalog;
    CKEditInfo m_info;
    std::mt19937 m_random;
    bool m_lastResult = true;
    int m_refusals = 0;
    std::string m_snapshotPrint;
};

class RandomEdits : public ::testing::TestWithParam<DWORD> {};

TEST_P(RandomEdits, KeepTheLayoutSoundAndRefusalsChangeNothing) {
    const DWORD style = GetParam();
    int refusals = 0;
    // A roomy area and a tight one, where refusals are frequent.
    for (const auto& [width, height] : {std::pair<LONG, LONG>{120, 96}, {30, 40}}) {
        RandomEditor editor(style, width, height, 20261209U + style);
        editor.run(2500);
        refusals += editor.refusals();
    }
    EXPECT_GT(refusals, 0);  // the sequences did reach the refusal paths
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, RandomEdits,
                         ::testing::Values(0, ES_AUTOHSCROLL, ES_AUTOVSCROLL,
                                           ES_AUTOVSCROLL | ES_AUTOHSCROLL, ES_MULTILINE,
                                           ES_MULTILINE | ES_AUTOHSCROLL,
                                           ES_MULTILINE | ES_AUTOVSCROLL,
                                           ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL));

}  // namespace
