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

QPainter& CKEQtImageSurface::painter() {
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
    }
    return *m_painter;
}

void CKEQtImageSurface::endPainting() const { m_painter.reset(); }

const QImage& CKEQtImageSurface::image() const {
    endPainting();
    return m_image;
}

void CKEQtImageSurface::useFont(const LOGFONTA* font) {
    const bool isDefault = font == nullptr;
    const bool same = m_hasFont && m_fontIsDefault == isDefault &&
                      (isDefault || std::memcmp(&m_font, font, sizeof(LOGFONTA)) == 0);
    if (same) {
        return;
    }
    const QFont qfont = CKEQtTextMeasurer::fontFor(font);
    painter().setFont(qfont);
    m_metrics = std::make_unique<QFontMetrics>(qfont);
    m_hasFont = true;
    m_fontIsDefault = isDefault;
    m_font = isDefault ? LOGFONTA{} : *font;
}

void CKEQtImageSurface::fillRect(const RECT& rect, COLORREF color) {
    QPainter& p = painter();
    p.setClipping(false);
    p.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
               ColorOf(color));
}

void CKEQtImageSurface::drawChar(int x, int y, char16_t ch, const LOGFONTA* font, const RECT& clip,
                                 COLORREF text, COLORREF back, bool opaque) {
    QPainter& p = painter();
    useFont(font);
    p.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
    const QChar qch(ch);
    if (opaque) {
        p.fillRect(QRect(x, y, m_metrics->horizontalAdvance(qch), m_metrics->height()),
                   ColorOf(back));
    }
    p.setPen(ColorOf(text));
    p.drawText(QPoint(x, y + m_metrics->ascent()), QString(qch));
}

void CKEQtImageSurface::drawSurface(const IKESurface& source) {
    const QImage& image = static_cast<const CKEQtImageSurface&>(source).image();
    QPainter& p = painter();
    p.setClipping(false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, image);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CKEQtImageSurface::copyPixels(std::uint32_t* pixels, int width, int height,
                                   int strideBytes) const {
    endPainting();
    const int w = std::min(width, m_image.width());
    for (int y = 0; y < std::min(height, m_image.height()); ++y) {
        auto* row =
            reinterpret_cast<unsigned char*>(pixels) + static_cast<std::ptrdiff_t>(y) * strideBytes;
        std::memcpy(row, m_image.constScanLine(y), static_cast<std::size_t>(w) * 4);
    }
}
