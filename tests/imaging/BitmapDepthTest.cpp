// Binarization of every depth and layout, checked bit for bit against the rules.
#include <gtest/gtest.h>

#include "imaging/BitmapLoader.h"
#include "imaging/LittleEndian.h"
#include "imaging/Luminance.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::BmpFile;
using bmptest::PackPixels;

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;    // gray 79: black
constexpr std::uint32_t kGreen = 0x00FF00;  // gray 143: white
constexpr std::uint32_t kBlue = 0x0000FF;   // gray 31: black
constexpr std::uint32_t kGray128 = 0x808080;
constexpr std::uint32_t kGray127 = 0x7F7F7F;
constexpr std::uint32_t kGray129 = 0x818181;

// A pattern that differs in every row and column, bottom row included.
bool Pattern(int x, int y) { return (x * 7 + y * 3) % 5 < 2; }

}  // namespace

TEST(Luminance, WeightsAndChannelTables) {
    EXPECT_EQ(Luminance(255, 0, 0), 79);
    EXPECT_EQ(Luminance(0, 255, 0), 143);
    EXPECT_EQ(Luminance(0, 0, 255), 31);
    EXPECT_EQ(Luminance(128, 128, 128), 128);
    EXPECT_EQ(Luminance(255, 255, 255), 255);

    std::array<std::uint8_t, 32> t5{};
    std::array<std::uint8_t, 64> t6{};
    BuildChannelTables(t5, t6);
    EXPECT_EQ((std::vector<int>{t5[0], t5[1], t5[2], t5[3], t5[4], t5[29], t5[30], t5[31]}),
              (std::vector<int>{0, 8, 16, 25, 33, 239, 247, 255}));
    EXPECT_EQ((std::vector<int>{t6[0], t6[1], t6[2], t6[3], t6[61], t6[62], t6[63]}),
              (std::vector<int>{0, 4, 8, 12, 247, 251, 255}));
}

TEST_F(ImagingTest, OneBitPaletteDecidesWhichIndexIsBlack) {
    BmpFile f{.width = 11, .height = 3, .bitCount = 1};
    f.pixels = PackPixels(1, 11, 3, [](int x, int y) { return Pattern(x, y) ? 1u : 0u; });
    // Garbage in the row padding must not reach the transfer image.
    for (int y = 0; y < 3; ++y) f.pixels[static_cast<std::size_t>(y) * 4 + 1] |= 0x1F;

    f.palette = {kBlack, kWhite};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(11, 3, [](int x, int y) { return !Pattern(x, y); });

    f.palette = {kWhite, kBlack};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(11, 3, Pattern);

    // Gray 128 is white for one-bit images, 127 black; colours used is ignored.
    f.palette = {kGray128, kGray127};
    f.colorsUsed = 1;
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(11, 3, Pattern);
    f.palette = {kGray127, kGray127};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(11, 3, [](int, int) { return true; });
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_EQ(image.sourceInfo->size(), 40u + 8u);
}

TEST_F(ImagingTest, FourAndEightBitThresholdIsAtMost128) {
    for (std::uint16_t depth : {4, 8}) {
        SCOPED_TRACE(depth);
        BmpFile f{.width = 13, .height = 4, .bitCount = depth, .colorsUsed = 6};
        f.palette = {kGray128, kGray129, kRed, kGreen, kBlue, kWhite};
        f.pixels = PackPixels(depth, 13, 4, [](int x, int y) { return (x + y) % 6; });
        ASSERT_TRUE(Load(bmptest::Build(f)));
        ExpectTransfer(13, 4, [](int x, int y) {
            const int i = (x + y) % 6;
            return i == 0 || i == 2 || i == 4;
        });
        EXPECT_EQ(image.sourceInfo->size(), 40u + (depth == 4 ? 64u : 1024u));
    }
}

TEST_F(ImagingTest, ColoursUsedSetsHowManyEntriesAreRead) {
    // Colours used 2: the pixel array starts right after two entries; index 2 and above,
    // beyond the table, are white.
    BmpFile f{.width = 5, .height = 2, .bitCount = 8, .colorsUsed = 2};
    f.palette = {kBlack, kWhite};
    f.pixels = PackPixels(8, 5, 2, [](int x, int) { return static_cast<std::uint32_t>(x); });
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(5, 2, [](int x, int) { return x == 0; });
    // The unread entries of the stored table are zero.
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 40 + 4 * 2), 0u);

    // Colours used 0 (or above 256) reads all 256 entries.
    for (std::uint32_t used : {0u, 300u}) {
        BmpFile g{.width = 4, .height = 1, .bitCount = 8, .colorsUsed = used};
        g.palette.assign(256, kWhite);
        g.palette[255] = kBlack;
        g.pixels = {0, 255, 7, 255};
        ASSERT_TRUE(Load(bmptest::Build(g)));
        ExpectTransfer(4, 1, [](int x, int) { return x % 2 == 1; });
    }
}

TEST_F(ImagingTest, SixteenBitLayouts) {
    // 5-5-5: red 0x7C00 alone is black; 16 in every channel is gray 132 (white); 15 is 123.
    auto word555 = [](unsigned r, unsigned g, unsigned b) { return (r << 10) | (g << 5) | b; };
    auto word565 = [](unsigned r, unsigned g, unsigned b) { return (r << 11) | (g << 5) | b; };
    const std::vector<std::uint32_t> words555 = {word555(31, 0, 0), word555(0, 31, 0),
                                                 word555(16, 16, 16), word555(15, 15, 15) | 0x8000};
    BmpFile f{.width = 4, .height = 2, .bitCount = 16};
    f.pixels =
        PackPixels(16, 4, 2, [&](int x, int) { return words555[static_cast<std::size_t>(x)]; });
    const auto expected555 = [](int x, int) { return x == 0 || x == 3; };
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(4, 2, expected555);
    ASSERT_EQ(image.sourceInfo->size(), 52u);
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 40), 0u);

    f.compression = 3;
    f.masks = {0x7C00, 0x03E0, 0x001F};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(4, 2, expected555);
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 40), 0x7C00u);

    // 5-6-5: green has six bits; 32 of 63 is 130, 31 of 63 is 125.
    const std::vector<std::uint32_t> words565 = {word565(16, 32, 16), word565(16, 31, 16),
                                                 word565(0, 63, 0), word565(0, 0, 31)};
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.pixels =
        PackPixels(16, 4, 2, [&](int x, int) { return words565[static_cast<std::size_t>(x)]; });
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(4, 2, [](int x, int) { return x == 1 || x == 3; });
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 44), 0x07E0u);
    EXPECT_TRUE(op.Messages().empty());

    // Any other masks are refused, and the image stays as it was.
    const CurrentImage before = image;
    f.masks = {0x001F, 0x07E0, 0xF800};
    EXPECT_FALSE(Load(bmptest::Build(f)));
    ExpectOnlyError(texts::IDS_BMP_UNSUPPORTED);
    EXPECT_EQ(image.sourceInfo, before.sourceInfo);
    EXPECT_EQ(image.transferBits, before.transferBits);
}

TEST_F(ImagingTest, TrueColourThresholdAndPrimaries) {
    const std::vector<std::uint32_t> colours = {kGray128, kGray129, kRed,  kGreen,
                                                kBlue,    kBlack,   kWhite};
    for (std::uint16_t depth : {24, 32}) {
        SCOPED_TRACE(depth);
        BmpFile f{.width = 7, .height = 3, .bitCount = depth};
        f.pixels = PackPixels(depth, 7, 3, [&](int x, int y) {
            return colours[static_cast<std::size_t>((x + y) % 7)];
        });
        ASSERT_TRUE(Load(bmptest::Build(f)));
        ExpectTransfer(7, 3, [](int x, int y) {
            const int i = (x + y) % 7;
            return i == 0 || i == 2 || i == 4 || i == 5;
        });
        EXPECT_EQ(image.sourceInfo->size(), 40u);
    }
}

TEST_F(ImagingTest, ThirtyTwoBitMasks) {
    BmpFile f{.width = 9, .height = 2, .bitCount = 32, .compression = 3};
    f.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    f.pixels = PackPixels(32, 9, 2, [](int x, int y) { return Pattern(x, y) ? kBlue : kGreen; });
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(9, 2, Pattern);
    ASSERT_EQ(image.sourceInfo->size(), 52u);
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 40), 0x00FF0000u);
    EXPECT_EQ(le::GetU32(image.sourceInfo->data() + 48), 0x000000FFu);

    f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    EXPECT_FALSE(Load(bmptest::Build(f)));
    ExpectOnlyError(texts::IDS_BMP_UNSUPPORTED);
}

TEST_F(ImagingTest, LongerHeadersCarryTheirMasks) {
    // A version-5 header (124 bytes) holds the masks itself; the pixels follow it.
    BmpFile f{.width = 6, .height = 2, .bitCount = 16, .compression = 3, .headerSize = 124};
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.pixels = PackPixels(16, 6, 2, [](int x, int y) { return Pattern(x, y) ? 0x0000u : 0xFFFFu; });
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(6, 2, Pattern);
    EXPECT_EQ(le::GetU32(image.sourceInfo->data()), 40u);
}

TEST_F(ImagingTest, EveryRowOfEveryDepthIsConverted) {
    // Index 1 (or the colour) black; rows of different patterns, 33 pixels wide so that
    // every row has a partial last byte and the transfer rows have padding.
    for (std::uint16_t depth : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        BmpFile f{.width = 33, .height = 5, .bitCount = depth};
        if (depth <= 8) f.palette = {kWhite, kBlack};
        if (depth <= 8) f.colorsUsed = 2;
        f.pixels = PackPixels(depth, 33, 5, [depth](int x, int y) -> std::uint32_t {
            const bool black = Pattern(x, y);
            if (depth <= 8) return black ? 1 : 0;
            if (depth == 16) return black ? 0 : 0x7FFF;
            return black ? kBlack : kWhite;
        });
        ASSERT_TRUE(Load(bmptest::Build(f)));
        ExpectTransfer(33, 5, Pattern);
        EXPECT_EQ(image.transferBits->size(), 8u * 5u);
        EXPECT_EQ(*image.sourceBits, f.pixels);
    }
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(ImagingTest, TransferDescriptionIsTheOneBitHeader) {
    BmpFile f{
        .width = 50, .height = 3, .bitCount = 24, .xPelsPerMeter = 1111, .yPelsPerMeter = 2222};
    f.pixels = PackPixels(24, 50, 3, [](int, int) { return kWhite; });
    ASSERT_TRUE(Load(bmptest::Build(f)));
    const bmptest::Bytes expected = {
        40,   0,    0, 0, 50,   0,    0, 0, 3,   0,   0,   0, 1, 0, 1, 0,
        0,    0,    0, 0, 24,   0,    0, 0,  // 8 bytes per row x 3 rows
        0x57, 0x04, 0, 0, 0xAE, 0x08, 0, 0,  // resolutions copied
        0,    0,    0, 0, 0,    0,    0, 0, 255, 255, 255, 0, 0, 0, 0, 0};
    EXPECT_EQ(*image.transferInfo, expected);
    const bmptest::Bytes file = bmptest::Build(f);
    EXPECT_EQ(*image.sourceInfo, bmptest::Bytes(file.begin() + 14, file.begin() + 54));
}
