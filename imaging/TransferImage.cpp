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

std::optional<FileParts> WithPackedRows(std::initializer_list<std::span<const std::uint8_t>> head,
                                        const CurrentImage& image, IOperator& op) {
    try {
        FileParts rows(head);
        if (!image.HasTransferImage()) return rows;
        const std::size_t height = static_cast<std::size_t>(image.Height());
        const std::size_t stride = image.TransferStride();
        const std::span<const std::uint8_t> bits(*image.transferBits);
        rows.reserve(head.size() + height);
        for (std::size_t r = 0; r < height; ++r) {
            rows.push_back(bits.subspan((height - 1 - r) * stride, image.PackedRowBytes()));
        }
        return rows;
    } catch (const std::bad_alloc&) {
        ShowImagingError(op, texts::IDS_NO_MEMORY);
        return std::nullopt;
    }
}
