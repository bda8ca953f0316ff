#pragma once

#include <QImage>
#include <optional>

#include "imaging/CurrentImage.h"

// The two pictures of the current image, decoded once per content: the frames ask for them
// on every paint, and a picture is decoded again only when its blocks have changed.
class CPreviewPictures {
  public:
    // A null picture when the pixel block is absent or cannot be drawn.
    const QImage& Source(const CurrentImage& image);
    const QImage& Transfer(const CurrentImage& image);

  private:
    struct CDecoded {
        bool m_valid = false;
        std::optional<ImageBlock> m_info;
        std::optional<ImageBlock> m_bits;
        QImage m_picture;

        bool Holds(const std::optional<ImageBlock>& info,
                   const std::optional<ImageBlock>& bits) const {
            return m_valid && m_info == info && m_bits == bits;
        }
    };

    CDecoded m_source;
    CDecoded m_transfer;
};
