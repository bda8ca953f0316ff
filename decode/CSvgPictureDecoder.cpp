#include "decode/CSvgPictureDecoder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "decode/SvgDocumentCheck.h"

namespace {

constexpr int kRowsPerBand = 256;

}  // namespace

DecodeOutcome CSvgPictureDecoder::Decode(const std::filesystem::path& path,
                                         const ImageDecodeRequest& request,
                                         IRgbaRowSink& sink) const {
    QFile file(QFile::decodeName(path.c_str()));
    if (!file.open(QIODevice::ReadOnly)) return DecodeOutcome::Unreadable;
    if (file.size() > kMaxSvgFileBytes) return DecodeOutcome::NotRenderable;
    const QByteArray document = file.read(kMaxSvgFileBytes + 1);
    if (document.size() > kMaxSvgFileBytes) return DecodeOutcome::NotRenderable;

    const std::optional<SvgSizeFacts> facts = CheckSvgDocument(document);
    if (!facts) return DecodeOutcome::NotRenderable;
    const std::optional<DotSize> size = SvgPrintedSize(*facts, request);
    if (!size) return DecodeOutcome::NotRenderable;
    QSvgRenderer renderer(document);
    if (!renderer.isValid()) return DecodeOutcome::NotRenderable;
    if (!sink.Begin(size->width, size->height)) return DecodeOutcome::Stopped;

    const QRectF bounds(0, 0, size->width, size->height);
    for (int y = 0; y < size->height; y += kRowsPerBand) {
        const int rows = std::min(kRowsPerBand, size->height - y);
        QImage band(size->width, rows, QImage::Format_RGBA8888);
        if (band.isNull()) return DecodeOutcome::NoMemory;
        band.fill(Qt::white);
        {
            QPainter painter(&band);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.translate(0, -y);
            renderer.render(&painter, bounds);
        }
        sink.Rows(y, rows, band.constBits(), static_cast<std::size_t>(band.bytesPerLine()));
    }
    return DecodeOutcome::Decoded;
}
