#include "editctl/qt/CKEQtImageSurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "editctl/qt/CKEQtTextMeasurer.h"

namespace {

QColor ColorOf(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

}  // namespace

CKEQtImageSurface::CKEQtImageSurface(int width, int height)
    : m_image(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32) {
    m_image.fill(Qt::white);
}

void CKEQtImageSurface::fillRect(const RECT& rect, COLORREF color) {
    QPainter painter(&m_image);
    painter.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                     ColorOf(color));
}

void CKEQtImageSurface::drawChar(int x, int y, char16_t ch, const LOGFONTA* font, const RECT& clip,
                                 COLORREF text, COLORREF back, bool opaque) {
    QPainter painter(&m_image);
    const QFont qfont = CKEQtTextMeasurer::fontFor(font);
    painter.setFont(qfont);
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
    const QFontMetrics metrics(qfont);
    const QChar qch(ch);
    if (opaque) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(qch), metrics.height()),
                         ColorOf(back));
    }
    painter.setPen(ColorOf(text));
    painter.drawText(QPoint(x, y + metrics.ascent()), QString(qch));
}

void CKEQtImageSurface::drawSurface(const IKESurface& source) {
    const auto& image = static_cast<const CKEQtImageSurface&>(source).m_image;
    QPainter painter(&m_image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, image);
}

void CKEQtImageSurface::copyPixels(std::uint32_t* pixels, int width, int height,
                                   int strideBytes) const {
    const int w = std::min(width, m_image.width());
    for (int y = 0; y < std::min(height, m_image.height()); ++y) {
        auto* row =
            reinterpret_cast<unsigned char*>(pixels) + static_cast<std::ptrdiff_t>(y) * strideBytes;
        std::memcpy(row, m_image.constScanLine(y), static_cast<std::size_t>(w) * 4);
    }
}
