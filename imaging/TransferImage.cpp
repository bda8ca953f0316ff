#include "imaging/TransferImage.h"

#include <new>

#include "imaging/ImagingMessages.h"
#include "res/Texts.h"

#include <algorithm>

std::vector<std::uint8_t> PackTransferImage(const CurrentImage& image) {
    if (!image.HasTransferImage()) return {};
    const std::size_t height = static_cast<std::size_t>(image.Height());
    const std::size_t rowBytes = image.PackedRowBytes();
    const std::size_t stride = image.TransferStride();
    std::vector<std::uint8_t> packed(rowBytes * height);
    const std::uint8_t* bits = image.transferBits->data();
    for (std::size_t r = 0; r < height; ++r) {
        const std::uint8_t* row = bits + (height - 1 - r) * stride;
        std::copy_n(row, rowBytes, packed.begin() + static_cast<std::ptrdiff_t>(r * rowBytes));
    }
    return packed;
}

std::optional<std::vector<std::uint8_t>> PackTransferImage(const CurrentImage& image,
                                                           IOperator& op) {
    try {
        return PackTransferImage(image);
    } catch (const std::bad_alloc&) {
        ShowImagingError(op, texts::IDS_NO_MEMORY);
        return std::nullopt;
    }
}
