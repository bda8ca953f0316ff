#include "imaging/DecodedImageLoader.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

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

// "PNG", "JPEG", "SVG", ...: the format as the operator knows it, from the file's name.
std::string FormatName(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == "JPG" || extension == "JPE") return "JPEG";
    if (extension == "TIF") return "TIFF";
    if (extension == "WEBP") return "WebP";
    return extension.empty() ? "画像" : extension;
}

void ShowPictureError(IOperator& op, const std::filesystem::path& path, std::string_view why,
                      const std::string& said) {
    const std::string format(texts::kPictureFailedFormat);
    const std::string name = FormatName(path);
    std::string text(format.size() + name.size() + why.size(), '\0');
    std::snprintf(text.data(), text.size() + 1, format.c_str(), name.c_str(),
                  std::string(why).c_str());
    text.resize(std::strlen(text.c_str()));
    if (!said.empty()) text += std::string(texts::kPictureDecoderSaid) + said;
    ShowImagingErrorText(op, text);
}

}  // namespace

bool LoadDecodedImage(const std::filesystem::path& path, IImageDecoder& decoder,
                      const ImageDecodeRequest& request, CurrentImage& image, IOperator& op) {
    CRgbaBinarizer sink(image, op);
    const DecodeOutcome outcome = decoder.Decode(path, request, sink);
    if (outcome == DecodeOutcome::Decoded && sink.Began()) return true;
    // A picture that broke off half-way leaves no pixels behind.
    if (sink.Began()) image.ReleasePixels();
    const std::string said = decoder.Reason();
    switch (outcome) {
        case DecodeOutcome::Stopped:      // the sink has said why
        case DecodeOutcome::Interrupted:  // the operator asked for it
            break;
        case DecodeOutcome::TooLarge:
            ShowPictureError(op, path, texts::kPictureTooLarge, said);
            break;
        case DecodeOutcome::NotRenderable:
            ShowPictureError(op, path, texts::kPictureNotDrawn, said);
            break;
        case DecodeOutcome::OverTime:
            ShowPictureError(op, path, texts::kPictureOverTime, said);
            break;
        case DecodeOutcome::NoMemory:
            ShowImagingError(op, texts::IDS_NO_MEMORY);
            break;
        case DecodeOutcome::Decoded:
        case DecodeOutcome::Unreadable:
            ShowPictureError(op, path, texts::kPictureBroken, said);
            break;
    }
    return false;
}
