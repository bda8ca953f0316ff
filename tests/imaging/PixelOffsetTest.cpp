// Where the pixels start (the file header's pixel offset) and the streaming read of large
// images, checked against the same pictures written without a gap.
#include <gtest/gtest.h>

#include "imaging/BitmapLoader.h"
#include "imaging/LittleEndian.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::BmpFile;
using bmptest::Bytes;
using bmptest::PackPixels;

namespace {

bool Pattern(int x, int y) { return (x * 5 + y * 3) % 7 < 3; }

// `file` with `gap` bytes of 0x55 inserted at `at` (the end of the tables) and the file
// header's pixel offset set to `offset`.
Bytes WithGap(Bytes file, std::size_t at, std::size_t gap, std::uint32_t offset) {
    file.insert(file.begin() + static_cast<std::ptrdiff_t>(at), gap, 0x55);
    le::PutU32(file.data() + 10, offset);
    return file;
}

// The transfer image that loading `file` gives.
Bytes TransferOf(const Bytes& file, bool keepSource = true) {
    CRecordingOperator op;
    CurrentImage image;
    image.keepSourcePixels = keepSource;
    EXPECT_TRUE(LoadBitmapBytes(file, "/d/x.bmp", image, op));
    EXPECT_TRUE(op.Messages().empty());
    return image.transferBits.value_or(Bytes{});
}

BmpFile Picture24(int width, int height) {
    return {.width = width,
            .height = height,
            .bitCount = 24,
            .pixels = PackPixels(24, width, height, [](int x, int y) {
                return Pattern(x, y) ? 0x102030u : 0xF0E0D0u;
            })};
}

}  // namespace

TEST(PixelOffset, GapsAndUnneededPalettesBeforeThePixelsAreSkipped) {
    // A 24-bit picture with a 256-entry palette it does not need, as some writers emit.
    const BmpFile f24 = Picture24(9, 5);
    const Bytes plain24 = bmptest::Build(f24);
    const Bytes expected = TransferOf(plain24);
    EXPECT_EQ(TransferOf(WithGap(plain24, 54, 1024, 54 + 1024)), expected);

    // 5-6-5 masks followed by a palette, then the pixels.
    const BmpFile f16{.width = 6,
                      .height = 3,
                      .bitCount = 16,
                      .compression = 3,
                      .masks = {0xF800, 0x07E0, 0x001F},
                      .pixels = PackPixels(16, 6, 3, [](int x, int y) {
                          return Pattern(x, y) ? 0x0000u : 0xFFFFu;
                      })};
    const Bytes plain16 = bmptest::Build(f16);
    EXPECT_EQ(TransferOf(WithGap(plain16, 66, 64, 66 + 64)), TransferOf(plain16));

    // An 8-bit picture with two bytes between its colour table and its pixels.
    const BmpFile f8{
        .width = 7,
        .height = 4,
        .bitCount = 8,
        .colorsUsed = 2,
        .palette = {0x000000, 0xFFFFFF},
        .pixels = PackPixels(8, 7, 4, [](int x, int y) { return Pattern(x, y) ? 0u : 1u; })};
    const Bytes plain8 = bmptest::Build(f8);
    EXPECT_EQ(TransferOf(WithGap(plain8, 62, 2, 64)), TransferOf(plain8));

    // Run-length data after a gap.
    const BmpFile rle{.width = 4,
                      .height = 2,
                      .bitCount = 8,
                      .compression = 1,
                      .colorsUsed = 2,
                      .palette = {0xFFFFFF, 0x000000},
                      .pixels = {2, 1, 2, 0, 0, 0, 4, 1, 0, 1}};
    const Bytes plainRle = bmptest::Build(rle);
    EXPECT_EQ(TransferOf(WithGap(plainRle, 62, 6, 68)), TransferOf(plainRle));
}

TEST(PixelOffset, OffsetsBeforeTheTablesOrOutsideTheFileAreIgnored) {
    const Bytes plain = bmptest::Build(Picture24(9, 5));
    const Bytes expected = TransferOf(plain);
    for (std::uint32_t offset :
         {0u, 14u, 53u, static_cast<std::uint32_t>(plain.size()), 0xFFFFFFFFu}) {
        Bytes file = plain;
        le::PutU32(file.data() + 10, offset);
        EXPECT_EQ(TransferOf(file), expected) << "offset " << offset;
    }
    // An 8-bit file whose offset points into its colour table reads the pixels after it.
    const BmpFile f8{.width = 3,
                     .height = 2,
                     .bitCount = 8,
                     .colorsUsed = 2,
                     .palette = {0x000000, 0xFFFFFF},
                     .pixels = PackPixels(8, 3, 2, [](int x, int) { return x % 2u; })};
    Bytes into = bmptest::Build(f8);
    le::PutU32(into.data() + 10, 58);
    EXPECT_EQ(TransferOf(into), TransferOf(bmptest::Build(f8)));
}

TEST(StreamingRead, WithoutSourcePixelsTheTransferImageIsTheSame) {
    // Large enough for several blocks of rows with a short last block, in every depth the
    // blocks serve; from memory and from a file.
    bmptest::TempFolder folder;
    for (std::uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        BmpFile f{.width = 301, .height = 700, .bitCount = bits};
        if (bits <= 8) {
            f.palette.assign(std::size_t{1} << bits, 0xFFFFFF);
            f.palette[0] = 0x000000;
        }
        f.pixels = PackPixels(bits, f.width, f.height, [bits](int x, int y) -> std::uint32_t {
            if (!Pattern(x, y))
                return bits == 1 ? 1 : bits <= 8 ? 1 : bits == 16 ? 0x7FFF : 0xFFFFFF;
            return 0;
        });
        const Bytes file = bmptest::Build(f);
        const Bytes kept = TransferOf(file, true);
        EXPECT_EQ(kept, bmptest::MonoRows(f.width, f.height, Pattern)) << bits << " bpp";
        EXPECT_EQ(TransferOf(file, false), kept) << bits << " bpp";

        bmptest::WriteFile(folder / "s.bmp", file);
        CRecordingOperator op;
        CurrentImage image;
        image.keepSourcePixels = false;
        ASSERT_TRUE(LoadBitmapFile(folder / "s.bmp", image, op));
        EXPECT_FALSE(image.sourceBits.has_value());
        EXPECT_EQ(image.transferBits, kept) << bits << " bpp from a file";
        image.keepSourcePixels = true;
        ASSERT_TRUE(LoadBitmapFile(folder / "s.bmp", image, op));
        EXPECT_EQ(image.sourceBits, f.pixels) << bits << " bpp kept";
    }
}

TEST(StreamingRead, AShortFileStillReadsMissingRowsAsZero) {
    BmpFile f = Picture24(50, 600);
    Bytes file = bmptest::Build(f);
    const std::size_t missing = 300 * 152 + 7;  // the top rows and a part of one more
    file.resize(file.size() - missing);
    for (std::size_t i = f.pixels.size() - missing; i < f.pixels.size(); ++i) f.pixels[i] = 0;
    EXPECT_EQ(TransferOf(file, false), TransferOf(bmptest::Build(f)));
}
