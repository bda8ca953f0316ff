#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "app/present/DetailText.h"

namespace {

CFontPT LogoRecord(int id, int width, int height) {
    CFontPT item;
    item.m_id = static_cast<std::int16_t>(id);
    item.m_name = "LOGO";
    item.m_width = width;
    item.m_height = height;
    item.m_patternSize = 100;
    item.BuildHeader();
    return ParseDetailRecord(item.m_header);
}

std::vector<std::uint8_t> Entries(std::initializer_list<std::array<std::uint8_t, 2>> codes) {
    std::vector<std::uint8_t> bytes;
    for (const auto& code : codes) {
        bytes.insert(bytes.end(), {code[0], code[1], 0, 0, 0, 0});
    }
    return bytes;
}

TEST(DetailText, LogoOnA12DotModel) {
    const CFontPT record = LogoRecord(5, 240, 96);
    const auto entries = Entries({{0x6B, 0x82}});
    const LogoDetailText text = MakeLogoDetailText(record, 1, entries, 12.0);
    ASSERT_EQ(text.m_entries.size(), 1u);
    EXPECT_EQ(text.m_entries[0], "0x6B82");
    EXPECT_EQ(text.m_name, "登録名称：LOGO");
    EXPECT_EQ(text.m_id, "登録ID：5");
    EXPECT_EQ(text.m_height, "縦サイズ：240dot(20.0mm)");
    EXPECT_EQ(text.m_width, "横サイズ：96dot(8.0mm)");
}

TEST(DetailText, LogoOnAn8DotModel) {
    const CFontPT record = LogoRecord(42, 240, 100);
    const auto entries = Entries({{0x6B, 0x82}});
    const LogoDetailText text = MakeLogoDetailText(record, 1, entries, 8.0);
    EXPECT_EQ(text.m_id, "登録ID：42");
    EXPECT_EQ(text.m_height, "縦サイズ：240dot(30.0mm)");
    EXPECT_EQ(text.m_width, "横サイズ：100dot(12.5mm)");
}

TEST(DetailText, FontLinesShowTheCharacters) {
    CFontPT record;
    record.m_name = "FONT";
    record.m_fontSize = 24;
    record.m_weight = 400;
    record.m_italic = 0;
    // 'A', 'あ' (U+3042) and '漢' (U+6F22) as little-endian code units.
    const auto entries = Entries({{0x41, 0x00}, {0x42, 0x30}, {0x22, 0x6F}});
    FontDetailText text = MakeFontDetailText(record, 3, entries);
    ASSERT_EQ(text.m_entries.size(), 3u);
    EXPECT_EQ(text.m_entries[0], "0x4100     A");
    EXPECT_EQ(text.m_entries[1], "0x4230     あ");
    EXPECT_EQ(text.m_entries[2], "0x226F     漢");
    EXPECT_EQ(text.m_fontCount, "登録フォント数：3");
    EXPECT_EQ(text.m_fontSize, "フォントサイズ：24");
    EXPECT_EQ(text.m_bold, "強調：無効");
    EXPECT_EQ(text.m_italic, "斜体：無効");

    record.m_weight = 700;
    record.m_italic = 1;
    text = MakeFontDetailText(record, 3, entries);
    EXPECT_EQ(text.m_bold, "強調：有効");
    EXPECT_EQ(text.m_italic, "斜体：有効");
}

TEST(DetailText, CountIsHeldToTheEntriesGiven) {
    CFontPT record;
    const auto entries = Entries({{0x41, 0x00}, {0x42, 0x00}});
    // A record that claims more characters than were received lists only those.
    EXPECT_EQ(MakeFontDetailText(record, 1000, entries).m_entries.size(), 2u);
    EXPECT_EQ(MakeFontDetailText(record, 1000, entries).m_fontCount, "登録フォント数：1000");
    EXPECT_TRUE(MakeFontDetailText(record, -5, entries).m_entries.empty());
    EXPECT_EQ(MakeLogoDetailText(record, 7, entries, 8).m_entries.size(), 2u);
}

TEST(DetailText, CharactersWithoutAPicture) {
    EXPECT_EQ(EntryCharacter(0x00, 0x00), "");
    EXPECT_EQ(EntryCharacter(0x0A, 0x00), "");
    EXPECT_EQ(EntryCharacter(0x00, 0xD8), "");  // a lone surrogate
    EXPECT_EQ(EntryCharacter(0x7E, 0x00), "~");
}

TEST(DetailText, ParsedRecordCarriesTheNameAndId) {
    const CFontPT record = LogoRecord(17, 8, 8);
    EXPECT_EQ(record.m_id, 17);
    EXPECT_EQ(record.m_name, "LOGO");
    EXPECT_EQ(record.m_patternCount, 1);
}

}  // namespace
