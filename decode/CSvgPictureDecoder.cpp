#include "decode/CSvgPictureDecoder.h"

#include <QIODevice>
#include <QImage>
#include <QSvgRenderer>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "decode/SvgBandPainter.h"
#include "decode/SvgDocumentCheck.h"
#include "decode/SvgRenderProcess.h"

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
    const std::filesystem::path program =
        m_ownProcess ? SvgRenderProgram() : std::filesystem::path();
    if (!program.empty()) {
        if (const std::optional<DecodeOutcome> outcome =
                DrawSvgInOwnProcess(program, document, size->width, size->height, bounds, request,
                                    deadline, sink, reason)) {
            return *outcome;
        }
    }
    // Here, the budget and a stop are looked at between bands only.
    const int rowsPerBand = SvgRowsPerBand(size->width, size->height);
    for (int y = 0; y < size->height; y += rowsPerBand) {
        if (request.stopRequested && request.stopRequested()) return DecodeOutcome::Interrupted;
        if (std::chrono::steady_clock::now() > deadline) return DecodeOutcome::OverTime;
        const int rows = std::min(rowsPerBand, size->height - y);
        const QImage band = PaintSvgBand(renderer, bounds, size->width, y, rows);
        if (band.isNull()) return DecodeOutcome::NoMemory;
        sink.Rows(y, rows, band.constBits(), static_cast<std::size_t>(band.bytesPerLine()));
    }
    return DecodeOutcome::Decoded;
}
