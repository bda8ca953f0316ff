// Pictures of other formats, handed over by a decoder as RGBA rows, against the 24-bit
// bitmap of the same pixels; and how the reader and the batch conversion route files.
#include <gtest/gtest.h>

#include <functional>

#include "imaging/BatchConversion.h"
#include "imaging/BitmapLoader.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/LogoDataFile.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::Bytes;

namespace {

struct Rgba {
    std::uint8_t r, g, b, a;
};
using Picture = std::function<Rgba(int x, int y)>;

// A decoder of "*.fake" files that hands over `picture` in blocks of `blockRows` rows,
// then reports `outcome`; with `failAfterRows` it breaks off after that many rows.
class CFakeDecoder : public IImageDecoder {
  public:
    std::int32_t width = 0, height = 0, blockRows = 3;
    Picture picture;
    DecodeOutcome outcome = DecodeOutcome::Decoded;
    int failAfterRows = -1;
    ImageDecodeRequest lastRequest;

    bool Handles(const std::filesystem::path& path) const override {
        return path.extension() == ".fake";
    }
    DecodeOutcome Decode(const std::filesystem::path&, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink) override {
        lastRequest = request;
        if (!sink.Begin(width, height)) return DecodeOutcome::Stopped;
        std::vector<std::uint8_t> block(static_cast<std::size_t>(width) * 4 * blockRows);
        for (int y0 = 0; y0 < height; y0 += blockRows) {
            const int rows = std::min(blockRows, height - y0);
            if (failAfterRows >= 0 && y0 >= failAfterRows) return DecodeOutcome::Unreadable;
            for (int r = 0; r < rows; ++r) {
                for (int x = 0; x < width; ++x) {
                    const Rgba p = picture(x, y0 + r);
                    std::uint8_t* d = block.data() + (static_cast<std::size_t>(r) * width + x) * 4;
                    d[0] = p.r, d[1] = p.g, d[2] = p.b, d[3] = p.a;
                }
            }
            sink.Rows(y0, rows, block.data(), static_cast<std::size_t>(width) * 4);
        }
        return outcome;
    }
};

// The reference: each pixel laid over white in integers, as a 24-bit bitmap (bottom-up).
Bytes TrueColourBitmapOf(std::int32_t width, std::int32_t height, const Picture& picture) {
    bmptest::BmpFile f{
        .width = width, .height = height, .bitCount = 24, .xPelsPerMeter = 0, .yPelsPerMeter = 0};
    f.pixels = bmptest::PackPixels(24, width, height, [&](int x, int y) {
        const Rgba p = picture(x, height - 1 - y);
        auto over = [&](unsigned c) { return (c * p.a + 255u * (255u - p.a) + 127u) / 255u; };
        return over(p.r) << 16 | over(p.g) << 8 | over(p.b);
    });
    return bmptest::Build(f);
}

Rgba Colourful(int x, int y) {
    const std::uint8_t v = static_cast<std::uint8_t>(x * 37 + y * 11);
    return {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(v * 3), 255};
}

}  // namespace

class DecodedImageTest : public ImagingTest {
  protected:
    DecodedImageTest() { reader.SetDecoder(&decoder); }
    CFakeDecoder decoder;
    CLogoFileReader reader;
    bmptest::TempFolder folder;
};

TEST_F(DecodedImageTest, ThePictureIsReadAsItsTrueColourBitmapWouldBe) {
    decoder.width = 37;
    decoder.height = 11;
    decoder.picture = Colourful;
    ASSERT_TRUE(reader.Load("/d/logo.fake", image, op));

    CurrentImage expected;
    ASSERT_TRUE(LoadBitmapBytes(TrueColourBitmapOf(37, 11, Colourful), "/d/x.bmp", expected, op));
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_EQ(image.sourceInfo, expected.sourceInfo);
    EXPECT_EQ(image.sourceBits, expected.sourceBits);
    EXPECT_EQ(image.transferInfo, expected.transferInfo);
    EXPECT_EQ(image.transferBits, expected.transferBits);

    // Without source pixels only the transfer image is kept, and it is the same.
    CurrentImage streamed;
    streamed.keepSourcePixels = false;
    ASSERT_TRUE(reader.Load("/d/logo.fake", streamed, op));
    EXPECT_FALSE(streamed.sourceBits.has_value());
    EXPECT_EQ(streamed.transferBits, expected.transferBits);
}

TEST_F(DecodedImageTest, TransparencyIsLaidOverWhiteBeforeTheThreshold) {
    // Black at falling opacity: over white it is gray 255 - alpha (rounded); the gray of
    // alpha 127 is 128 (black), of alpha 126 129 (white).
    const std::uint8_t alphas[] = {255, 128, 127, 126, 1, 0};
    decoder.width = 6;
    decoder.height = 1;
    decoder.picture = [&](int x, int) { return Rgba{0, 0, 0, alphas[x]}; };
    ASSERT_TRUE(reader.Load("/d/a.fake", image, op));
    ExpectTransfer(6, 1, [](int x, int) { return x <= 2; });
    // A fully transparent pixel is white whatever its colour.
    decoder.picture = [](int, int) { return Rgba{0, 0, 0, 0}; };
    ASSERT_TRUE(reader.Load("/d/a.fake", image, op));
    ExpectTransfer(6, 1, [](int, int) { return false; });
}

TEST_F(DecodedImageTest, RefusalsShowTheirMessagesAndKeepNoHalfPicture) {
    decoder.picture = Colourful;
    decoder.width = 4;
    decoder.height = 4;
    ASSERT_TRUE(reader.Load("/d/a.fake", image, op));
    const CurrentImage before = image;

    decoder.width = 7993;  // over the limit: refused before any pixel, image unchanged
    EXPECT_FALSE(reader.Load("/d/a.fake", image, op));
    ExpectOnlyError(texts::IDS_BMP_TOO_LARGE);
    EXPECT_EQ(image.transferBits, before.transferBits);
    EXPECT_EQ(image.sourceInfo, before.sourceInfo);

    // Pictures name their format and the reason; out of memory keeps string 105; a stop
    // asked for by the operator shows nothing.
    const auto picture = [](std::string_view why) {
        return "FAKEファイルを読み込めませんでした。\r\n" + std::string(why);
    };
    const std::pair<DecodeOutcome, std::string> outcomes[] = {
        {DecodeOutcome::Unreadable, picture(texts::kPictureBroken)},
        {DecodeOutcome::NotRenderable, picture(texts::kPictureNotDrawn)},
        {DecodeOutcome::TooLarge, picture(texts::kPictureTooLarge)},
        {DecodeOutcome::OverTime, picture(texts::kPictureOverTime)},
        {DecodeOutcome::NoMemory, std::string(texts::StringTable(texts::IDS_NO_MEMORY))}};
    decoder.width = 8;
    decoder.height = 9;
    for (const auto& [outcome, message] : outcomes) {
        op.Clear();
        decoder.outcome = outcome;
        EXPECT_FALSE(reader.Load("/d/a.fake", image, op));
        ASSERT_EQ(op.Messages().size(), 1u);
        EXPECT_EQ(op.Messages()[0].text, message);
        EXPECT_FALSE(image.sourceBits.has_value());
        EXPECT_FALSE(image.transferBits.has_value());
    }
    op.Clear();
    decoder.outcome = DecodeOutcome::Interrupted;
    EXPECT_FALSE(reader.Load("/d/a.fake", image, op));
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_FALSE(image.transferBits.has_value());
    // Breaking off half-way is a failure too, whatever the decoder then says.
    op.Clear();
    decoder.outcome = DecodeOutcome::Decoded;
    decoder.failAfterRows = 3;
    EXPECT_FALSE(reader.Load("/d/a.fake", image, op));
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, picture(texts::kPictureBroken));
    EXPECT_FALSE(image.transferBits.has_value());
}

TEST_F(DecodedImageTest, FilesGoToTheDecoderOnlyWhenNeitherBitmapNorLogoData) {
    EXPECT_EQ(reader.Kind("/d/a.fake"), LogoFileKind::Picture);
    EXPECT_EQ(reader.Kind("/d/a.fake.bmp"), LogoFileKind::Bitmap);
    EXPECT_EQ(reader.Kind("/d/A.PLD"), LogoFileKind::LogoData);
    EXPECT_EQ(reader.Kind("/d/a.txt"), LogoFileKind::Unsupported);
    EXPECT_EQ(CLogoFileReader().Kind("/d/a.fake"), LogoFileKind::Unsupported);
    EXPECT_FALSE(CLogoFileReader().Load("/d/a.fake", image, op));
    EXPECT_TRUE(op.Messages().empty());
}

TEST_F(DecodedImageTest, BatchConversionNamesPicturesByTheirStem) {
    decoder.width = 9;
    decoder.height = 2;
    decoder.picture = Colourful;
    bmptest::WriteFile(folder / "x.bitmap", TrueColourBitmapOf(9, 2, Colourful));
    const std::vector<std::filesystem::path> files = {folder / "logo.v2.fake", folder / "x.bitmap"};
    const BatchConversionResult result = ConvertBitmapsToLogoFiles(files, reader, image, op);
    EXPECT_EQ(result.converted, 2);
    // Both hold the same picture under their own numbers.
    Bytes picture = bmptest::ReadFile(folder / "logo.v2.pld");
    Bytes bitmap = bmptest::ReadFile(folder / "x.bitpld");
    ASSERT_EQ(picture.size(), bitmap.size());
    EXPECT_EQ(picture[6 + 8], '0');
    EXPECT_EQ(bitmap[6 + 8], '1');
    picture[6 + 8] = bitmap[6 + 8];
    EXPECT_EQ(picture, bitmap);
    EXPECT_EQ(LogoDataPathFor("/d/LOGO.BMP", LogoFileKind::Bitmap), "/d/LOGO.pld");
    EXPECT_EQ(LogoDataPathFor("/d/logo.jpeg", LogoFileKind::Picture), "/d/logo.pld");
}
