// The Qt-free pieces behind the mouse, the clipboard, the context menu and the
// change-character dialog: hit testing, word bounds, clipboard blocks from untrusted data,
// the narrow-platform rule and the change-character dialog's list and choice.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeEditHost.h"
#include "editctl/control/CKECharFontDlg.h"
#include "editctl/model/CKEditInfo.h"
#include "editctl/model/KEClipboardText.h"
#include "editctl/model/KEHitTest.h"
#include "editctl/model/KENarrowPlatform.h"
#include "text/ShiftJis.h"

namespace {

struct Control {
    explicit Control(DWORD style, std::u16string_view text) : host(style) {
        EXPECT_TRUE(info.reset(&host));
        info.computeMargins();
        EXPECT_TRUE(info.insertText(text));
    }
    FakeEditHost host;
    CKEditInfo info;
};

constexpr DWORD kMulti = ES_MULTILINE | ES_AUTOVSCROLL;

TEST(HitTest, HalvesOfACharacterRowEndsAndFarPoints) {
    Control c(kMulti | WS_BORDER, u"abW\r\nxy\nz");  // margins 4 and 2; rows 16 high
    using kehit::PositionAtPoint;
    // 'a' covers [4, 12): its left half and middle before it, its right half after it.
    EXPECT_EQ(PositionAtPoint(c.info, 4, 3), (KEPos{0, 0}));
    EXPECT_EQ(PositionAtPoint(c.info, 8, 3), (KEPos{0, 0}));
    EXPECT_EQ(PositionAtPoint(c.info, 9, 3), (KEPos{1, 0}));
    // 'W' covers [20, 40): past its middle the caret goes after it, before the CR LF.
    EXPECT_EQ(PositionAtPoint(c.info, 31, 3), (KEPos{3, 0}));
    EXPECT_EQ(PositionAtPoint(c.info, 150, 3), (KEPos{3, 0}));   // right of a CR LF row
    EXPECT_EQ(PositionAtPoint(c.info, 150, 20), (KEPos{2, 1}));  // before a lone LF
    EXPECT_EQ(PositionAtPoint(c.info, 150, 40), (KEPos{1, 2}));  // last row: its end
    // Points far outside the window are held to the text.
    EXPECT_EQ(PositionAtPoint(c.info, -32768, -32768), (KEPos{0, 0}));
    EXPECT_EQ(PositionAtPoint(c.info, 32767, 32767), (KEPos{1, 2}));
    // Scroll offsets move the text under the point.
    c.info.m_scrollY = 16;
    EXPECT_EQ(PositionAtPoint(c.info, 4, 3), (KEPos{0, 1}));
}

TEST(HitTest, WordBoundsFollowWhiteSpaceWithinTheRow) {
    Control c(kMulti, u"foo bar\r\n\u3042\u3000x");
    using kehit::WordAt;
    // Inside "foo": the word and the space after it.
    auto w = WordAt(c.info, KEPos{1, 0});
    EXPECT_EQ(w.start, (KEPos{0, 0}));
    EXPECT_EQ(w.end, (KEPos{4, 0}));
    // On "bar": never past the closing CR LF.
    w = WordAt(c.info, KEPos{5, 0});
    EXPECT_EQ(w.start, (KEPos{4, 0}));
    EXPECT_EQ(w.end, (KEPos{7, 0}));
    // At the row's end (the caret on its CR): an empty word, still inside the row.
    w = WordAt(c.info, KEPos{7, 0});
    EXPECT_EQ(w.start, (KEPos{7, 0}));
    EXPECT_EQ(w.end, (KEPos{7, 0}));
    // The ideographic space is white space; the caret at the text's end has no character.
    w = WordAt(c.info, KEPos{0, 1});
    EXPECT_EQ(w.end, (KEPos{2, 1}));
    w = WordAt(c.info, KEPos{3, 1});
    EXPECT_EQ(w.start, (KEPos{2, 1}));
    EXPECT_EQ(w.end, (KEPos{3, 1}));
}

TEST(ClipboardText, UntrustedBlocksAreReadUpToTheirTerminatorAndTheCap) {
    // NUL ends the text; an odd last byte is dropped; no terminator is needed.
    const char16_t withNul[] = {u'a', u'b', 0, u'c'};
    EXPECT_EQ(keclip::FromUnicodeBlock(withNul, sizeof withNul), u"ab");
    const char16_t noNul[] = {u'x', u'y'};
    EXPECT_EQ(keclip::FromUnicodeBlock(noNul, 3), u"x");
    EXPECT_EQ(keclip::FromUnicodeBlock(nullptr, 10), u"");
    // Unpaired surrogates become U+FFFD; a pair stays.
    const char16_t surrogates[] = {0xD800, u'a', 0xD83D, 0xDE00, 0xDC00, 0};
    EXPECT_EQ(keclip::FromUnicodeBlock(surrogates, sizeof surrogates),
              (std::u16string{0xFFFD, u'a', 0xD83D, 0xDE00, 0xFFFD}));
    // Ten megabytes: no more than the cap is read, so the limit refuses it.
    const std::u16string huge(5 * 1024 * 1024, u'w');
    EXPECT_EQ(keclip::FromUnicodeBlock(huge.data(), huge.size() * 2).size(),
              keclip::kMaxPasteUnits);
    const std::string hugeAnsi(10 * 1024 * 1024, 'w');
    EXPECT_EQ(keclip::FromAnsiBlock(hugeAnsi.data(), hugeAnsi.size()).size(),
              keclip::kMaxPasteUnits);
    // CP932: a broken double-byte pair and a lone lead byte at the end do not decode.
    const char ansi[] =
        "\x82\xa0"
        "a\x82\x20"
        "b\x82";
    EXPECT_EQ(keclip::FromAnsiBlock(ansi, sizeof ansi - 1).substr(0, 2), u"\u3042a");
    const std::u16string broken = keclip::FromAnsiBlock(ansi, sizeof ansi - 1);
    EXPECT_NE(broken.find(u'\uFFFD'), std::u16string::npos);
    EXPECT_EQ(broken.back(), u'\uFFFD');
    EXPECT_EQ(keclip::FromAnsiBlock("ab\0cd", 5), u"ab");
}

TEST(ClipboardText, CopyBlocksHoldBothFormsInBlocksOfTheSameSize) {
    const std::u16string text = u"a\u3042\U0001F600\u00e9";  // 5 units
    const auto unicode = keclip::UnicodeBlock(text);
    const auto ansi = keclip::AnsiBlock(text);
    ASSERT_EQ(unicode.size(), 12U);
    ASSERT_EQ(ansi.size(), 12U);
    EXPECT_EQ(keclip::FromUnicodeBlock(unicode.data(), unicode.size()), text);
    // The emoji and the accented letter have no CP932 form: one default character each.
    const auto* bytes = reinterpret_cast<const char*>(ansi.data());
    EXPECT_STREQ(bytes, "a\x82\xa0??");
    EXPECT_EQ(keclip::FromAnsiBlock(ansi.data(), ansi.size()), u"a\u3042??");
    // Worst case: every unit takes two bytes and the terminator still fits.
    const std::u16string kana(1000, u'\u3042');
    const auto full = keclip::AnsiBlock(kana);
    EXPECT_EQ(full.size(), 2002U);
    EXPECT_EQ(full[2000], std::byte{0});
    EXPECT_EQ(full[2001], std::byte{0});
}

TEST(NarrowPlatform, OnlyANarrowPlatformReplacesWhatCp932CannotHold) {
    using kenarrow::KEPlatformVersion;
    const std::u16string text = u"a\u3042\u00e9\U0001F600b";
    EXPECT_TRUE(kenarrow::IsUnicodeCapable(kenarrow::kThisPlatform));
    EXPECT_EQ(kenarrow::Apply(text), text);
    EXPECT_EQ(kenarrow::Apply(text, KEPlatformVersion{kenarrow::kPlatformWin32NT, 4}), text);
    EXPECT_EQ(kenarrow::Apply(text, KEPlatformVersion{kenarrow::kPlatformWin32Windows, 5}), text);
    EXPECT_EQ(kenarrow::Apply(text, KEPlatformVersion{kenarrow::kPlatformWin32Windows, 4}),
              u"a\u3042  b");
    EXPECT_EQ(kenarrow::Apply(text, KEPlatformVersion{kenarrow::kPlatformWin32NT, 3}),
              u"a\u3042  b");
}

struct FontControl : Control {
    explicit FontControl(std::u16string_view text) : Control(kMulti, text) {
        fonts.m_families = {{"Zeta"}, {"alpha"}, {"Beta Sans"}, {"Beta"}, {"(Paren)"}};
        EXPECT_TRUE(catalog.buildForLoad(fonts));
        host.m_catalog = &catalog;
    }
    FakeFontEnumerator fonts;
    CKEFontCatalog catalog;
};

TEST(CharFontDialog, ListKeepsTheNoFontEntryFirstAndPreselectsByTheSelection) {
    FontControl c(u"abcd\r\ne");
    CKECharFontDlg plain = CKECharFontDlg::forSelection(c.info, 0, 7);
    EXPECT_FALSE(plain.m_useName);
    plain.initialise(&c.catalog);
    ASSERT_EQ(plain.entryCount(), 6);
    EXPECT_EQ(plain.entryText(0), "(変更しない)");
    EXPECT_EQ(plain.entryText(1), "(Paren)");  // sorts before the no-font entry's text
    EXPECT_EQ(plain.entryText(2), "alpha");
    EXPECT_EQ(plain.entryText(3), "Beta");
    EXPECT_EQ(plain.entryText(4), "Beta Sans");
    EXPECT_EQ(plain.selected(), 0);

    ASSERT_TRUE(c.info.setFaceName(1, 2, "Beta"));
    CKECharFontDlg same = CKECharFontDlg::forSelection(c.info, 1, 2);
    EXPECT_TRUE(same.m_useName);
    EXPECT_EQ(same.m_chosenName, "Beta");
    same.initialise(&c.catalog);
    EXPECT_EQ(same.selected(), 3);  // not "Beta Sans", which also starts with the name

    // One character with a font and one without, or two fonts: mixed, nothing preselected.
    CKECharFontDlg mixed = CKECharFontDlg::forSelection(c.info, 0, 2);
    EXPECT_TRUE(mixed.m_useName);
    EXPECT_EQ(mixed.m_chosenName, "");
    mixed.initialise(&c.catalog);
    EXPECT_EQ(mixed.selected(), -1);
    ASSERT_TRUE(c.info.setFaceName(2, 1, "Zeta"));
    EXPECT_EQ(CKECharFontDlg::forSelection(c.info, 1, 2).m_chosenName, "");
    EXPECT_EQ(CKECharFontDlg::forSelection(c.info, 2, 1).m_chosenName, "Zeta");

    // OK: nothing selected changes nothing, index 0 takes the font away, others give it.
    mixed.confirm(-1);
    EXPECT_FALSE(mixed.m_useName);
    mixed.confirm(99);
    EXPECT_FALSE(mixed.m_useName);
    mixed.confirm(0);
    EXPECT_TRUE(mixed.m_useName);
    EXPECT_EQ(mixed.m_chosenName, "");
    mixed.confirm(5);
    EXPECT_EQ(mixed.m_chosenName, "Zeta");

    // A name the list does not hold is found by its prefix, as a sorted combo box finds it.
    CKECharFontDlg prefix;
    prefix.m_useName = true;
    prefix.m_chosenName = "BETA S";
    prefix.initialise(&c.catalog);
    EXPECT_EQ(prefix.selected(), 4);
    prefix.m_chosenName = "Gamma";
    prefix.initialise(nullptr);
    EXPECT_EQ(prefix.entryCount(), 1);
    EXPECT_EQ(prefix.selected(), -1);
}

}  // namespace
