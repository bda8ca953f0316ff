#pragma once

#include <QImage>

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
    void drawSurface(const IKESurface& source) override;
    void copyPixels(std::uint32_t* pixels, int width, int height, int strideBytes) const override;

    const QImage& image() const { return m_image; }

  private:
    QImage m_image;
};
