#include "app/view/CPreviewWidget.h"

#include <QPainter>

#include "app/present/NoImagePicture.h"
#include "app/present/PreviewGeometry.h"

namespace {

constexpr QRgb kFrameGrey = qRgb(120, 120, 120);

QRect ToQRect(const PreviewRect& rect) {
    return QRect(rect.m_x, rect.m_y, rect.m_width, rect.m_height);
}

}  // namespace

CPreviewWidget::CPreviewWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CPreviewWidget::PlaceholderPicture() {
    static const QImage picture = [] {
        QImage image(kNoImageWidth, kNoImageHeight, QImage::Format_RGB32);
        const auto pixels = NoImagePicture();
        for (int y = 0; y < kNoImageHeight; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < kNoImageWidth; ++x) {
                line[x] = pixels[static_cast<std::size_t>(y * kNoImageWidth + x)] != 0
                              ? qRgb(0, 0, 0)
                              : qRgb(255, 255, 255);
            }
        }
        return image;
    }();
    return picture;
}

void CPreviewWidget::ShowPlaceholder() {
    Show(std::nullopt);
    update();
}

void CPreviewWidget::ShowImage(const QImage& image) {
    Show(image);
    update();
}

void CPreviewWidget::FollowSource() {
    if (m_source) Show(m_source());
}

void CPreviewWidget::Show(const std::optional<QImage>& picture) {
    if (!picture) {
        m_placeholder = true;
    } else if (!picture->isNull()) {
        m_placeholder = false;
        m_image = *picture;
    }
}

QRect CPreviewWidget::TargetRect() const {
    if (m_placeholder) {
        return ToQRect(PlaceholderRect(width(), height(), kNoImageWidth, kNoImageHeight));
    }
    return ToQRect(PreviewTargetRect(width(), height(), m_image.width(), m_image.height()));
}

void CPreviewWidget::paintEvent(QPaintEvent* /*event*/) {
    FollowSource();
    QPainter painter(this);
    // The grey ground with its one-pixel outline.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(kFrameGrey));
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    const QRect target = TargetRect();
    if (target.isEmpty()) {
        return;
    }
    if (m_placeholder) {
        // Unscaled, clipped to the inner area.
        painter.drawImage(target.topLeft(), PlaceholderPicture(),
                          QRect(0, 0, target.width(), target.height()));
        return;
    }
    // Nearest neighbour, as the printer will see it: no smoothing.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_image);
}
