#include <gtest/gtest.h>

#include "text/ControlCharacters.h"
#include "text/ShiftJis.h"

namespace {

// "ロゴ" in CP932.
const std::string kLogoSjis = "\x83\x8D\x83\x53";

TEST(ShiftJis, LeadBytesAreTheTwoCp932Ranges) {
    EXPECT_FALSE(sjis::IsLeadByte(0x80));
    EXPECT_TRUE(sjis::IsLeadByte(0x81));
    EXPECT_TRUE(sjis::IsLeadByte(0x9F));
    EXPECT_FALSE(sjis::IsLeadByte(0xA0));  // half-width katakana are single bytes
    EXPECT_FALSE(sjis::IsLeadByte(0xDF));
    EXPECT_TRUE(sjis::IsLeadByte(0xE0));
    EXPECT_TRUE(sjis::IsLeadByte(0xFC));
    EXPECT_FALSE(sjis::IsLeadByte(0xFD));
    EXPECT_FALSE(sjis::IsLeadByte('A'));
}

TEST(ShiftJis, CutNeverSplitsADoubleByteCharacter) {
    const std::string text = "A" + kLogoSjis;  // 1 + 2 + 2 bytes
    EXPECT_EQ(sjis::CutToBytes(text, 5), text);
    EXPECT_EQ(sjis::CutToBytes(text, 4), "A\x83\x8D");
    EXPECT_EQ(sjis::CutToBytes(text, 2), "A");  // the lead byte alone would split
    EXPECT_EQ(sjis::CutToBytes(text, 0), "");
    EXPECT_EQ(sjis::CutToBytes("\xB1\xB2\xB3", 2), "\xB1\xB2");  // half-width kana

    std::string longName;
    for (int i = 0; i < 17; ++i) longName += kLogoSjis.substr(0, 2);
    EXPECT_EQ(sjis::CutToBytes(longName, 32).size(), 32u);
    EXPECT_EQ(sjis::CutToBytes("X" + longName, 32).size(), 31u);
}

TEST(ShiftJis, RoundTripsThroughUtf8AndUtf16) {
    EXPECT_EQ(sjis::ToUtf8(kLogoSjis), "ロゴ");
    EXPECT_EQ(sjis::FromUtf8("ロゴ"), kLogoSjis);
    EXPECT_EQ(sjis::ToUtf16(kLogoSjis), u"ロゴ");
    EXPECT_EQ(sjis::FromUtf16(u"ロゴABC"), kLogoSjis + "ABC");
    EXPECT_EQ(sjis::FromUtf8("メモリ使用量　"), sjis::FromUtf16(u"メモリ使用量　"));
    EXPECT_EQ(sjis::Utf16ToUtf8(sjis::Utf8ToUtf16("漢字 and text")), "漢字 and text");
    EXPECT_EQ(sjis::ToUtf8(""), "");
}

TEST(ShiftJis, UnconvertibleCharactersFailTheConversionToShiftJis) {
    EXPECT_FALSE(sjis::FromUtf8("logo \xF0\x9F\x98\x80").has_value());  // emoji
    EXPECT_FALSE(sjis::FromUtf8("\xC3").has_value());                   // truncated UTF-8
    EXPECT_FALSE(sjis::FromUtf16(u"\U0001F600").has_value());
}

TEST(ShiftJis, LossyConversionReplacesOnlyWhatCannotBeHeld) {
    EXPECT_EQ(sjis::FromUtf8Lossy("ロゴ.bmp"), kLogoSjis + ".bmp");
    EXPECT_EQ(sjis::FromUtf8Lossy("a\xF0\x9F\x98\x80"
                                  "b"),
              "a?b");
    EXPECT_EQ(sjis::FromUtf8Lossy("\xFFロゴ"), "?" + kLogoSjis);  // invalid byte, then resync
}

TEST(ShiftJis, InvalidShiftJisBecomesReplacementCharacters) {
    EXPECT_EQ(sjis::ToUtf8("A\x83"), "A\xEF\xBF\xBD");  // lead byte at the end
    EXPECT_EQ(sjis::ToUtf16("\xFF"
                            "B"),
              u"\uFFFDB");
}

}  // namespace

TEST(ControlCharacters, FoundAndMadeVisibleButPrintableTextKept) {
    using text::EscapeControlCharacters;
    using text::HasControlCharacter;
    EXPECT_FALSE(HasControlCharacter("ロゴ ¥100~"));
    EXPECT_FALSE(HasControlCharacter("\xC2\xA0"));  // U+00A0 is printable
    for (const std::string& text :
         {std::string("a\0b", 3), std::string("\x1b[2J"), std::string("x\x7f"),
          std::string("\xC2\x9B"
                      "31m")}) {
        EXPECT_TRUE(HasControlCharacter(text)) << EscapeControlCharacters(text);
    }
    EXPECT_EQ(EscapeControlCharacters(std::string("A\0B", 3)), "A\\x00B");
    EXPECT_EQ(EscapeControlCharacters("\x1b]0;title\x07"), "\\x1B]0;title\\x07");
    EXPECT_EQ(EscapeControlCharacters("\xC2\x9B"
                                      "2J ロゴ"),
              "\\u009B2J ロゴ");
    EXPECT_EQ(EscapeControlCharacters("\xC2"), "\xC2") << "a cut sequence stays as it is";
}
