// The edit state's operations at their edges, with a window of fixed character widths.
#include <gtest/gtest.h>

#include <string>

#include "EditStateChecks.h"
#include "FakeEditHost.h"
#include "editctl/model/CKEditInfo.h"

namespace {

constexpr DWORD kMulti = ES_MULTILINE;
constexpr DWORD kMultiScroll = ES_MULTILINE | ES_AUTOVSCROLL;

struct Control {
    explicit Control(DWORD style, LONG width = 200, LONG height = 160)
        : host(style, width, height) {
        EXPECT_TRUE(info.reset(&host));
    }
    bool type(std::u16string_view text) { return info.insertText(text); }
    bool refusedWithBeep() const {
        return host.m_notifications == std::vector<WORD>{EN_MAXTEXT} && host.m_beeps == 1;
    }

    FakeEditHost host;
    CKEditInfo info;
};

TEST(EditStateReset, GivesTheEmptyTextWithOneParagraphAndOneEmptyRow) {
    Control c(kMulti);
    EXPECT_EQ(c.info.m_length, 0);
    EXPECT_EQ(c.info.m_text.c_str()[0], u'\0');
    ASSERT_EQ(c.info.m_paras.size(), 1U);
    ASSERT_EQ(c.info.m_rows.size(), 1U);
    EXPECT_EQ(c.info.m_rows[0]->m_count, 0);
    EXPECT_EQ(c.info.m_limit, 30000);
    EXPECT_EQ(c.info.m_font, nullptr);
    EXPECT_FALSE(c.info.m_modified);
    EXPECT_FALSE(c.info.m_undo);
    EXPECT_EQ(c.info.m_hwnd, &c.host);
    EXPECT_TRUE(LayoutIsSound(c.info));

    // A second reset drops text, settings and the snapshot.
    c.info.m_limit = 10;
    ASSERT_TRUE(c.type(u"abc"));
    ASSERT_TRUE(c.info.takeSnapshot());
    ASSERT_TRUE(c.info.reset(&c.host));
    EXPECT_EQ(c.info.m_length, 0);
    EXPECT_EQ(c.info.m_limit, 30000);
    EXPECT_FALSE(c.info.m_undo);
    EXPECT_FALSE(c.info.m_modified);
}

TEST(EditStateInsert, TwoLettersCrLfAndALetterMakeTwoParagraphs) {
    Control c(kMulti);
    ASSERT_TRUE(c.type(u"ab\r\nc"));
    ASSERT_EQ(c.info.m_paras.size(), 2U);
    ASSERT_EQ(c.info.m_rows.size(), 2U);
    EXPECT_EQ(c.info.m_paras[0]->m_lines.size(), 1U);
    EXPECT_EQ(c.info.m_rows[0]->m_count, 4);
    EXPECT_EQ(c.info.m_rows[0]->m_width, 16);
    EXPECT_EQ(c.info.m_rows[1]->m_count, 1);
    EXPECT_EQ(c.info.m_rows[1]->m_para, 1);
    EXPECT_EQ(c.info.m_caretCol, 1);
    EXPECT_EQ(c.info.m_caretRow, 1);
    EXPECT_TRUE(c.info.m_modified);
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateInsert, TextEndingWithLfGetsAnEmptyLastParagraph) {
    Control c(kMulti);
    ASSERT_TRUE(c.type(u"ab\r\n"));
    ASSERT_EQ(c.info.m_paras.size(), 2U);
    EXPECT_EQ(c.info.m_rows[1]->m_count, 0);
    EXPECT_EQ(c.info.m_rows[1]->m_start, 4);
    EXPECT_EQ(c.info.m_caretRow, 1);
    EXPECT_EQ(c.info.m_caretCol, 0);
    // Typing into the middle paragraph keeps the empty last one.
    c.info.moveCaretTo(KEPos{1, 0}, false);
    ASSERT_TRUE(c.type(u"\r\n"));
    EXPECT_EQ(c.info.m_text, u"a\r\nb\r\n");
    EXPECT_EQ(c.info.m_paras.size(), 3U);
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{0, 1}));
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateInsert, SingleLineKeepsOnlyTheTextBeforeTheFirstCr) {
    Control c(ES_AUTOHSCROLL);
    ASSERT_TRUE(c.type(u"abc\r\ndef"));
    EXPECT_EQ(c.info.m_text, u"abc");
    EXPECT_EQ(c.info.m_paras.size(), 1U);
    EXPECT_EQ(c.info.m_caretCol, 3);
    // Text that starts with CR inserts nothing and changes nothing.
    const std::string before = Fingerprint(c.info);
    EXPECT_TRUE(c.type(u"\r\nxyz"));
    EXPECT_EQ(Fingerprint(c.info), before);
}

TEST(EditStateInsert, ControlCharactersBecomeSpacesButCrAndLfStay) {
    Control c(kMultiScroll);
    ASSERT_TRUE(
        c.type(u"a\tb\x01"
               u"c\x7F\x85\x2028\r"));
    EXPECT_EQ(c.info.m_text, u"a b c   \r");
    EXPECT_EQ(c.info.m_chars[1].m_width, 4);  // a space's width, not a tab's
    EXPECT_EQ(c.info.m_chars[8].m_width, 0);  // the lone CR
    // A lone CR ends no paragraph; a lone LF does.
    EXPECT_EQ(c.info.m_paras.size(), 1U);
    ASSERT_TRUE(c.type(u"x\ny"));
    EXPECT_EQ(c.info.m_paras.size(), 2U);
    EXPECT_EQ(c.info.m_rows[0]->m_count, 11);
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateInsert, InsertedTextNeverTakesANeighboursFont) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"abcd"));
    ASSERT_TRUE(c.info.setFaceName(0, 4, "Unknown Face"));
    c.info.moveCaretTo(KEPos{2, 0}, false);
    ASSERT_TRUE(c.type(u"X"));
    EXPECT_EQ(c.info.faceNameAt(2), nullptr);
    EXPECT_STREQ(c.info.faceNameAt(1), "Unknown Face");
    EXPECT_STREQ(c.info.faceNameAt(3), "Unknown Face");
}

TEST(EditStateInsert, RowsBreakBeforeTheCharacterThatWouldOverflow) {
    // Text area 50 pixels: six 8-pixel letters fill 48, the seventh starts a new row.
    Control c(kMultiScroll, 50, 160);
    ASSERT_TRUE(c.type(u"abcdefgh\r\nW"));
    ASSERT_EQ(c.info.m_rows.size(), 3U);
    EXPECT_EQ(RowText(c.info, 0), "abcdef");
    EXPECT_EQ(c.info.m_rows[0]->m_width, 48);
    EXPECT_EQ(RowText(c.info, 1), "gh\r\n");  // the CR LF stays on the paragraph's last row
    EXPECT_EQ(c.info.m_rows[1]->m_para, 0);
    EXPECT_EQ(RowText(c.info, 2), "W");
    EXPECT_TRUE(LayoutIsSound(c.info));

    // Exactly filling the width still fits.
    Control exact(kMultiScroll, 48, 160);
    ASSERT_TRUE(exact.type(u"abcdef"));
    EXPECT_EQ(exact.info.m_rows.size(), 1U);
}

TEST(EditStateInsert, ACharacterWiderThanTheTextAreaIsRefused) {
    Control c(kMultiScroll, 18, 160);
    ASSERT_TRUE(c.type(u"ab"));
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.type(u"W"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
}

TEST(EditStateInsert, SingleLineWithoutAutoHScrollRefusesTextWiderThanTheArea) {
    Control c(0, 40, 20);
    ASSERT_TRUE(c.type(u"abcde"));  // 40 pixels: fits exactly
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.type(u"f"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
    // With ES_AUTOHSCROLL a single line grows without limit.
    Control scrolling(ES_AUTOHSCROLL, 40, 20);
    ASSERT_TRUE(scrolling.type(u"abcdefghijklmnop"));
    EXPECT_EQ(scrolling.info.m_rows.size(), 1U);
    EXPECT_EQ(scrolling.info.m_rows[0]->m_width, 128);
}

TEST(EditStateInsert, MultiLineWithoutAutoVScrollRefusesMoreRowsThanFit) {
    Control c(kMulti, 200, 48);  // three rows of 16 pixels
    ASSERT_TRUE(c.type(u"a\r\nb\r\nc"));
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.type(u"\r\n"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
    // With ES_AUTOVSCROLL the same text may grow.
    Control scrolling(kMultiScroll, 200, 48);
    ASSERT_TRUE(scrolling.type(u"a\r\nb\r\nc\r\nd\r\ne"));
    EXPECT_EQ(scrolling.info.m_rows.size(), 5U);
}

TEST(EditStateInsert, TextAreaLowerThanOneRowStillAllowsOneRow) {
    Control c(kMulti, 200, 10);
    EXPECT_TRUE(c.type(u"abc"));
    c.host.clearRecords();
    EXPECT_FALSE(c.type(u"\r\n"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(c.info.m_text, u"abc");
}

TEST(EditStateInsert, LimitRefusesTheWholeInsertion) {
    Control c(kMultiScroll);
    c.info.m_limit = 5;
    ASSERT_TRUE(c.type(u"abcd"));
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.type(u"ef"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
    EXPECT_TRUE(c.type(u"e"));  // exactly at the limit
    EXPECT_EQ(c.info.m_length, 5);
}

TEST(EditStateInsert, HostLimitIsHeldAtTheMaximum) {
    Control c(kMultiScroll);
    c.info.setLimit(0xFFFFFFFFU);
    EXPECT_EQ(c.info.m_limit, 65520);
    c.info.setLimit(3);
    EXPECT_EQ(c.info.m_limit, 3);
    EXPECT_TRUE(c.type(u"abc"));
    EXPECT_FALSE(c.type(u"d"));
}

TEST(EditStateInsert, WaitCursorCoversInsertionsOfMoreThanThreeCharacters) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"abc"));
    EXPECT_EQ(c.host.m_waitShown, 0);
    ASSERT_TRUE(c.type(u"defg"));
    EXPECT_EQ(c.host.m_waitShown, 1);
    c.info.m_limit = 7;
    EXPECT_FALSE(c.type(u"hijk"));  // also while refusing
    EXPECT_EQ(c.host.m_waitShown, 2);
    EXPECT_EQ(c.host.m_waitDepth, 0);
}

TEST(EditStateDelete, NoSelectionIsSuccessWithoutChange) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"abc"));
    c.info.m_modified = false;
    const std::string before = Fingerprint(c.info);
    EXPECT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(Fingerprint(c.info), before);
}

TEST(EditStateDelete, ASelectionOverThreeParagraphsLeavesOneParagraph) {
    Control c(kMultiScroll, 50, 160);
    ASSERT_TRUE(c.type(u"ab\r\ncd\r\nef\r\nghijklmnop\r\nq"));
    ASSERT_EQ(c.info.m_paras.size(), 5U);
    const std::size_t rowsBefore = c.info.m_rows.size();
    // From after "a" (paragraph 0) to after "e" (paragraph 2).
    c.info.selectRange(1, 9);
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"af\r\nghijklmnop\r\nq");
    ASSERT_EQ(c.info.m_paras.size(), 3U);
    EXPECT_EQ(c.info.m_rows.size(), rowsBefore - 2);
    EXPECT_EQ(RowText(c.info, 0), "af\r\n");
    // The later rows keep their text and move back.
    EXPECT_EQ(RowText(c.info, 1), "ghijkl");
    EXPECT_EQ(RowText(c.info, 2), "mnop\r\n");
    EXPECT_EQ(c.info.m_rows[2]->m_para, 1);
    EXPECT_EQ(RowText(c.info, 3), "q");
    EXPECT_EQ(c.info.m_rows[3]->m_para, 2);
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{1, 0}));
    EXPECT_FALSE(c.info.m_hasSel);
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateDelete, ASelectionEndingAtAParagraphStartJoinsTheParagraphs) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"ab\r\ncd"));
    c.info.selectRange(1, 4);  // "b\r\n": the second end is column 0 of the second paragraph
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"acd");
    EXPECT_EQ(c.info.m_paras.size(), 1U);
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateDelete, DeletionThatJoinsCrAndLfPutsTheCaretBeforeTheCr) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"a\rX\nb"));
    c.info.selectRange(2, 3);
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_text, u"a\r\nb");
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{1, 0}));
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateDelete, JoiningTooWideForASingleLineIsRefusedAndNothingChanges) {
    // A lone LF from outside splits a single-line control's text into two paragraphs (the
    // area must be two rows high for them).
    Control c(0, 40, 40);
    ASSERT_TRUE(c.type(u"abc\ndef"));
    ASSERT_EQ(c.info.m_paras.size(), 2U);
    c.info.selectRange(3, 4);
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.info.deleteSelection());
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
}

TEST(EditStateDelete, DeletingTheWholeTextKeepsLimitAndUndoAndMarksModified) {
    Control c(kMultiScroll | WS_BORDER);
    c.info.computeMargins();
    c.info.m_limit = 100;
    ASSERT_TRUE(c.type(u"ab\r\ncd"));
    ASSERT_TRUE(c.info.takeSnapshot());
    c.info.m_modified = false;
    c.info.m_marginX = c.info.m_marginY = 0;
    c.info.selectAll();
    ASSERT_TRUE(c.info.deleteSelection());
    EXPECT_EQ(c.info.m_length, 0);
    EXPECT_EQ(c.info.m_paras.size(), 1U);
    EXPECT_EQ(c.info.m_limit, 100);
    EXPECT_TRUE(c.info.m_modified);
    EXPECT_EQ(c.info.m_marginY, 2);  // computed again from the 16-pixel font
    EXPECT_EQ(c.info.m_marginX, 4);
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{0, 0}));
    EXPECT_TRUE(LayoutIsSound(c.info));
    ASSERT_TRUE(c.info.undoSwap());
    EXPECT_EQ(c.info.m_text, u"ab\r\ncd");
}

TEST(EditStateUndo, TwoUndosReturnToTheStateBeforeTheFirst) {
    Control c(kMultiScroll);
    EXPECT_FALSE(c.info.undoSwap());  // no snapshot yet
    ASSERT_TRUE(c.type(u"abc"));
    c.info.m_modified = false;
    ASSERT_TRUE(c.info.takeSnapshot());
    ASSERT_TRUE(c.type(u"\r\ndef"));
    const std::string after = Fingerprint(c.info);
    ASSERT_TRUE(c.info.undoSwap());
    EXPECT_EQ(c.info.m_text, u"abc");
    EXPECT_FALSE(c.info.m_modified);  // the flag travels with the state
    EXPECT_EQ(c.info.m_caretCol, 3);
    EXPECT_TRUE(LayoutIsSound(c.info));
    ASSERT_TRUE(c.info.undoSwap());
    EXPECT_EQ(Fingerprint(c.info), after);
    EXPECT_TRUE(LayoutIsSound(c.info));
}

TEST(EditStateUndo, UndoKeepsTheWindowsFontAndLimit) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.info.takeSnapshot());
    ASSERT_TRUE(c.type(u"abc"));
    LOGFONTA font{};
    HFONT handle = reinterpret_cast<HFONT>(&font);
    c.info.m_font = handle;
    c.info.m_limit = 10;
    ASSERT_TRUE(c.info.undoSwap());
    EXPECT_EQ(c.info.m_length, 0);
    EXPECT_EQ(c.info.m_font, handle);
    EXPECT_EQ(c.info.m_limit, 10);
}

TEST(EditStateCopy, CopyIsIndependentAndLeavesTheTargetsSnapshot) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"ab\r\ncd"));
    ASSERT_TRUE(c.info.setFaceName(0, 2, "Face"));
    c.info.selectRange(1, 5);
    CKEditInfo target;
    ASSERT_TRUE(target.reset(nullptr));
    ASSERT_TRUE(target.takeSnapshot());
    const CKEditInfo* snapshot = target.m_undo.get();
    ASSERT_TRUE(c.info.copyTo(target));
    EXPECT_EQ(Fingerprint(target), Fingerprint(c.info));
    EXPECT_EQ(target.m_undo.get(), snapshot);
    EXPECT_TRUE(LayoutIsSound(target));
    EXPECT_NE(target.m_rows[0], c.info.m_rows[0]);
    ASSERT_TRUE(target.setFaceName(0, 1, "Other"));  // a new face in the copy's own table
    target.m_rows[0]->m_width = 999;
    EXPECT_STREQ(c.info.faceNameAt(0), "Face");
    EXPECT_STREQ(target.faceNameAt(0), "Other");
    EXPECT_NE(c.info.m_rows[0]->m_width, 999);
}

TEST(EditStateReplaceAll, ReplacesTheTextAndPutsTheCaretAtTheStart) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"old text"));
    ASSERT_TRUE(c.info.replaceAll(u"new\r\ntext"));
    EXPECT_EQ(c.info.m_text, u"new\r\ntext");
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{0, 0}));
    EXPECT_FALSE(c.info.m_hasSel);
    EXPECT_TRUE(LayoutIsSound(c.info));
    ASSERT_TRUE(c.info.replaceAll(u""));
    EXPECT_EQ(c.info.m_length, 0);
}

TEST(EditStateReplaceAll, RefusedTextRestoresTheOldState) {
    Control c(kMultiScroll);
    c.info.m_limit = 6;
    ASSERT_TRUE(c.type(u"abc"));
    c.info.moveCaretTo(KEPos{1, 0}, false);
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.info.replaceAll(u"1234567"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
    // The host's limit survives the deletion inside replaceAll.
    EXPECT_TRUE(c.info.replaceAll(u"123456"));
    EXPECT_EQ(c.info.m_limit, 6);
}

TEST(EditStateReplaceAll, SingleLineCutsAtTheFirstCr) {
    Control c(ES_AUTOHSCROLL);
    ASSERT_TRUE(c.info.replaceAll(u"one\r\ntwo"));
    EXPECT_EQ(c.info.m_text, u"one");
}

TEST(EditStateFaceName, UnknownNameIsStoredButMeasuredInTheControlFont) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"ab\r\nc"));
    c.info.m_modified = false;
    ASSERT_TRUE(c.info.setFaceName(0, 5, "Nowhere"));
    for (int i : {0, 1, 4}) {
        EXPECT_STREQ(c.info.faceNameAt(i), "Nowhere");
        EXPECT_EQ(c.info.m_chars[static_cast<std::size_t>(i)].m_width, 8);
    }
    EXPECT_EQ(c.info.faceNameAt(2), nullptr);  // CR and LF keep no face name
    EXPECT_EQ(c.info.faceNameAt(3), nullptr);
    EXPECT_TRUE(c.host.m_faceHeights.empty());
    EXPECT_FALSE(c.info.m_modified);
    EXPECT_FALSE(c.info.m_undo);
}

TEST(EditStateFaceName, KnownNameMeasuresInTheCatalogueFontAtTheControlsHeight) {
    FakeFontEnumerator fonts;
    fonts.m_families = {{"Gothic"}};
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    Control c(kMultiScroll, 25, 160);
    c.host.m_catalog = &catalog;
    ASSERT_TRUE(c.type(u"abc"));
    c.info.selectRange(1, 3);
    ASSERT_TRUE(c.info.setFaceName(0, 3, "Gothic"));
    EXPECT_EQ(c.info.m_chars[0].m_width, 10);
    EXPECT_EQ(c.host.m_faceHeights, (std::vector<LONG>{-16, -16, -16}));
    EXPECT_EQ(c.host.m_faceWidths, (std::vector<LONG>{0, 0, 0}));
    // A 25-pixel area holds two 10-pixel characters: the paragraph is laid out again.
    ASSERT_EQ(c.info.m_rows.size(), 2U);
    EXPECT_EQ(RowText(c.info, 1), "c");
    // Caret and selection keep their character indexes.
    std::int32_t first = 0;
    std::int32_t count = 0;
    ASSERT_TRUE(c.info.getSelection(first, count));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(c.info.caretIndex(), 3);
    EXPECT_TRUE(LayoutIsSound(c.info));

    // An empty name takes the face name away and measures in the control font again.
    ASSERT_TRUE(c.info.setFaceName(0, 3, ""));
    EXPECT_EQ(c.info.faceNameAt(0), nullptr);
    EXPECT_EQ(c.info.m_chars[0].m_width, 8);
    EXPECT_EQ(c.info.m_rows.size(), 1U);
}

TEST(EditStateFaceName, RowsBeyondTheViewAreRefusedAndNothingChanges) {
    FakeFontEnumerator fonts;
    fonts.m_families = {{"Wide"}};
    CKEFontCatalog catalog;
    ASSERT_TRUE(catalog.buildForLoad(fonts));
    Control c(kMulti, 24, 16);  // one row of three 8-pixel letters
    c.host.m_catalog = &catalog;
    ASSERT_TRUE(c.type(u"abc"));
    const std::string before = Fingerprint(c.info);
    c.host.clearRecords();
    EXPECT_FALSE(c.info.setFaceName(0, 3, "Wide"));
    EXPECT_TRUE(c.refusedWithBeep());
    EXPECT_EQ(Fingerprint(c.info), before);
    // With ES_AUTOVSCROLL the wider text may take a second row.
    c.host.m_style = kMultiScroll;
    EXPECT_TRUE(c.info.setFaceName(0, 3, "Wide"));
    EXPECT_EQ(c.info.m_rows.size(), 2U);
}

TEST(EditStateFaceName, OutOfRangeRunsAreRejectedOrCut) {
    Control c(kMultiScroll);
    ASSERT_TRUE(c.type(u"abc"));
    EXPECT_FALSE(c.info.setFaceName(-1, 2, "X"));
    EXPECT_FALSE(c.info.setFaceName(4, 1, "X"));
    EXPECT_TRUE(c.info.setFaceName(2, 100, "X"));
    EXPECT_STREQ(c.info.faceNameAt(2), "X");
    EXPECT_EQ(c.info.faceNameAt(3), nullptr);  // the spare entry stays plain
}

TEST(EditStateQueries, SelectionAndCaretIndexes) {
    Control c(kMultiScroll, 50, 160);
    ASSERT_TRUE(c.type(u"abcdefghij\r\nxy"));
    std::int32_t first = -1;
    std::int32_t count = -1;
    EXPECT_FALSE(c.info.getSelection(first, count));
    EXPECT_EQ(c.info.caretIndex(), 14);
    c.info.selectRange(13, 2);  // ends in either order
    ASSERT_TRUE(c.info.getSelection(first, count));
    EXPECT_EQ(first, 2);
    EXPECT_EQ(count, 11);
    EXPECT_EQ(c.info.caretIndex(), 13);
    EXPECT_EQ((KEPos{c.info.m_anchorCol, c.info.m_anchorRow}), (KEPos{2, 0}));
    EXPECT_EQ((KEPos{c.info.m_caretCol, c.info.m_caretRow}), (KEPos{1, 2}));
    // An index at a wrapped row's boundary belongs to the row that starts there.
    EXPECT_EQ(c.info.positionOfIndex(6), (KEPos{0, 1}));
    EXPECT_EQ(c.info.positionOfIndex(99), (KEPos{2, 2}));
    c.info.selectAll();
    ASSERT_TRUE(c.info.getSelection(first, count));
    EXPECT_EQ(count, 14);
}

TEST(EditStateMargins, BorderGivesMarginsFromTheFontHeight) {
    Control plain(kMultiScroll);
    plain.info.computeMargins();
    EXPECT_EQ(plain.info.m_marginX, 0);
    Control edged(kMultiScroll);
    edged.host.m_exStyle = WS_EX_CLIENTEDGE;
    edged.info.computeMargins();
    EXPECT_EQ(edged.info.m_marginX, 4);
    EXPECT_EQ(edged.info.m_marginY, 2);
    const RECT area = edged.info.textRect();
    EXPECT_EQ(area.right - area.left, 192);
    EXPECT_EQ(area.bottom - area.top, 156);
}

}  // namespace
