#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

// One preview frame of the main view: a picture fitted into a grey frame with an outline,
// or the "No image" placeholder.
class CPreviewWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CPreviewWidget(QWidget* parent = nullptr);

    // What the frame is to show, asked before every paint: no value for the placeholder, or
    // a picture (a null picture leaves the frame as it was). Without a source the frame
    // keeps what ShowPlaceholder or ShowImage gave it.
    using PictureSource = std::function<std::optional<QImage>()>;
    void SetPictureSource(PictureSource source) { m_source = std::move(source); }
    // Takes the source's answer now, without waiting for the next paint.
    void FollowSource();

    // Shows the placeholder picture, unscaled.
    void ShowPlaceholder();
    // Shows an image fitted into the frame; a null image leaves the frame as it was.
    void ShowImage(const QImage& image);

    bool IsPlaceholder() const { return m_placeholder; }
    const QImage& Image() const { return m_image; }
    // Where the picture is drawn inside the frame.
    QRect TargetRect() const;

    // The placeholder picture, 163 x 157.
    static QImage PlaceholderPicture();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Show(const std::optional<QImage>& picture);

    PictureSource m_source;
    bool m_placeholder = true;
    QImage m_image;
};
