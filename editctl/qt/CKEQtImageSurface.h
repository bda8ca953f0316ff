#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <memory>

#include "editctl/window/IKESurface.h"

// A painting surface on a QImage (32-bit ARGB), drawn with QPainter.
class CKEQtImageSurface : public IKESurface {
  public:
    CKEQtImageSurface(int width, int height);

    int width() const override { return m_image.width(); }
    int height() const override { return m_image.height(); }
    void fillRect(const RECT& rect, COLORREF color) override;
    void drawChar(int x, int y, char16_t ch, const LOGFONTA* font, const RECT& clip, COLORREF text,
                  COLORREF back, bool opaque) override;
    // Glyph runs for the characters whose glyphs lie inside their cells (the clip of each
    // cell then changes nothing), one character at a time for the others.
    void drawRun(int x, int y, std::u16string_view chars, const std::int32_t* advances,
                 int cellHeight, const LOGFONTA* font, const RECT& area, COLORREF text,
                 COLORREF back, bool opaque) override;
    void drawSurface(const IKESurface& source) override;
    void copyPixels(std::uint32_t* pixels, int width, int height, int strideBytes) const override;

    const QImage& image() const;

  private:
    // One painter for the surface's drawing, ended before its pixels are read; the font of
    // the last character drawn is kept, since most characters share the control's font.
    QPainter& painter();
    void endPainting() const;
    void useFont(const LOGFONTA* font);

    QImage m_image;
    mutable std::unique_ptr<QPainter> m_painter;
    mutable bool m_hasFont = false;
    bool m_fontIsDefault = false;
    LOGFONTA m_font{};
    std::unique_ptr<QFontMetrics> m_metrics;
    QRawFont m_rawFont;  // the font's glyphs, for glyph runs
};
