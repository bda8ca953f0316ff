#include "decode/CSvgPictureDecoder.h"

#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <chrono>
#include <cstdint>

#include "decode/SvgDocumentCheck.h"

namespace {

// A band holds as many rows as fit in this, so that a large picture is drawn a few times at
// most: every band draws the whole document again, clipped.
constexpr std::size_t kBandBytes = 64u << 20;
constexpr int kMinRowsPerBand = 256;

int RowsPerBand(int width, int height) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const auto fit = static_cast<int>(std::min<std::size_t>(kBandBytes / rowBytes, INT32_MAX));
    return std::min(height, std::max(kMinRowsPerBand, fit));
}

}  // namespace

DecodeOutcome CSvgPictureDecoder::Decode(QIODevice& device, const ImageDecodeRequest& request,
                                         IRgbaRowSink& sink, std::string& reason) const {
    const QByteArray document =
        device.size() > kMaxSvgFileBytes ? QByteArray() : device.read(kMaxSvgFileBytes + 1);
    if (device.size() > kMaxSvgFileBytes || document.size() > kMaxSvgFileBytes) {
        reason = "ファイルが16MBを超えています。";
        return DecodeOutcome::NotRenderable;
    }
    const std::optional<SvgSizeFacts> facts = CheckSvgDocument(document, &reason);
    if (!facts) return DecodeOutcome::NotRenderable;
    const std::optional<DotSize> size = SvgPrintedSize(*facts, request);
    if (!size) {
        reason = "文書に大きさ（width、height または viewBox）がありません。";
        return DecodeOutcome::NotRenderable;
    }
    QSvgRenderer renderer(document);
    if (!renderer.isValid()) {
        reason = "SVG文書として正しくありません。";
        return DecodeOutcome::NotRenderable;
    }
    if (!sink.Begin(size->width, size->height)) return DecodeOutcome::Stopped;

    // The viewBox lands where preserveAspectRatio puts it (by default centred, not
    // stretched); the renderer maps its viewBox onto the rectangle it is given.
    const QRectF viewBox = renderer.viewBoxF();
    const SvgPlacement placed = PlaceViewBox(viewBox.width(), viewBox.height(), size->width,
                                             size->height, facts->preserveAspectRatio);
    const QRectF bounds(placed.x, placed.y, placed.width, placed.height);
    const auto deadline = std::chrono::steady_clock::now() + request.timeBudget;
    const int rowsPerBand = RowsPerBand(size->width, size->height);
    for (int y = 0; y < size->height; y += rowsPerBand) {
        if (request.stopRequested && request.stopRequested()) return DecodeOutcome::Interrupted;
        if (std::chrono::steady_clock::now() > deadline) return DecodeOutcome::OverTime;
        const int rows = std::min(rowsPerBand, size->height - y);
        QImage band(size->width, rows, QImage::Format_RGBA8888);
        if (band.isNull()) return DecodeOutcome::NoMemory;
        band.fill(Qt::white);
        {
            QPainter painter(&band);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.translate(0, -y);
            painter.setClipRect(QRectF(0, y, size->width, rows));
            renderer.render(&painter, bounds);
        }
        sink.Rows(y, rows, band.constBits(), static_cast<std::size_t>(band.bytesPerLine()));
    }
    return DecodeOutcome::Decoded;
}
