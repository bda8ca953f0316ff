#include "decode/SvgBandPainter.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::size_t kBandBytes = 64u << 20;
constexpr int kMinRowsPerBand = 256;

}  // namespace

int SvgRowsPerBand(int width, int height) {
    const std::size_t rowBytes = static_cast<std::size_t>(std::max(width, 1)) * 4;
    const auto fit = static_cast<int>(std::min<std::size_t>(kBandBytes / rowBytes, INT32_MAX));
    return std::min(height, std::max(kMinRowsPerBand, fit));
}

QImage PaintSvgBand(QSvgRenderer& renderer, const QRectF& bounds, int width, int top, int rows) {
    QImage band(width, rows, QImage::Format_RGBA8888);
    if (band.isNull()) return band;
    band.fill(Qt::white);
    QPainter painter(&band);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(0, -top);
    painter.setClipRect(QRectF(0, top, width, rows));
    renderer.render(&painter, bounds);
    return band;
}
