#include "editctl/qt/CKEQtImageSurface.h"

#include <QFontMetrics>
#include <QGlyphRun>
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

void CKEQtImageSurface::endPainting() const {
    // The font belongs to the painter: the next painter must be given it again.
    m_painter.reset();
    m_hasFont = false;
}

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
    m_rawFont = QRawFont::fromFont(qfont);
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

void CKEQtImageSurface::drawRun(int x, int y, std::u16string_view chars,
                                const std::int32_t* advances, int cellHeight, const LOGFONTA* font,
                                const RECT& area, COLORREF text, COLORREF back, bool opaque) {
    QPainter& p = painter();
    useFont(font);
    const QString run = QString::fromUtf16(chars.data(), static_cast<qsizetype>(chars.size()));
    const QList<quint32> glyphs =
        m_rawFont.isValid() ? m_rawFont.glyphIndexesForString(run) : QList<quint32>();
    if (glyphs.size() != run.size()) {
        IKESurface::drawRun(x, y, chars, advances, cellHeight, font, area, text, back, opaque);
        return;
    }
    const int ascent = m_metrics->ascent();
    const QColor pen = ColorOf(text);
    QList<quint32> batch;
    QList<QPointF> positions;
    int batchLeft = 0;
    int batchRight = 0;
    const int clipTop = std::max<int>(y, area.top);
    const int clipBottom = std::min<int>(y + cellHeight, area.bottom);
    const auto flush = [&] {
        if (batch.isEmpty()) {
            return;
        }
        QGlyphRun glyphRun;
        glyphRun.setRawFont(m_rawFont);
        glyphRun.setGlyphIndexes(batch);
        glyphRun.setPositions(positions);
        p.setClipRect(QRect(batchLeft, clipTop, batchRight - batchLeft, clipBottom - clipTop));
        p.setPen(pen);
        p.drawGlyphRun(QPointF(0, 0), glyphRun);
        batch.clear();
        positions.clear();
    };
    int cx = x;
    for (qsizetype i = 0; i < run.size(); ++i) {
        const int advance = advances[i];
        const QRect clip(QPoint(std::max<int>(cx, area.left), clipTop),
                         QPoint(std::min<int>(cx + advance, area.right) - 1, clipBottom - 1));
        if (clip.isEmpty()) {
            flush();
            cx += advance;
            continue;
        }
        if (opaque) {
            // Each cell's own background, clipped to the cell, as drawChar fills it.
            p.setClipRect(clip);
            p.fillRect(QRect(cx, y, m_metrics->horizontalAdvance(run[i]), m_metrics->height()),
                       ColorOf(back));
        }
        // A glyph whose image (the font engine's pixel box of it) lies inside its cell is
        // drawn the same with or without the cell's clip, so it can share a run; a glyph that
        // reaches out is clipped on its own. A blank glyph draws nothing either way.
        const QRectF b = m_rawFont.boundingRect(glyphs[i]);
        const bool blank = b.width() <= 0 || b.height() <= 0;
        const bool inside = glyphs[i] != 0 &&
                            (blank || (b.left() >= 0 && b.right() <= advance &&
                                       ascent + b.top() >= 0 && ascent + b.bottom() <= cellHeight));
        if (inside) {
            if (batch.isEmpty()) {
                batchLeft = clip.left();
            }
            batch.push_back(glyphs[i]);
            positions.push_back(QPointF(cx, y + ascent));
            batchRight = clip.right() + 1;
        } else {
            flush();
            p.setClipRect(clip);
            p.setPen(pen);
            p.drawText(QPoint(cx, y + ascent), QString(run[i]));
        }
        cx += advance;
    }
    flush();
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
