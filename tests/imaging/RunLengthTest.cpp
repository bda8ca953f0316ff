// Run-length expansion of 8- and 4-bit data, with runs and positions that leave the image.
#include <gtest/gtest.h>

#include "imaging/BitmapLoader.h"
#include "imaging/RunLengthDecoder.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::Bytes;

namespace {

// Index buffer of an 8-bit image (stride rounded to 4) after DecodeRle8.
Bytes Expand8(const Bytes& data, int width, int height) {
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    Bytes out(stride * static_cast<std::size_t>(height), 0);
    DecodeRle8(out, data, width, height);
    return out;
}

Bytes Expand4(const Bytes& data, int width, int height) {
    const std::size_t stride = ((static_cast<std::size_t>(width) + 1) / 2 + 3) / 4 * 4;
    Bytes out(stride * static_cast<std::size_t>(height), 0);
    DecodeRle4(out, data, width, height);
    return out;
}

}  // namespace

TEST(DecodeRle8, RunsLiteralsAndEscapes) {
    // Row 0: run of 2 x 5, literal 7 8 9 (padded), end of line. Row 1: run of 4 x 6.
    EXPECT_EQ(Expand8({2, 5, 0, 3, 7, 8, 9, 0, 0, 0, 4, 6, 0, 1}, 5, 2),
              (Bytes{5, 5, 7, 8, 9, 0, 0, 0, 6, 6, 6, 6, 0, 0, 0, 0}));
    // A delta of (3, 0) in the middle of a row skips three pixels on the same row.
    EXPECT_EQ(Expand8({1, 9, 0, 2, 3, 0, 2, 4, 0, 1}, 8, 1), (Bytes{9, 0, 0, 0, 4, 4, 0, 0}));
    // A delta that moves up a row.
    EXPECT_EQ(Expand8({1, 1, 0, 2, 1, 1, 1, 2, 0, 1}, 4, 2), (Bytes{1, 0, 0, 0, 0, 0, 2, 0}));
    // End of bitmap before the last row leaves the rest at index 0.
    EXPECT_EQ(Expand8({4, 3, 0, 1, 4, 3}, 4, 2), (Bytes{3, 3, 3, 3, 0, 0, 0, 0}));
}

TEST(DecodeRle8, WhatLeavesTheImageIsDropped) {
    // A run crossing the width is cut there and does not continue on the next row; the
    // next run starts where x stands, beyond the width, so it stores nothing either.
    EXPECT_EQ(Expand8({6, 2, 1, 3, 0, 0, 1, 4, 0, 1}, 4, 2), (Bytes{2, 2, 2, 2, 4, 0, 0, 0}));
    // A literal crossing the width.
    EXPECT_EQ(Expand8({0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 1, 9}, 3, 2), (Bytes{1, 2, 3, 0, 9, 0, 0, 0}));
    // Rows past the height and deltas off the image store nothing.
    EXPECT_EQ(Expand8({0, 0, 0, 0, 0, 0, 3, 7}, 2, 2), (Bytes(8, 0)));
    EXPECT_EQ(Expand8({0, 2, 255, 0, 2, 1, 0, 2, 0, 255, 1, 5}, 2, 2), (Bytes(8, 0)));
    // Data that ends inside a literal, a delta or a pair keeps what was expanded.
    EXPECT_EQ(Expand8({2, 1, 0, 6, 9}, 4, 1), (Bytes{1, 1, 0, 0}));
    EXPECT_EQ(Expand8({2, 1, 0, 2, 1}, 4, 1), (Bytes{1, 1, 0, 0}));
    EXPECT_EQ(Expand8({2, 1, 3}, 4, 1), (Bytes{1, 1, 0, 0}));
    // Zero or negative sizes expand nothing.
    Bytes none(4, 0xEE);
    DecodeRle8(none, Bytes{4, 1}, 0, 1);
    DecodeRle8(none, Bytes{4, 1}, 4, -1);
    EXPECT_EQ(none, Bytes(4, 0xEE));
}

TEST(DecodeRle4, NibblesAlternateHighFirst) {
    // Run of 5 of 0x12: 1 2 1 2 1; then literal of 3 nibbles 3 4 5 (2 bytes, even): x ends
    // at 8, so the next run of 1 x 0x70 lands on pixel 8.
    EXPECT_EQ(Expand4({5, 0x12, 0, 3, 0x34, 0x50, 1, 0x70, 0, 1}, 10, 1),
              (Bytes{0x12, 0x12, 0x13, 0x45, 0x70, 0, 0, 0}));
    // A literal of 5 nibbles is 3 bytes, padded to 4.
    EXPECT_EQ(Expand4({0, 5, 0x12, 0x34, 0x50, 0x00, 2, 0xEE, 0, 1}, 8, 1),
              (Bytes{0x12, 0x34, 0x5E, 0xE0}));
    // Run cut at an odd width keeps the low nibble of the last byte at 0.
    EXPECT_EQ(Expand4({9, 0xAB, 0, 0, 1, 0xC0}, 3, 2), (Bytes{0xAB, 0xA0, 0, 0, 0xC0, 0, 0, 0}));
}

TEST_F(ImagingTest, RunLengthBitmapsConvert) {
    bmptest::BmpFile f{.width = 6, .height = 3, .bitCount = 8, .compression = 1, .colorsUsed = 2};
    f.palette = {0xFFFFFF, 0x000000};
    // Bottom row: 1 1 0 1 1 1; row 1: delta to x = 4, then 1 1; top row: all index 1, cut.
    f.pixels = {2, 1, 1, 0, 3, 1, 0, 0, 0, 2, 4, 0, 2, 1, 0, 0, 9, 1, 0, 1};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    const std::vector<std::string> rows = {"110111", "000011", "111111"};
    ExpectTransfer(6, 3, [&](int x, int y) {
        return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '1';
    });
    EXPECT_EQ(*image.sourceBits, f.pixels);  // the encoded bytes are kept as read

    bmptest::BmpFile g{.width = 5, .height = 2, .bitCount = 4, .compression = 2, .colorsUsed = 2};
    g.palette = {0xFFFFFF, 0x000000};
    g.pixels = {5, 0x10, 0, 0, 0, 3, 0x01, 0x10, 0, 1};
    ASSERT_TRUE(Load(bmptest::Build(g)));
    const std::vector<std::string> rows4 = {"10101", "01100"};
    ExpectTransfer(5, 2, [&](int x, int y) {
        return rows4[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '1';
    });
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(ImagingTest, RunLengthSizeFieldBeyondTheFile) {
    // The size field claims 4 GB; only what the file holds is taken.
    bmptest::BmpFile f{.width = 4, .height = 1, .bitCount = 8, .compression = 1, .colorsUsed = 2};
    f.palette = {0xFFFFFF, 0x000000};
    f.pixels = {4, 1};
    f.imageSize = 0xFFFFFFFF;
    ASSERT_TRUE(Load(bmptest::Build(f)));
    EXPECT_EQ(image.sourceBits->size(), 2u);
    ExpectTransfer(4, 1, [](int, int) { return true; });
}

TEST_F(ImagingTest, CompressionsEachDepthRefuses) {
    const std::vector<std::pair<std::uint16_t, std::uint32_t>> refused = {
        {1, 1},  {1, 3},  {4, 1},  {4, 3},  {8, 2},  {8, 3},
        {16, 1}, {16, 2}, {24, 1}, {24, 3}, {32, 1}, {32, 4}};
    for (auto [depth, compression] : refused) {
        SCOPED_TRACE(testing::Message() << depth << " bits, compression " << compression);
        op.Clear();
        bmptest::BmpFile f{.width = 2, .height = 2, .bitCount = depth, .compression = compression};
        f.pixels.assign(64, 0);
        EXPECT_FALSE(Load(bmptest::Build(f)));
        ExpectOnlyError(texts::IDS_BMP_UNSUPPORTED);
        EXPECT_FALSE(image.sourceInfo.has_value());
    }
}
