// The Qt decoder through the core's reader: every raster format of one shared picture gives
// what its 24-bit bitmap gives; SVG at its printed size; the limits on untrusted files.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <chrono>
#include <cmath>
#include <fstream>

#include "decode/CQtImageDecoder.h"
#include "decode/SvgDocumentCheck.h"
#include "decode/SvgLength.h"
#include "imaging/BitmapLoader.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/LogoDataFile.h"
#include "res/Texts.h"
#include "tests/imaging/BmpBuilder.h"
#include "tests/support/CRecordingOperator.h"

using bmptest::Bytes;

namespace {

// The CRC of a PNG chunk (type and data), so that a doctored header still reads as valid.
std::uint32_t PngCrc(const std::uint8_t* bytes, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// 16 x 16 blocks of black, red, green / blue, gray 120, gray 136 (far enough from the
// threshold for a lossless-looking JPEG), as in data/picture.gif.
QImage SharedPicture() {
    const QRgb colours[] = {qRgb(0, 0, 0),   qRgb(255, 0, 0),     qRgb(0, 255, 0),
                            qRgb(0, 0, 255), qRgb(120, 120, 120), qRgb(136, 136, 136)};
    QImage picture(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 48; ++x) picture.setPixel(x, y, colours[x / 16 + 3 * (y / 16)]);
    }
    return picture;
}

class QtDecoderTest : public ::testing::Test {
  protected:
    QtDecoderTest() { reader.SetDecoder(&decoder); }

    void Write(const QImage& picture, const char* name, const char* format, int quality = -1) {
        QImageWriter writer(QString::fromStdString((folder / name).string()), format);
        if (quality >= 0) writer.setQuality(quality);
        ASSERT_TRUE(writer.write(picture)) << name << ": " << writer.errorString().toStdString();
    }
    // The .pld file that reading `name` gives, or empty after a failure.
    Bytes LogoFileOf(const std::string& name) {
        if (!reader.Load(folder / name, image, op)) return {};
        EXPECT_TRUE(WriteLogoDataFile(folder / "out.pld", "LOGO", image, op));
        return bmptest::ReadFile(folder / "out.pld");
    }
    void ExpectRefused(const std::string& name, int message) {
        ExpectRefused(name, std::string(texts::StringTable(message)), "");
    }
    // A picture's own message: its format and why, then what the decoder said, if anything.
    void ExpectRefused(const std::string& name, const std::string& start,
                       const std::string& detail) {
        op.Clear();
        EXPECT_FALSE(reader.Load(folder / name, image, op)) << name;
        ASSERT_EQ(op.Messages().size(), 1u) << name;
        const std::string& text = op.Messages()[0].text;
        EXPECT_EQ(text.rfind(start, 0), 0u) << name << ": " << text;
        if (!detail.empty()) {
            EXPECT_NE(text.find(detail), std::string::npos) << name << ": " << text;
        }
    }
    static std::string PictureFailed(const std::string& format, std::string_view why) {
        return format + "ファイルを読み込めませんでした。\r\n" + std::string(why);
    }

    CQtImageDecoder decoder;
    CLogoFileReader reader;
    CRecordingOperator op;
    CurrentImage image;
    bmptest::TempFolder folder;
};

}  // namespace

TEST_F(QtDecoderTest, EveryRasterFormatGivesWhatItsTrueColourBitmapGives) {
    const QImage picture = SharedPicture();
    Write(picture, "shared.bmp", "bmp");
    Write(picture, "shared.png", "png");
    Write(picture, "shared.jpg", "jpeg", 100);
    Write(picture, "shared.webp", "webp", 100);
    Write(picture, "shared.tif", "tiff");
    std::filesystem::copy_file(STAMPIX_DECODE_DATA "/picture.gif", folder / "shared.gif");
    std::filesystem::copy_file(STAMPIX_DECODE_DATA "/animated.gif", folder / "animated.gif");

    const Bytes expected = LogoFileOf("shared.bmp");
    ASSERT_EQ(expected.size(), 154u + 32 * 6);
    for (const char* name :
         {"shared.png", "shared.jpg", "shared.webp", "shared.tif", "shared.gif", "animated.gif"}) {
        EXPECT_EQ(LogoFileOf(name), expected) << name;
    }
    EXPECT_TRUE(op.Messages().empty());

    // A transparent PNG is laid over white: its invisible black pixels are white.
    QImage clear(4, 2, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    clear.setPixel(0, 0, qRgba(0, 0, 0, 255));
    Write(clear, "clear.png", "png");
    ASSERT_TRUE(reader.Load(folder / "clear.png", image, op));
    EXPECT_EQ(*image.transferBits, bmptest::MonoRows(4, 2, [](int x, int y) {
        return x == 0 && y == 1;  // the top row is the last one of the bitmap
    }));
}

// Everything a decoder hands over, to compare two decodings.
class CRecordingSink : public IRgbaRowSink {
  public:
    bool Begin(std::int32_t width, std::int32_t height) override {
        size = {width, height};
        return true;
    }
    void Rows(std::int32_t first, std::int32_t count, const std::uint8_t* rgba,
              std::size_t stride) override {
        for (std::int32_t r = 0; r < count; ++r) {
            const std::uint8_t* row = rgba + static_cast<std::size_t>(r) * stride;
            rows.emplace_back(first + r,
                              Bytes(row, row + 4 * static_cast<std::size_t>(size.first)));
        }
    }
    std::pair<std::int32_t, std::int32_t> size{0, 0};
    std::vector<std::pair<std::int32_t, Bytes>> rows;
};

TEST_F(QtDecoderTest, BytesInMemoryDecodeAsTheirFileDoes) {
    Write(SharedPicture(), "shared.png", "png");
    Write(SharedPicture(), "shared.jpg", "jpeg", 90);
    bmptest::WriteFile(folder / "disc.svg", [] {
        const std::string text =
            "<svg xmlns='http://www.w3.org/2000/svg' width='10mm' height='5mm' "
            "viewBox='0 0 20 10'><circle cx='10' cy='5' r='4'/></svg>";
        return Bytes(text.begin(), text.end());
    }());
    for (const char* name : {"shared.png", "shared.jpg", "disc.svg"}) {
        SCOPED_TRACE(name);
        CRecordingSink fromFile;
        CRecordingSink fromMemory;
        ASSERT_EQ(decoder.Decode(folder / name, {}, fromFile), DecodeOutcome::Decoded);
        const Bytes bytes = bmptest::ReadFile(folder / name);
        ASSERT_EQ(decoder.DecodeBytes(bytes, name, {}, fromMemory), DecodeOutcome::Decoded);
        EXPECT_GT(fromFile.size.first, 0);
        EXPECT_EQ(fromMemory.size, fromFile.size);
        EXPECT_EQ(fromMemory.rows, fromFile.rows);
    }
    // Bytes of no format, and a file that is not there, each with its reason.
    CRecordingSink ignored;
    const Bytes noise(64, 0x5A);
    EXPECT_EQ(decoder.DecodeBytes(noise, "noise.png", {}, ignored), DecodeOutcome::Unreadable);
    EXPECT_NE(decoder.Reason().find("PNG、JPEG"), std::string::npos);
    EXPECT_EQ(decoder.Decode(folder / "missing.png", {}, ignored), DecodeOutcome::Unreadable);
    EXPECT_EQ(decoder.Reason(), "ファイルを開けません。");
}

TEST_F(QtDecoderTest, AHeavyBandIsEndedByTheBudgetAndByAStopAtOnce) {
    // One path of 20,000 segments across a 7992 x 256 picture: a single band that takes
    // far longer to draw than either wait below.
    std::string path = "M0,0";
    unsigned seed = 1;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        path += " L" + std::to_string(seed % 100) + "," + std::to_string((seed >> 8) % 100);
    }
    const std::string text =
        "<svg xmlns='http://www.w3.org/2000/svg' width='999mm' height='32mm' viewBox='0 0 100 "
        "100' preserveAspectRatio='none'><path d='" +
        path + "' stroke='black' fill='none' stroke-width='0.3'/></svg>";
    bmptest::WriteFile(folder / "heavy.svg", Bytes(text.begin(), text.end()));
    using Clock = std::chrono::steady_clock;
    CRecordingSink sink;

    ImageDecodeRequest request{.timeBudget = std::chrono::milliseconds(500)};
    auto start = Clock::now();
    EXPECT_EQ(decoder.Decode(folder / "heavy.svg", request, sink), DecodeOutcome::OverTime);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));

    start = Clock::now();
    request = {
        .stopRequested = [&] { return Clock::now() - start > std::chrono::milliseconds(300); }};
    EXPECT_EQ(decoder.Decode(folder / "heavy.svg", request, sink), DecodeOutcome::Interrupted);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    EXPECT_TRUE(sink.rows.empty());  // not one row of it was handed over
}

TEST_F(QtDecoderTest, SvgIsDrawnAtItsPrintedSizeOnBothModels) {
    bmptest::WriteFile(folder / "half.svg", [] {
        const std::string text =
            "<svg xmlns='http://www.w3.org/2000/svg' width='40mm' height='1in' "
            "viewBox='0 0 40 25.4'><rect width='20' height='25.4'/></svg>";
        return Bytes(text.begin(), text.end());
    }());
    for (const int dotsPerMm : {8, 12}) {
        reader.m_request = {.dotsPerMm = dotsPerMm};
        ASSERT_TRUE(reader.Load(folder / "half.svg", image, op));
        const int width = 40 * dotsPerMm;
        const int height = static_cast<int>(std::lround(25.4 * dotsPerMm));
        EXPECT_EQ(image.Width(), width);
        EXPECT_EQ(image.Height(), height);
        // The left half is black, the right half white, edges included.
        EXPECT_EQ(*image.transferBits, bmptest::MonoRows(width, height, [&](int x, int) {
            return x < width / 2;
        })) << dotsPerMm;
    }
    // A width asked for keeps the aspect ratio; both asked for are both taken.
    reader.m_request = {.dotsPerMm = 12, .widthMm = 10.0};
    ASSERT_TRUE(reader.Load(folder / "half.svg", image, op));
    EXPECT_EQ(image.Width(), 120);
    EXPECT_EQ(image.Height(), 76);
    reader.m_request = {.dotsPerMm = 8, .widthMm = 5.0, .heightMm = 2.0};
    ASSERT_TRUE(reader.Load(folder / "half.svg", image, op));
    EXPECT_EQ(image.Width(), 40);
    EXPECT_EQ(image.Height(), 16);

    // Units: px and none at 96 per inch, pt and pc as parts of an inch, % refused.
    EXPECT_DOUBLE_EQ(*SvgLengthInMm("96px"), 25.4);
    EXPECT_DOUBLE_EQ(*SvgLengthInMm(" 96 "), 25.4);
    EXPECT_DOUBLE_EQ(*SvgLengthInMm("72pt"), 25.4);
    EXPECT_DOUBLE_EQ(*SvgLengthInMm("6pc"), 25.4);
    EXPECT_DOUBLE_EQ(*SvgLengthInMm("2.5cm"), 25.0);
    EXPECT_FALSE(SvgLengthInMm("100%"));
    EXPECT_FALSE(SvgLengthInMm("3em"));
    EXPECT_FALSE(SvgLengthInMm("mm"));
}

TEST_F(QtDecoderTest, SvgProportionsFollowPreserveAspectRatio) {
    // A square viewBox in a 4:1 picture: a circle stays a circle, placed as the attribute says.
    const auto circle = [&](const std::string& attribute) {
        const std::string text =
            "<svg xmlns='http://www.w3.org/2000/svg' width='40mm' height='10mm' "
            "viewBox='0 0 100 100'" +
            attribute + "><circle cx='50' cy='50' r='50'/></svg>";
        bmptest::WriteFile(folder / "circle.svg", Bytes(text.begin(), text.end()));
        reader.m_request = {.dotsPerMm = 8};
        EXPECT_TRUE(reader.Load(folder / "circle.svg", image, op)) << attribute;
        EXPECT_EQ(image.Width(), 320);
        EXPECT_EQ(image.Height(), 80);
    };
    // Black columns of the middle row (the bottom-up row 40), as first and last.
    const auto blackColumns = [&] {
        std::pair<int, int> span{-1, -1};
        const std::uint8_t* row = image.transferBits->data() + 40 * image.TransferStride();
        for (int x = 0; x < image.Width(); ++x) {
            if ((row[x / 8] >> (7 - x % 8)) & 1) span = {span.first < 0 ? x : span.first, x};
        }
        return span;
    };
    circle("");  // the default: centred and fitted
    EXPECT_EQ(blackColumns(), std::make_pair(120, 199));
    circle(" preserveAspectRatio='xMinYMid meet'");
    EXPECT_EQ(blackColumns(), std::make_pair(0, 79));
    circle(" preserveAspectRatio='xMaxYMax'");
    EXPECT_EQ(blackColumns(), std::make_pair(240, 319));
    circle(" preserveAspectRatio='none'");  // stretched on purpose: an ellipse
    EXPECT_EQ(blackColumns(), std::make_pair(0, 319));
    circle(" preserveAspectRatio='xMidYMid slice'");  // covers: the middle row is all black
    EXPECT_EQ(blackColumns(), std::make_pair(0, 319));
    circle(" preserveAspectRatio='sideways'");  // malformed: the default
    EXPECT_EQ(blackColumns(), std::make_pair(120, 199));

    const SvgPlacement slice = PlaceViewBox(100, 100, 320, 80, "xMinYMax slice");
    EXPECT_DOUBLE_EQ(slice.width, 320);
    EXPECT_DOUBLE_EQ(slice.y, -240);
    EXPECT_DOUBLE_EQ(PlaceViewBox(100, 100, 320, 80, "defer xMaxYMin").x, 240);
}

TEST_F(QtDecoderTest, UntrustedFilesAreRefusedBeforeTheyCostAnything) {
    // A PNG that claims 100000 x 100000 pixels: refused from its header.
    QImage small(1, 1, QImage::Format_RGB32);
    small.fill(Qt::black);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "png");
    Bytes bomb(png.begin(), png.end());
    const std::uint8_t side[] = {0x00, 0x01, 0x86, 0xA0};  // 100000, big-endian
    std::copy(side, side + 4, bomb.begin() + 16);
    std::copy(side, side + 4, bomb.begin() + 20);
    const std::uint32_t crc = PngCrc(bomb.data() + 12, 17);  // "IHDR" and its 13 bytes
    for (int i = 0; i < 4; ++i) bomb[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    bmptest::WriteFile(folder / "bomb.png", bomb);
    ExpectRefused("bomb.png", texts::IDS_BMP_TOO_LARGE);

    // A JPEG cut short, and a file that is no picture at all.
    Write(SharedPicture().scaled(400, 400), "whole.jpg", "jpeg", 90);
    Bytes jpeg = bmptest::ReadFile(folder / "whole.jpg");
    jpeg.resize(jpeg.size() / 2);
    bmptest::WriteFile(folder / "cut.jpg", jpeg);
    ExpectRefused("cut.jpg", PictureFailed("JPEG", texts::kPictureBroken), "");
    bmptest::WriteFile(folder / "text.png", Bytes{'h', 'e', 'l', 'l', 'o'});
    ExpectRefused("text.png", PictureFailed("PNG", texts::kPictureBroken), "");
    ExpectRefused("missing.webp", PictureFailed("WebP", texts::kPictureBroken), "");
    // A PNG cut inside its pixel data: libpng's own words become the detail, not stderr.
    Write(SharedPicture().scaled(300, 300), "whole.png", "png");
    Bytes cutPng = bmptest::ReadFile(folder / "whole.png");
    cutPng.resize(cutPng.size() / 2);
    bmptest::WriteFile(folder / "cut.png", cutPng);
#if !defined(__SANITIZE_ADDRESS__)  // standard error stays the sanitizer's there
    ExpectRefused("cut.png", PictureFailed("PNG", texts::kPictureBroken), "libpng");
#endif

    // SVG that reaches outside itself, nests without end, declares entities or is huge.
    const auto svg = [&](const std::string& name, const std::string& body) {
        const std::string text =
            "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
            "width='10mm' height='10mm'>" +
            body + "</svg>";
        bmptest::WriteFile(folder / name, Bytes(text.begin(), text.end()));
    };
    Write(small, "outside.png", "png");
    svg("external.svg", "<image width='10' height='10' xlink:href='outside.png'/>");
    svg("svgdata.svg", "<image width='10' height='10' href='data:image/svg+xml;base64,AAAA'/>");
    svg("import.svg", "<style>@import url(other.css);</style>");
    std::string deep;
    for (int i = 0; i < 300; ++i) deep += "<g>";
    for (int i = 0; i < 300; ++i) deep += "</g>";
    svg("deep.svg", deep);
    svg("unclosed.svg", "<g>");
    const std::string entities =
        "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'>]>"
        "<svg xmlns='http://www.w3.org/2000/svg' width='1mm' height='1mm'>&a;</svg>";
    bmptest::WriteFile(folder / "entities.svg", Bytes(entities.begin(), entities.end()));
    bmptest::WriteFile(folder / "nosize.svg", Bytes{'<', 's', 'v', 'g', '/', '>'});
    {
        std::ofstream huge(folder / "huge.svg", std::ios::binary);
        huge.seekp(kMaxSvgFileBytes + 1);
        huge.put(' ');
    }
    const std::pair<const char*, const char*> refusals[] = {{"external.svg", "文書の外を参照"},
                                                            {"svgdata.svg", "文書の外を参照"},
                                                            {"import.svg", "文書の外を参照"},
                                                            {"deep.svg", "入れ子が深すぎる"},
                                                            {"unclosed.svg", "正しくありません"},
                                                            {"entities.svg", "実体宣言"},
                                                            {"nosize.svg", "大きさ"},
                                                            {"huge.svg", "16MB"}};
    for (const auto& [name, why] : refusals) {
        ExpectRefused(name, PictureFailed("SVG", texts::kPictureNotDrawn), why);
    }
    // Deep but within the limit, and referring to itself, is drawn.
    svg("fine.svg", "<defs><rect id='r' width='5' height='5'/></defs><use href='#r'/>");
    EXPECT_TRUE(reader.Load(folder / "fine.svg", image, op));
    // Larger than the printer's limit at its printed size.
    reader.m_request = {.dotsPerMm = 8, .widthMm = 1000.0};
    ExpectRefused("fine.svg", texts::IDS_BMP_TOO_LARGE);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
