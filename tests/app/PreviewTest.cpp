#include <QtTest>

#include "app/present/DibFile.h"
#include "app/view/CPreviewImages.h"
#include "app/view/CPreviewWidget.h"
#include "imaging/CurrentImage.h"

namespace {

constexpr QRgb kGrey = qRgb(120, 120, 120);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

void Put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A one-bit description: 40-byte header and a two-entry palette.
std::vector<std::uint8_t> MonoInfo(int width, int height, QRgb colour0, QRgb colour1) {
    std::vector<std::uint8_t> info(kMonoInfoSize, 0);
    Put32(info, 0, 40);
    Put32(info, 4, static_cast<std::uint32_t>(width));
    Put32(info, 8, static_cast<std::uint32_t>(height));
    info[12] = 1;  // planes
    info[14] = 1;  // bits per pixel
    const QRgb palette[2] = {colour0, colour1};
    for (int i = 0; i < 2; ++i) {
        info[40 + 4 * i] = static_cast<std::uint8_t>(qBlue(palette[i]));
        info[41 + 4 * i] = static_cast<std::uint8_t>(qGreen(palette[i]));
        info[42 + 4 * i] = static_cast<std::uint8_t>(qRed(palette[i]));
    }
    return info;
}

// A two-pixel-wide image, left pixel black and right white in every row (bits 1, 0 with
// the transfer palette white, black).
CurrentImage HalfBlackImage(int height) {
    CurrentImage image;
    image.transferInfo = MonoInfo(2, height, kWhite, kBlack);
    image.transferBits = ImageBlock(static_cast<std::size_t>(4 * height), 0);
    for (int row = 0; row < height; ++row) (*image.transferBits)[4 * row] = 0x80;
    // The source as a 1-bit bitmap with the opposite bit sense: palette black, white.
    image.sourceInfo = MonoInfo(2, height, kBlack, kWhite);
    image.sourceBits = ImageBlock(static_cast<std::size_t>(4 * height), 0);
    for (int row = 0; row < height; ++row) (*image.sourceBits)[4 * row] = 0x40;
    return image;
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void bmpFileWrapsTheDib();
    void decodesBothPictures();
    void absentBlocksGiveNoPicture();
    void placeholderIsUnscaledAndClipped();
    void pictureIsFittedIntoTheGreyFrame();
    void nullImageLeavesTheFrameAsItWas();
};

void PreviewTest::bmpFileWrapsTheDib() {
    const std::vector<std::uint8_t> info(48, 7);
    const std::vector<std::uint8_t> bits(10, 9);
    const auto file = MakeBmpFile(info, bits);
    QCOMPARE(file.size(), std::size_t{14 + 48 + 10});
    QCOMPARE(file[0], std::uint8_t('B'));
    QCOMPARE(file[1], std::uint8_t('M'));
    QCOMPARE(file[2], std::uint8_t(72));   // file size
    QCOMPARE(file[10], std::uint8_t(62));  // pixels right after the description
    QCOMPARE(file[14], std::uint8_t(7));
    QCOMPARE(file[62], std::uint8_t(9));
}

void PreviewTest::decodesBothPictures() {
    const CurrentImage image = HalfBlackImage(3);
    const QImage transfer = TransferPreviewImage(image);
    QCOMPARE(transfer.size(), QSize(2, 3));
    QCOMPARE(transfer.pixel(0, 0), kBlack);
    QCOMPARE(transfer.pixel(1, 0), kWhite);
    QCOMPARE(transfer.pixel(0, 2), kBlack);
    // The source has the opposite bit sense and its own palette: both look alike.
    const QImage source = SourcePreviewImage(image);
    QCOMPARE(source.size(), QSize(2, 3));
    QCOMPARE(source.pixel(0, 1), kBlack);
    QCOMPARE(source.pixel(1, 1), kWhite);
}

void PreviewTest::absentBlocksGiveNoPicture() {
    CurrentImage image = HalfBlackImage(3);
    image.ReleasePixels();
    QVERIFY(SourcePreviewImage(image).isNull());
    QVERIFY(TransferPreviewImage(image).isNull());
    QVERIFY(SourcePreviewImage(CurrentImage{}).isNull());
    // A description too short to be one.
    CurrentImage broken;
    broken.sourceInfo = ImageBlock(12, 0);
    broken.sourceBits = ImageBlock(12, 0);
    QVERIFY(SourcePreviewImage(broken).isNull());
}

void PreviewTest::placeholderIsUnscaledAndClipped() {
    CPreviewWidget frame;
    frame.resize(132, 144);
    QVERIFY(frame.IsPlaceholder());
    QCOMPARE(CPreviewWidget::PlaceholderPicture().size(), QSize(163, 157));
    QCOMPARE(frame.TargetRect(), QRect(1, 1, 130, 142));
    const QImage shot = frame.grab().toImage();
    const QImage picture = CPreviewWidget::PlaceholderPicture();
    QCOMPARE(shot.pixel(0, 0), kBlack);  // the outline
    for (int y = 1; y < 143; y += 7) {
        for (int x = 1; x < 131; x += 3) {
            QCOMPARE(shot.pixel(x, y), picture.pixel(x - 1, y - 1));
        }
    }
}

void PreviewTest::pictureIsFittedIntoTheGreyFrame() {
    CPreviewWidget frame;
    frame.resize(132, 144);
    // 200 x 100: drawn at (1, 1) with 130 x 64.
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    frame.ShowImage(wide);
    QVERIFY(!frame.IsPlaceholder());
    QCOMPARE(frame.TargetRect(), QRect(1, 1, 130, 64));
    QImage shot = frame.grab().toImage();
    QCOMPARE(shot.pixel(0, 0), kBlack);
    QCOMPARE(shot.pixel(131, 143), kBlack);
    QCOMPARE(shot.pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(shot.pixel(130, 64), qRgb(255, 0, 0));
    QCOMPARE(shot.pixel(131 - 1, 65), kGrey);  // just below the picture
    QCOMPARE(shot.pixel(60, 120), kGrey);

    // 50 x 200: 34 x 142.
    QImage tall(50, 200, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    frame.ShowImage(tall);
    QCOMPARE(frame.TargetRect(), QRect(1, 1, 34, 142));
    shot = frame.grab().toImage();
    QCOMPARE(shot.pixel(34, 142), qRgb(0, 0, 255));
    QCOMPARE(shot.pixel(35, 10), kGrey);

    // Nearest neighbour: a 2 x 1 black-and-white picture stays two sharp halves.
    QImage pair(2, 1, QImage::Format_RGB32);
    pair.setPixel(0, 0, kBlack);
    pair.setPixel(1, 0, kWhite);
    frame.ShowImage(pair);
    QCOMPARE(frame.TargetRect(), QRect(1, 1, 130, 64));
    shot = frame.grab().toImage();
    for (int x = 1; x <= 130; ++x) {
        const QRgb expected = x <= 65 ? kBlack : kWhite;
        QCOMPARE(shot.pixel(x, 30), expected);
    }
}

void PreviewTest::nullImageLeavesTheFrameAsItWas() {
    CPreviewWidget frame;
    frame.resize(132, 144);
    QImage square(100, 100, QImage::Format_RGB32);
    square.fill(Qt::green);
    frame.ShowImage(square);
    frame.ShowImage(QImage());
    QVERIFY(!frame.IsPlaceholder());
    QCOMPARE(frame.TargetRect(), QRect(1, 1, 130, 130));
    frame.ShowPlaceholder();
    QVERIFY(frame.IsPlaceholder());
}

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
