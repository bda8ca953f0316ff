#include "imaging/DecodedImageLoader.h"

#include <new>

#include "imaging/BitmapInfoHeader.h"
#include "imaging/BitmapLoader.h"
#include "imaging/BitmapStrides.h"
#include "imaging/ImagingMessages.h"
#include "imaging/LittleEndian.h"
#include "imaging/RowBinarizer.h"
#include "res/Texts.h"

namespace {

// Binarizes the rows a decoder hands over into the current image.
class CRgbaBinarizer : public IRgbaRowSink {
  public:
    CRgbaBinarizer(CurrentImage& image, IOperator& op) : m_image(image), m_op(op) {}

    bool Begin(std::int32_t width, std::int32_t height) override;
    void Rows(std::int32_t first, std::int32_t count, const std::uint8_t* rgba,
              std::size_t stride) override;
    bool Began() const { return m_width > 0; }

  private:
    CurrentImage& m_image;
    IOperator& m_op;
    std::size_t m_width = 0;
    std::size_t m_height = 0;
};

// The info header of a 24-bit bottom-up bitmap of the given size.
BitmapInfoHeader TrueColourHeader(std::int32_t width, std::int32_t height) {
    std::array<std::uint8_t, kInfoHeaderSize> raw{};
    le::PutU32(raw.data(), kInfoHeaderSize);
    le::PutU32(raw.data() + 4, static_cast<std::uint32_t>(width));
    le::PutU32(raw.data() + 8, static_cast<std::uint32_t>(height));
    le::PutU16(raw.data() + 12, 1);
    le::PutU16(raw.data() + 14, 24);
    le::PutU32(raw.data() + 20,
               static_cast<std::uint32_t>(Stride24(static_cast<std::size_t>(width)) *
                                          static_cast<std::size_t>(height)));
    return BitmapInfoHeader::Parse(raw);
}

bool CRgbaBinarizer::Begin(std::int32_t width, std::int32_t height) {
    if (!IsWithinSizeLimit(width, height)) {
        ShowImagingError(m_op, texts::IDS_BMP_TOO_LARGE);
        return false;
    }
    if (width <= 0 || height <= 0) {
        ShowImagingError(m_op, texts::IDS_BMP_OPEN_FAILED);
        return false;
    }
    if (!StoreImageHeaders(TrueColourHeader(width, height), {}, 0, m_image, m_op)) return false;
    m_image.ReleasePixels();
    m_width = static_cast<std::size_t>(width);
    m_height = static_cast<std::size_t>(height);
    try {
        m_image.transferBits.emplace(m_image.TransferStride() * m_height, 0);
        if (m_image.keepSourcePixels) m_image.sourceBits.emplace(Stride24(m_width) * m_height, 0);
    } catch (const std::bad_alloc&) {
        m_image.ReleasePixels();
        ShowImagingError(m_op, texts::IDS_NO_MEMORY);
        m_width = 0;
        return false;
    }
    return true;
}

void CRgbaBinarizer::Rows(std::int32_t first, std::int32_t count, const std::uint8_t* rgba,
                          std::size_t stride) {
    if (!Began() || first < 0 || count <= 0) return;
    const std::size_t transferStride = m_image.TransferStride();
    for (std::size_t r = 0; r < static_cast<std::size_t>(count); ++r) {
        const std::size_t y = static_cast<std::size_t>(first) + r;
        if (y >= m_height) return;
        const std::size_t row = m_height - 1 - y;  // bitmaps are bottom-up
        std::uint8_t* source =
            m_image.sourceBits ? m_image.sourceBits->data() + row * Stride24(m_width) : nullptr;
        binarize::RowRgba(rgba + r * stride, m_width,
                          m_image.transferBits->data() + row * transferStride, source);
    }
}

}  // namespace

bool LoadDecodedImage(const std::filesystem::path& path, IImageDecoder& decoder,
                      const ImageDecodeRequest& request, CurrentImage& image, IOperator& op) {
    CRgbaBinarizer sink(image, op);
    const DecodeOutcome outcome = decoder.Decode(path, request, sink);
    if (outcome == DecodeOutcome::Decoded && sink.Began()) return true;
    // A picture that broke off half-way leaves no pixels behind.
    if (sink.Began()) image.ReleasePixels();
    switch (outcome) {
        case DecodeOutcome::Stopped:
            break;
        case DecodeOutcome::TooLarge:
            ShowImagingError(op, texts::IDS_BMP_TOO_LARGE);
            break;
        case DecodeOutcome::NotRenderable:
            ShowImagingError(op, texts::IDS_BMP_UNSUPPORTED);
            break;
        case DecodeOutcome::NoMemory:
            ShowImagingError(op, texts::IDS_NO_MEMORY);
            break;
        case DecodeOutcome::Decoded:
        case DecodeOutcome::Unreadable:
            ShowImagingError(op, texts::IDS_BMP_OPEN_FAILED);
            break;
    }
    return false;
}
