#include "decode/CRasterPictureDecoder.h"

#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <chrono>

#include "decode/CWarningWatch.h"

namespace {

// The largest picture the size limit lets through (7992 x 7992) at the widest pixel Qt
// decodes into (16 bits a channel); anything claiming more is refused before decoding.
constexpr int kAllocationLimitMb = 512;
constexpr int kRowsPerBlock = 64;

bool IsAcceptedFormat(const QByteArray& format) {
    static const std::array<QByteArray, 6> kFormats = {"png", "jpeg", "jpg", "gif", "webp", "tiff"};
    return std::find(kFormats.begin(), kFormats.end(), format.toLower()) != kFormats.end();
}

}  // namespace

CRasterPictureDecoder::CRasterPictureDecoder() {
    QImageReader::setAllocationLimit(kAllocationLimitMb);
}

DecodeOutcome CRasterPictureDecoder::Decode(QIODevice& device, const ImageDecodeRequest& request,
                                            IRgbaRowSink& sink, std::string& reason) const {
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);  // one stored pixel is one dot, as in a bitmap
    // Only the formats named here: an SVG or another format in disguise is not read.
    if (!IsAcceptedFormat(reader.format())) {
        reason = "PNG、JPEG、GIF、WebP、TIFFのどの画像でもありません。";
        return DecodeOutcome::Unreadable;
    }

    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return DecodeOutcome::Unreadable;
    if (!sink.Begin(size.width(), size.height())) return DecodeOutcome::Stopped;

    QImage picture;
    {
        // A cut-off JPEG decodes "successfully" with its missing part gray; libjpeg's
        // warning ("Premature end of JPEG file", "... premature end of data segment") is the only
        // sign of it.
        CWarningWatch watch("premature end");
        if (!reader.read(&picture) || watch.Seen()) return DecodeOutcome::Unreadable;
    }
    if (picture.size() != size) return DecodeOutcome::Unreadable;

    const auto deadline = std::chrono::steady_clock::now() + request.timeBudget;
    for (int y = 0; y < picture.height(); y += kRowsPerBlock) {
        if (request.stopRequested && request.stopRequested()) return DecodeOutcome::Interrupted;
        if (std::chrono::steady_clock::now() > deadline) return DecodeOutcome::OverTime;
        const int rows = std::min(kRowsPerBlock, picture.height() - y);
        const QImage block =
            picture.copy(0, y, picture.width(), rows).convertToFormat(QImage::Format_RGBA8888);
        if (block.isNull()) return DecodeOutcome::NoMemory;
        sink.Rows(y, rows, block.constBits(), static_cast<std::size_t>(block.bytesPerLine()));
    }
    return DecodeOutcome::Decoded;
}
