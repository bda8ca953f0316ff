// The .pld file and the transfer file, byte for byte.
#include <gtest/gtest.h>

#include "imaging/BitmapLoader.h"
#include "imaging/LittleEndian.h"
#include "imaging/LogoDataFile.h"
#include "imaging/TransferFile.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::Bytes;

namespace {

// A one-bit bitmap of width x height whose black pixels `black(x, y)` gives (y = 0 bottom).
Bytes MonoBitmap(int width, int height, const std::function<bool(int, int)>& black) {
    bmptest::BmpFile f{.width = width, .height = height, .bitCount = 1};
    f.palette = {0xFFFFFF, 0x000000};
    f.pixels = bmptest::MonoRows(width, height, black);
    return bmptest::Build(f);
}

// A .pld file: version, 142-byte header with the given sizes and count, prefixes, data.
Bytes LogoFile(std::uint16_t width, std::uint16_t height, std::uint32_t count, const Bytes& data) {
    Bytes file(2 + 142, 0);
    le::PutU16(file.data(), 1);
    le::PutU16(file.data() + 2 + 2, 1);
    le::PutU16(file.data() + 2 + 52, width);
    le::PutU16(file.data() + 2 + 54, height);
    le::PutU32(file.data() + 2 + 60, count);
    le::PutU32(file.data() + 2 + 100, 0x38270003);
    for (std::uint32_t i = 0; i < count && i < 100; ++i) file.insert(file.end(), 10, 0xEE);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace

class LogoFileTest : public ImagingTest {
  protected:
    bmptest::TempFolder folder;
};

TEST_F(LogoFileTest, OneBlackPixel) {
    ASSERT_TRUE(Load(MonoBitmap(1, 1, [](int, int) { return true; })));
    ASSERT_TRUE(WriteLogoDataFile(folder / "one.pld", "QUILSAVE0", image, op));
    const Bytes pld = bmptest::ReadFile(folder / "one.pld");
    ASSERT_EQ(pld.size(), 155u);
    EXPECT_EQ(pld.back(), 0x80);

    Bytes expected(155, 0);
    auto h = [&](std::size_t offset) { return expected.data() + 2 + offset; };
    le::PutU16(expected.data(), 1);
    le::PutU16(h(2), 1);
    std::copy_n("QUILSAVE0", 9, h(4));
    const Bytes logo = {0x83, 0x8D, 0x83, 0x53};  // "ロゴ" in Shift-JIS
    std::copy(logo.begin(), logo.end(), h(36));
    std::copy_n("10", 2, h(48));
    le::PutU16(h(52), 1);
    le::PutU16(h(54), 1);
    le::PutU32(h(56), 1);
    le::PutU32(h(60), 1);
    le::PutU32(h(68), 11);
    h(76)[0] = 128;
    le::PutU16(h(78), 400);
    le::PutU16(h(80), 1);
    le::PutU16(h(82), 1);
    le::PutU32(h(100), 0x38270003);
    le::PutU16(h(136), 10);
    const std::size_t p = 144;
    le::PutU16(expected.data() + p, 0xFF2C);
    le::PutU16(expected.data() + p + 4, 1);
    le::PutU16(expected.data() + p + 8, 1);
    expected[154] = 0x80;
    EXPECT_EQ(pld, expected);

    CFontPT item;
    item.m_name = "LOGO";
    ASSERT_TRUE(WriteTransferFile(folder / "QUIL3", item, image, op));
    EXPECT_EQ(bmptest::ReadFile(folder / "QUIL3"),
              (Bytes{0x6B, 0x82, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x80}));
    EXPECT_EQ(item.m_width, 1);
    EXPECT_EQ(item.m_height, 1);
    EXPECT_EQ(item.m_patternSize, 1);
    EXPECT_TRUE(op.Messages().empty());
    // Nothing but the two files was left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

TEST_F(LogoFileTest, PackedRowsDropThePaddingAndRunTopFirst) {
    // 9 x 2: top row black at x = 0 and 8, bottom row black at x = 1.
    ASSERT_TRUE(
        Load(MonoBitmap(9, 2, [](int x, int y) { return y == 1 ? (x == 0 || x == 8) : x == 1; })));
    ASSERT_TRUE(WriteLogoDataFile(folder / "a.pld", "A", image, op));
    const Bytes pld = bmptest::ReadFile(folder / "a.pld");
    ASSERT_EQ(pld.size(), 158u);
    EXPECT_EQ(le::GetU32(pld.data() + 2 + 56), 4u);
    EXPECT_EQ(le::GetU32(pld.data() + 2 + 68), 14u);
    EXPECT_EQ(Bytes(pld.end() - 4, pld.end()), (Bytes{0x80, 0x80, 0x40, 0x00}));

    // 33 pixels wide: 5 bytes per packed row, not 8.
    ASSERT_TRUE(Load(MonoBitmap(33, 3, [](int x, int) { return x == 32; })));
    CFontPT item;
    ASSERT_TRUE(WriteTransferFile(folder / "QUIL0", item, image, op));
    const Bytes transfer = bmptest::ReadFile(folder / "QUIL0");
    ASSERT_EQ(transfer.size(), 10u + 15u);
    EXPECT_EQ(Bytes(transfer.begin(), transfer.begin() + 10),
              (Bytes{0x6B, 0x82, 0, 0, 0, 33, 0, 0, 0, 3}));
    EXPECT_EQ(transfer[14], 0x80);
    EXPECT_EQ(item.m_patternSize, 15);
}

TEST_F(LogoFileTest, NameField) {
    ASSERT_TRUE(Load(MonoBitmap(1, 1, [](int, int) { return false; })));
    // A name of 32 bytes fills the field without a terminating zero; a longer one is cut.
    const std::string name40(40, 'N');
    ASSERT_TRUE(WriteLogoDataFile(folder / "n.pld", name40, image, op));
    const Bytes pld = bmptest::ReadFile(folder / "n.pld");
    EXPECT_EQ(std::string(pld.begin() + 6, pld.begin() + 38), std::string(32, 'N'));
    EXPECT_EQ(pld[38], 0x83);  // "ロゴ" follows directly
}

TEST_F(LogoFileTest, LoadingChecksVersionThenIdCodeThenFormat) {
    Bytes file = LogoFile(1, 1, 1, {0x80});
    le::PutU16(file.data(), 2);
    le::PutU32(file.data() + 2 + 100, 0);
    EXPECT_FALSE(LoadLogoDataBytes(file, image, op));
    ExpectOnlyError(texts::IDS_PLD_BAD_VERSION);

    op.Clear();
    le::PutU16(file.data(), 1);
    EXPECT_FALSE(LoadLogoDataBytes(file, image, op));
    ExpectOnlyError(texts::IDS_PLD_BAD_ID_CODE);

    op.Clear();
    le::PutU32(file.data() + 2 + 100, 0x38270003);
    le::PutU16(file.data() + 2 + 2, 0);
    EXPECT_FALSE(LoadLogoDataBytes(file, image, op));
    ExpectOnlyError(texts::IDS_PLD_BAD_FORMAT);
    EXPECT_FALSE(image.transferInfo.has_value());

    op.Clear();
    EXPECT_FALSE(LoadLogoDataBytes(Bytes{}, image, op));
    ExpectOnlyError(texts::IDS_PLD_BAD_VERSION);
    op.Clear();
    EXPECT_FALSE(LoadLogoDataFile(folder / "missing.pld", image, op));
    ExpectOnlyError(texts::IDS_BMP_OPEN_FAILED);
}

TEST_F(LogoFileTest, LoadingSkipsEveryPrefix) {
    // Count 3: 30 prefix bytes (0xEE) come before the data.
    ASSERT_TRUE(LoadLogoDataBytes(LogoFile(10, 2, 3, {0xC0, 0x40, 0x01, 0x80}), image, op));
    const Bytes expected = {0x01, 0x80, 0, 0, 0xC0, 0x40, 0, 0};  // bottom-up, padded to 4
    EXPECT_EQ(*image.transferBits, expected);
    EXPECT_EQ(*image.sourceBits, expected);
    EXPECT_EQ(*image.sourceInfo, *image.transferInfo);
    const Bytes info = {40, 0, 0, 0, 10, 0, 0, 0, 2,   0,   0,   0, 1, 0, 1, 0,
                        0,  0, 0, 0, 8,  0, 0, 0, 0,   0,   0,   0, 0, 0, 0, 0,
                        0,  0, 0, 0, 0,  0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0};
    EXPECT_EQ(*image.transferInfo, info);
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(LogoFileTest, RoundTripKeepsTheImage) {
    ASSERT_TRUE(Load(MonoBitmap(21, 5, [](int x, int y) { return (x * y + x) % 3 == 0; })));
    const Bytes firstBits = *image.transferBits;
    ASSERT_TRUE(WriteLogoDataFile(folder / "first.pld", "FIRST", image, op));
    ASSERT_TRUE(LoadLogoDataFile(folder / "first.pld", image, op));
    EXPECT_EQ(*image.transferBits, firstBits);
    ASSERT_TRUE(WriteLogoDataFile(folder / "second.pld", "SECOND", image, op));
    const Bytes first = bmptest::ReadFile(folder / "first.pld");
    Bytes second = bmptest::ReadFile(folder / "second.pld");
    EXPECT_EQ(std::string(second.begin() + 6, second.begin() + 12), "SECOND");
    std::copy_n("FIRST\0", 6, second.begin() + 6);
    EXPECT_EQ(second, first);
}

TEST_F(LogoFileTest, ClaimsBeyondTheFileCostNothing) {
    // Sizes over the bitmap limit are refused before anything is allocated.
    EXPECT_FALSE(LoadLogoDataBytes(LogoFile(65535, 65535, 1, {}), image, op));
    ExpectOnlyError(texts::IDS_BMP_TOO_LARGE);
    op.Clear();
    EXPECT_FALSE(LoadLogoDataBytes(LogoFile(0, 5, 1, {}), image, op));
    ExpectOnlyError(texts::IDS_PLD_BAD_FORMAT);
    EXPECT_FALSE(image.transferInfo.has_value());

    // Four billion prefixes and a short body: the data reads as zero.
    op.Clear();
    ASSERT_TRUE(LoadLogoDataBytes(LogoFile(7992, 2, 0xFFFFFFFF, {}), image, op));
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_EQ(image.transferBits->size(), 1000u * 2u);
    EXPECT_EQ(std::count(image.transferBits->begin(), image.transferBits->end(), 0), 2000);
    // A short body: the rows that are there, then zero.
    ASSERT_TRUE(LoadLogoDataBytes(LogoFile(8, 3, 1, {0xFF}), image, op));
    EXPECT_EQ(*image.transferBits, (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0}));
}

TEST_F(LogoFileTest, FailedWritesLeaveNothingBehind) {
    ASSERT_TRUE(Load(MonoBitmap(3, 3, [](int, int) { return true; })));
    EXPECT_FALSE(WriteLogoDataFile(folder / "no-such-folder" / "x.pld", "X", image, op));
    ExpectOnlyError(texts::IDS_PLD_CREATE_FAILED);

    // An existing file in the way is not touched when the new one cannot be put there.
    std::filesystem::create_directory(folder / "taken.pld");
    op.Clear();
    EXPECT_FALSE(WriteLogoDataFile(folder / "taken.pld", "X", image, op));
    ExpectOnlyError(texts::IDS_PLD_CREATE_FAILED);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.pld"));

    CFontPT item;
    item.m_width = 77;
    op.Clear();
    EXPECT_FALSE(WriteTransferFile(folder / "taken.pld", item, image, op));
    ExpectOnlyError(texts::IDS_PLD_CREATE_FAILED);
    EXPECT_EQ(item.m_width, 77);
    EXPECT_EQ(item.m_patternSize, 0);
    // No temporary file was left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    // An existing file is replaced.
    bmptest::WriteFile(folder / "old.pld", Bytes(1000, 1));
    op.Clear();
    ASSERT_TRUE(WriteLogoDataFile(folder / "old.pld", "X", image, op));
    EXPECT_EQ(bmptest::ReadFile(folder / "old.pld").size(), 154u + 3u);

    // Without an image there is nothing to write.
    CurrentImage empty;
    EXPECT_FALSE(WriteLogoDataFile(folder / "empty.pld", "X", empty, op));
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.pld"));
}
