// Loading bitmap files: size limits, refusals and what the image keeps after a failure.
#include <gtest/gtest.h>

#include "imaging/BitmapLoader.h"
#include "imaging/LittleEndian.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::BmpFile;
using bmptest::Bytes;

namespace {

BmpFile WhiteTrueColour(std::int32_t width, std::int32_t height) {
    BmpFile f{.width = width, .height = height, .bitCount = 24};
    f.pixels.assign(
        (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4 * static_cast<std::size_t>(height), 0xFF);
    return f;
}

}  // namespace

TEST_F(ImagingTest, SizeLimitIs7992Pixels) {
    ASSERT_TRUE(Load(bmptest::Build(WhiteTrueColour(7992, 1))));
    ASSERT_TRUE(Load(bmptest::Build(WhiteTrueColour(1, 7992))));
    EXPECT_TRUE(op.Messages().empty());
    const CurrentImage before = image;

    EXPECT_FALSE(Load(bmptest::Build(WhiteTrueColour(7993, 1))));
    ExpectOnlyError(texts::IDS_BMP_TOO_LARGE);
    op.Clear();
    // The header alone decides: the pixels need not be there.
    BmpFile tall{.width = 1, .height = 7993, .bitCount = 24};
    EXPECT_FALSE(Load(bmptest::Build(tall)));
    ExpectOnlyError(texts::IDS_BMP_TOO_LARGE);
    op.Clear();
    BmpFile huge{.width = 0x7FFFFFFF, .height = 0x7FFFFFFF, .bitCount = 32};
    EXPECT_FALSE(Load(bmptest::Build(huge)));
    ExpectOnlyError(texts::IDS_BMP_TOO_LARGE);

    EXPECT_EQ(image.sourceInfo, before.sourceInfo);
    EXPECT_EQ(image.transferInfo, before.transferInfo);
    EXPECT_EQ(image.transferBits, before.transferBits);
}

TEST_F(ImagingTest, UnsupportedBitCountNamesTheFile) {
    BmpFile f{.width = 2, .height = 2, .bitCount = 2};
    f.pixels.assign(8, 0);
    EXPECT_FALSE(Load(bmptest::Build(f)));
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, "/data/logo.bmp\r\nはサポートしていないBMPファイルです。");
    EXPECT_EQ(op.Messages()[0].caption, "エラー");
    EXPECT_EQ(op.Messages()[0].icon, MessageIcon::Exclamation);
}

TEST_F(ImagingTest, MalformedHeadersAreRefusedWith104) {
    const Bytes valid = bmptest::Build(WhiteTrueColour(3, 2));
    ASSERT_TRUE(Load(valid));
    const CurrentImage before = image;

    std::vector<std::pair<std::string, Bytes>> cases;
    cases.emplace_back("empty file", Bytes{});
    cases.emplace_back("file header only", Bytes(valid.begin(), valid.begin() + 14));
    cases.emplace_back("info header cut", Bytes(valid.begin(), valid.begin() + 53));
    auto withHeader = [&](std::size_t offset, std::uint32_t value) {
        Bytes b = valid;
        le::PutU32(b.data() + offset, value);
        return b;
    };
    cases.emplace_back("negative height", withHeader(22, static_cast<std::uint32_t>(-2)));
    cases.emplace_back("negative width", withHeader(18, static_cast<std::uint32_t>(-3)));
    cases.emplace_back("zero width", withHeader(18, 0));
    cases.emplace_back("zero height", withHeader(22, 0));
    cases.emplace_back("minimum negative height", withHeader(22, 0x80000000u));
    cases.emplace_back("header size 12", withHeader(14, 12));
    cases.emplace_back("header size past the file", withHeader(14, 0xFFFFFFF0u));
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        op.Clear();
        EXPECT_FALSE(Load(bytes));
        ExpectOnlyError(texts::IDS_BMP_UNSUPPORTED);
        EXPECT_EQ(image.sourceInfo, before.sourceInfo);
        EXPECT_EQ(image.sourceBits, before.sourceBits);
        EXPECT_EQ(image.transferBits, before.transferBits);
    }
}

TEST_F(ImagingTest, ShortFilesReadMissingBytesAsZero) {
    // Colours used 200 with a file that holds 2 entries and no pixels: the table reads the
    // pixel-less rest as zero (black entries), and the missing pixels are index 0, the
    // first entry (white).
    BmpFile f{.width = 4, .height = 2, .bitCount = 8, .colorsUsed = 200};
    f.palette = {0xFFFFFF, 0xFFFFFF};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    ExpectTransfer(4, 2, [](int, int) { return false; });
    EXPECT_EQ(image.sourceBits->size(), 8u);

    // A 24-bit image cut in its bottom row: the missing bytes are black pixels.
    BmpFile g = WhiteTrueColour(4, 2);
    g.pixels.resize(9);  // three pixels of the bottom row are left
    ASSERT_TRUE(Load(bmptest::Build(g)));
    ExpectTransfer(4, 2, [](int x, int y) { return y == 1 || x == 3; });
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(ImagingTest, FilesThatCannotBeOpened) {
    bmptest::TempFolder folder;
    EXPECT_FALSE(LoadBitmapFile(folder / "missing.bmp", image, op));
    ExpectOnlyError(texts::IDS_BMP_OPEN_FAILED);
    op.Clear();
    EXPECT_FALSE(LoadBitmapFile(folder.Path(), image, op));  // a folder
    ExpectOnlyError(texts::IDS_BMP_OPEN_FAILED);
    EXPECT_FALSE(image.transferInfo.has_value());

    const BmpFile f = WhiteTrueColour(2, 2);
    bmptest::WriteFile(folder / "white.bmp", bmptest::Build(f));
    op.Clear();
    EXPECT_TRUE(LoadBitmapFile(folder / "white.bmp", image, op));
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_EQ(*image.sourceBits, f.pixels);
}

TEST_F(ImagingTest, LoadReplacesThePreviousImage) {
    ASSERT_TRUE(Load(bmptest::Build(WhiteTrueColour(40, 3))));
    BmpFile f{.width = 2, .height = 1, .bitCount = 1};
    f.palette = {0xFFFFFF, 0x000000};
    f.pixels = {0x40, 0, 0, 0};
    ASSERT_TRUE(Load(bmptest::Build(f)));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 1);
    EXPECT_EQ(*image.transferBits, (Bytes{0x40, 0, 0, 0}));
    EXPECT_EQ(image.sourceInfo->size(), 48u);
    EXPECT_EQ(image.PatternSize(), 1u);
}
