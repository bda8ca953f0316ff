// Caret steps at row and paragraph ends: the caret never stands between CR and LF.
#include <gtest/gtest.h>

#include "EditStateChecks.h"
#include "FakeEditHost.h"
#include "editctl/model/CKEditInfo.h"

namespace {

struct Control {
    explicit Control(DWORD style, LONG width = 200) : host(style, width, 160) {
        EXPECT_TRUE(info.reset(&host));
    }
    KEPos caret() const { return KEPos{info.m_caretCol, info.m_caretRow}; }
    KEPos step(KECaretStep s, bool extend = false) {
        info.moveCaret(s, extend);
        EXPECT_TRUE(LayoutIsSound(info));
        return caret();
    }

    FakeEditHost host;
    CKEditInfo info;
};

constexpr DWORD kMulti = ES_MULTILINE | ES_AUTOVSCROLL;

TEST(CaretSteps, RightStepsOverCrLfAsOneAndLeftComesBackBeforeIt) {
    Control c(kMulti);
    ASSERT_TRUE(c.info.insertText(u"ab\r\ncd"));
    c.info.moveCaretTo(KEPos{1, 0}, false);
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{2, 0}));  // before the CR
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{0, 1}));  // over CR LF at once
    EXPECT_EQ(c.step(KECaretStep::Left), (KEPos{2, 0}));   // back before the CR
    EXPECT_EQ(c.step(KECaretStep::End), (KEPos{2, 0}));
    EXPECT_EQ(c.step(KECaretStep::Home), (KEPos{0, 0}));
    EXPECT_EQ(c.step(KECaretStep::Left), (KEPos{0, 0}));  // nothing before the start
    c.info.moveCaretTo(KEPos{2, 1}, false);
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{2, 1}));  // nothing after the end
    EXPECT_EQ(c.step(KECaretStep::End), (KEPos{2, 1}));
}

TEST(CaretSteps, LoneLfAndLoneCrAreSteppedLikeCharacters) {
    Control c(kMulti);
    ASSERT_TRUE(c.info.insertText(u"a\nb\rc"));
    c.info.moveCaretTo(KEPos{0, 0}, false);
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{1, 0}));  // before the LF
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{0, 1}));
    EXPECT_EQ(c.step(KECaretStep::Left), (KEPos{1, 0}));  // before the lone LF, not before 'a'
    EXPECT_EQ(c.step(KECaretStep::End), (KEPos{1, 0}));
    c.info.moveCaretTo(KEPos{1, 1}, false);                // before the lone CR
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{2, 1}));  // a lone CR is one character
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{3, 1}));
}

TEST(CaretSteps, WrappedRowsContinueIntoEachOther) {
    Control c(kMulti, 24);  // three letters per row
    ASSERT_TRUE(c.info.insertText(u"abcdefg"));
    ASSERT_EQ(c.info.m_rows.size(), 3U);
    c.info.moveCaretTo(KEPos{1, 0}, false);
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{2, 0}));
    EXPECT_EQ(c.step(KECaretStep::Right), (KEPos{0, 1}));  // the row's end is the next start
    EXPECT_EQ(c.step(KECaretStep::Left), (KEPos{2, 0}));   // before the row's last character
    EXPECT_EQ(c.step(KECaretStep::End), (KEPos{3, 0}));
    c.info.moveCaretTo(KEPos{0, 2}, false);
    EXPECT_EQ(c.step(KECaretStep::End), (KEPos{1, 2}));
}

TEST(CaretSteps, UpAndDownKeepTheCaretsX) {
    Control c(kMulti);
    // Row 0: "WWa" (20 20 8), row 1: "abcdefgh", row 2: "ab" + CR LF, row 3: empty.
    ASSERT_TRUE(c.info.insertText(u"WWa\r\nabcdefgh\r\nab\r\n"));
    c.info.moveCaretTo(KEPos{2, 1}, false);               // x = 16
    EXPECT_EQ(c.step(KECaretStep::Up), (KEPos{0, 0}));    // 'W' ends at 20 > 16
    EXPECT_EQ(c.step(KECaretStep::Up), (KEPos{0, 0}));    // nothing above the first row
    c.info.moveCaretTo(KEPos{5, 1}, false);               // x = 40
    EXPECT_EQ(c.step(KECaretStep::Up), (KEPos{2, 0}));    // before 'a' (ends at 48)
    c.info.moveCaretTo(KEPos{7, 1}, false);               // x = 56: beyond row 0 and row 2
    EXPECT_EQ(c.step(KECaretStep::Down), (KEPos{2, 2}));  // the row's end, before CR LF
    EXPECT_EQ(c.step(KECaretStep::Down), (KEPos{0, 3}));
    EXPECT_EQ(c.step(KECaretStep::Down), (KEPos{0, 3}));  // nothing below the last row
    c.info.moveCaretTo(KEPos{8, 1}, false);
    EXPECT_EQ(c.step(KECaretStep::Up), (KEPos{3, 0}));  // row end: the CR's column
}

TEST(CaretSteps, SingleLineUpAndDownAreLeftAndRightWithoutExtending) {
    Control c(ES_AUTOHSCROLL);
    ASSERT_TRUE(c.info.insertText(u"abc"));
    c.info.moveCaretTo(KEPos{1, 0}, false);
    EXPECT_EQ(c.step(KECaretStep::Down), (KEPos{2, 0}));
    c.info.moveCaret(KECaretStep::Left, true);
    ASSERT_TRUE(c.info.m_hasSel);
    EXPECT_EQ(c.step(KECaretStep::Up, true), (KEPos{0, 0}));
    EXPECT_FALSE(c.info.m_hasSel);
}

TEST(CaretSteps, ShiftExtendsFromTheCaretAndAPlainStepClears) {
    Control c(kMulti);
    ASSERT_TRUE(c.info.insertText(u"ab\r\ncd"));
    c.info.moveCaretTo(KEPos{1, 0}, false);
    c.step(KECaretStep::Right, true);
    c.step(KECaretStep::Right, true);
    ASSERT_TRUE(c.info.m_hasSel);
    EXPECT_EQ((KEPos{c.info.m_anchorCol, c.info.m_anchorRow}), (KEPos{1, 0}));
    EXPECT_EQ((KEPos{c.info.m_selEndCol, c.info.m_selEndRow}), (KEPos{0, 1}));
    std::int32_t first = 0;
    std::int32_t count = 0;
    ASSERT_TRUE(c.info.getSelection(first, count));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(count, 3);  // "b", CR, LF
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"acd");
    c.step(KECaretStep::End, true);
    EXPECT_TRUE(c.info.m_hasSel);
    c.step(KECaretStep::Home);
    EXPECT_FALSE(c.info.m_hasSel);
    EXPECT_GT(c.host.m_caretPlacements, 0);
}

TEST(CaretSteps, BackspaceAndDeleteSelectionsTakeCrLfWhole) {
    Control c(kMulti);
    ASSERT_TRUE(c.info.insertText(u"ab\r\ncd"));
    c.info.moveCaretTo(KEPos{0, 1}, false);
    c.info.moveCaret(KECaretStep::Left, true);  // as Backspace selects
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"abcd");
    EXPECT_EQ(c.caret(), (KEPos{2, 0}));
    ASSERT_TRUE(c.info.insertText(u"\r\n"));
    c.info.moveCaretTo(KEPos{2, 0}, false);
    c.info.moveCaret(KECaretStep::Right, true);  // as Delete selects
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"abcd");
}

TEST(CaretSteps, SelectRangeNeverEndsBetweenCrAndLf) {
    Control c(kMulti);
    ASSERT_TRUE(c.info.insertText(u"ab\r\ncd"));
    c.info.selectRange(0, 3);  // index 3 lies between CR and LF
    EXPECT_EQ(c.caret(), (KEPos{2, 0}));
    EXPECT_TRUE(LayoutIsSound(c.info));
    c.info.selectRange(-5, 100);  // held within the text
    EXPECT_EQ((KEPos{c.info.m_anchorCol, c.info.m_anchorRow}), (KEPos{0, 0}));
    EXPECT_EQ(c.caret(), (KEPos{2, 1}));
}

}  // namespace
