#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "items/CFontPT.h"

namespace {

using Header = std::array<std::uint8_t, kHeaderSize>;

Header ReceivedRecord(const char* id) {
    Header record{};
    record[0] = static_cast<std::uint8_t>(id[0]);
    record[1] = static_cast<std::uint8_t>(id[1]);
    return record;
}

TEST(FontPT, FreshRecordIsAFreeOnePatternLogo) {
    CFontPT item;
    EXPECT_EQ(item.m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(item.m_patternCount, 1);
    EXPECT_EQ(item.m_entries[0], 0x6B);
    EXPECT_EQ(item.m_entries[1], 0x82);
    EXPECT_EQ(item.m_header[0], '0');
    EXPECT_EQ(item.m_header[1], '0');
    EXPECT_EQ(item.m_header[63], 1);
    EXPECT_FALSE(item.InUse());
}

TEST(FontPT, BuildHeaderWritesTheRegistrationRecord) {
    CFontPT item;
    item.m_id = 7;
    item.m_name = "ABC";
    item.m_width = 300;
    item.m_height = 120;
    item.m_patternSize = 4560;
    item.m_patternCount = 9;
    item.m_fontSize = 24;
    item.m_italic = 1;
    item.m_weight = 700;
    item.m_entries[0] = 0;
    item.BuildHeader();

    Header expected{};
    expected[0] = '0';
    expected[1] = '7';
    expected[4] = 'A';
    expected[5] = 'B';
    expected[6] = 'C';
    const std::uint8_t sizes[] = {0x01, 0x2C, 0x00, 0x78, 0x00, 0x00,
                                  0x11, 0xD0, 0x00, 0x00, 0x00, 0x01};
    std::copy(std::begin(sizes), std::end(sizes), expected.begin() + 52);
    expected[70] = 0x11;
    expected[71] = 0xD0;
    EXPECT_EQ(item.m_header, expected);  // font size, italic and weight are never written

    EXPECT_EQ(item.m_patternCount, 1);
    EXPECT_EQ(item.m_totalSize, 4560);
    EXPECT_EQ(item.m_entries[0], 0x6B);
    EXPECT_EQ(item.m_entries[1], 0x82);
}

TEST(FontPT, BuildHeaderNameAreaAndWideValues) {
    CFontPT item;
    item.m_id = 99;
    item.m_name = std::string(32, 'N');
    item.m_width = 70000;
    item.BuildHeader();
    EXPECT_EQ(item.m_header[0], '9');
    EXPECT_EQ(item.m_header[1], '9');
    for (int i = 4; i <= 35; ++i) EXPECT_EQ(item.m_header[i], 'N') << i;
    for (int i = 36; i <= 51; ++i) EXPECT_EQ(item.m_header[i], 0) << i;
    EXPECT_EQ(item.m_header[52], 0x11);  // 70000 = 0x11170: low 16 bits only
    EXPECT_EQ(item.m_header[53], 0x70);

    // A name longer than the record holds is cut without splitting a double-byte character.
    item.m_name = "X";
    for (int i = 0; i < 16; ++i) item.m_name += "\x83\x8D";  // 33 bytes
    item.BuildHeader();
    EXPECT_EQ(item.m_header[33], 0x83);
    EXPECT_EQ(item.m_header[34], 0x8D);
    EXPECT_EQ(item.m_header[35], 0);  // the 16th character would need bytes 35 and 36
}

TEST(FontPT, ParseHeaderReadsAReceivedRecord) {
    Header record = ReceivedRecord("42");
    const char name[] = "FONT";
    std::copy(name, name + 4, record.begin() + 4);
    record[48] = '0';
    record[49] = '0';
    record[50] = '2';
    record[51] = '4';
    record[52] = 0x00;
    record[53] = 0x18;
    record[54] = 0x01;
    record[55] = 0x00;
    record[59] = 32;  // pattern size
    record[63] = 3;   // pattern count
    record[77] = 1;
    record[78] = 0x02;
    record[79] = 0xBC;
    record[99] = 0x5A;

    CFontPT item;
    item.m_state = ITEM_NEW;
    item.m_sourcePath = "/tmp/a.bmp";
    item.m_entries[10] = 0x77;
    ASSERT_TRUE(item.ParseHeader(record));
    EXPECT_EQ(item.m_id, 42);
    EXPECT_EQ(item.m_name, "FONT");
    EXPECT_EQ(item.m_fontSize, 24);
    EXPECT_EQ(item.m_width, 24);
    EXPECT_EQ(item.m_height, 256);
    EXPECT_EQ(item.m_patternSize, 32);
    EXPECT_EQ(item.m_patternCount, 3);
    EXPECT_EQ(item.m_totalSize, 96);
    EXPECT_EQ(item.m_italic, 1);
    EXPECT_EQ(item.m_weight, 700);
    EXPECT_EQ(item.m_header, record);
    // State, path and entries are not the record's business.
    EXPECT_EQ(item.m_state, ITEM_NEW);
    EXPECT_EQ(item.m_sourcePath, "/tmp/a.bmp");
    EXPECT_EQ(item.m_entries[10], 0x77);
    EXPECT_EQ(item.GetMemoryNeed(), 96 + 30);
}

TEST(FontPT, ParseHeaderNameStopsAtZeroOrAfter32Bytes) {
    Header record = ReceivedRecord("01");
    for (int i = 4; i < 48; ++i) record[i] = 'Z';
    CFontPT item;
    ASSERT_TRUE(item.ParseHeader(record));
    EXPECT_EQ(item.m_name, std::string(32, 'Z'));
    record[6] = 0;
    ASSERT_TRUE(item.ParseHeader(record));
    EXPECT_EQ(item.m_name, "ZZ");
}

TEST(FontPT, ParseHeaderRefusesIdsThatAreNotTwoDigits) {
    CFontPT item;
    for (const char* bad : {"7 ", " 7", "-1", "A0", "\xFF\xFF", "1\0"}) {
        Header record{};
        record[0] = static_cast<std::uint8_t>(bad[0]);
        record[1] = static_cast<std::uint8_t>(bad[1]);
        EXPECT_FALSE(item.ParseHeader(record)) << bad;
        EXPECT_EQ(item.m_id, -1) << "an invalid record must not name a table slot";
    }
    EXPECT_TRUE(item.ParseHeader(ReceivedRecord("00")));
    EXPECT_EQ(item.m_id, 0);
    EXPECT_TRUE(item.ParseHeader(ReceivedRecord("99")));
    EXPECT_EQ(item.m_id, 99);
}

TEST(FontPT, ParseHeaderKeepsHugeCountsFromOverflowing) {
    Header record = ReceivedRecord("05");
    for (int i = 56; i < 64; ++i) record[i] = 0xFF;  // size and count 0xFFFFFFFF
    CFontPT item;
    ASSERT_TRUE(item.ParseHeader(record));
    EXPECT_GT(item.m_patternSize, 0);
    EXPECT_GT(item.m_patternCount, 0);
    EXPECT_GT(item.m_totalSize, 0);
    EXPECT_GT(item.GetMemoryNeed(), 245760);
}

TEST(FontPT, ResetKeepsHeaderPathAndEntries) {
    CFontPT source;
    source.m_id = 12;
    source.m_name = "logo";
    source.m_width = 8;
    source.m_height = 8;
    source.m_patternSize = 8;
    source.m_state = ITEM_NEW;
    source.m_sourcePath = "/data/logo.bmp";
    source.BuildHeader();
    source.m_entries[29999] = 0xAB;

    CFontPT copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy.m_header, source.m_header);
    EXPECT_EQ(copy.m_entries, source.m_entries);  // all 30000 bytes, not only the used entry
    EXPECT_EQ(copy.m_sourcePath, source.m_sourcePath);
    EXPECT_EQ(copy.m_state, ITEM_NEW);
    EXPECT_EQ(copy.m_name, "logo");

    const auto header = source.m_header;
    source.Reset();
    EXPECT_EQ(source.m_header, header);
    EXPECT_EQ(source.m_sourcePath, "/data/logo.bmp");
    EXPECT_EQ(source.m_entries[29999], 0xAB);
    EXPECT_EQ(source.m_state, ITEM_UNREGISTERED);
    EXPECT_EQ(source.m_id, 0);
    EXPECT_EQ(source.m_name, "");
    EXPECT_EQ(source.m_patternCount, 0);
    EXPECT_EQ(source.GetMemoryNeed(), 0);
}

TEST(FontPT, ALogoIsOnePatternUnderTheLogoCallCode) {
    CFontPT item;
    item.m_width = 8;
    item.m_height = 8;
    item.BuildHeader();
    EXPECT_TRUE(item.IsLogo());
    item.m_patternCount = 2;
    EXPECT_FALSE(item.IsLogo());
    item.m_patternCount = 1;
    item.m_entries[1] = 0x83;
    EXPECT_FALSE(item.IsLogo());
    EXPECT_EQ(IdText(0), "00");
    EXPECT_EQ(IdText(7), "07");
    EXPECT_EQ(IdText(99), "99");
}

}  // namespace
