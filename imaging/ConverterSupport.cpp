#include "imaging/ConverterSupport.h"

#include <algorithm>
#include <new>

#include "imaging/ImagingMessages.h"
#include "res/Texts.h"

namespace converter {

namespace {

// Rows that pass through the block buffer at a time: enough to keep reads large, small
// enough to stay in the processor's cache.
constexpr std::size_t kBlockBytes = 64 * 1024;

// The block's storage when it can be reused for `size` bytes without holding far more than
// that; fresh memory costs a page fault per page, which dominates large loads.
ImageBlock TakeStorage(std::optional<ImageBlock>& block, std::size_t size) {
    ImageBlock storage;
    if (block && block->capacity() >= size && block->capacity() / 2 <= size)
        storage = std::move(*block);
    block.reset();
    return storage;
}

std::size_t ImageHeight(const CurrentImage& image) {
    return static_cast<std::size_t>(image.Height());
}

}  // namespace

void MoveToPixels(CByteSource& file, const BitmapInfoHeader& header) {
    if (header.pixelOffset >= file.Position() && header.pixelOffset < file.Size()) {
        file.Skip(header.pixelOffset - file.Position());
    }
}

bool ReadPixelBlocks(CByteSource& file, std::size_t sourceSize, CurrentImage& image,
                     IOperator& op) {
    const std::size_t transferSize = image.TransferStride() * ImageHeight(image);
    // The previous blocks are dropped first, so that old and new pixels never coexist.
    ImageBlock source = TakeStorage(image.sourceBits, sourceSize);
    ImageBlock transfer = TakeStorage(image.transferBits, transferSize);
    try {
        source.resize(sourceSize);
        file.Read(source);
        transfer.assign(transferSize, 0);
    } catch (const std::bad_alloc&) {
        return FailNoMemory(image, op);
    }
    image.sourceBits = std::move(source);
    image.transferBits = std::move(transfer);
    return true;
}

bool ConvertPixelRows(CByteSource& file, std::size_t stride, CurrentImage& image, IOperator& op,
                      const RowConverter& convertRow) {
    const std::size_t height = ImageHeight(image);
    if (image.keepSourcePixels) {
        if (!ReadPixelBlocks(file, stride * height, image, op)) return false;
    } else {
        image.sourceBits.reset();
        ImageBlock transfer = TakeStorage(image.transferBits, image.TransferStride() * height);
        try {
            transfer.assign(image.TransferStride() * height, 0);
        } catch (const std::bad_alloc&) {
            return FailNoMemory(image, op);
        }
        image.transferBits = std::move(transfer);
    }
    const std::size_t transferStride = image.TransferStride();
    std::uint8_t* transfer = image.transferBits->data();
    if (image.sourceBits) {
        const std::uint8_t* source = image.sourceBits->data();
        for (std::size_t y = 0; y < height; ++y) {
            convertRow(source + y * stride, transfer + y * transferStride);
        }
        return true;
    }
    const std::size_t rowsPerBlock = std::clamp<std::size_t>(kBlockBytes / stride, 1, height);
    ImageBlock block;
    try {
        block.resize(rowsPerBlock * stride);
    } catch (const std::bad_alloc&) {
        return FailNoMemory(image, op);
    }
    for (std::size_t y = 0; y < height; y += rowsPerBlock) {
        const std::size_t rows = std::min(rowsPerBlock, height - y);
        file.Read(std::span(block).first(rows * stride));
        for (std::size_t r = 0; r < rows; ++r) {
            convertRow(block.data() + r * stride, transfer + (y + r) * transferStride);
        }
    }
    return true;
}

bool RefuseUnsupported(IOperator& op) {
    ShowImagingError(op, texts::IDS_BMP_UNSUPPORTED);
    return false;
}

bool FailNoMemory(CurrentImage& image, IOperator& op) {
    image.ReleasePixels();
    ShowImagingError(op, texts::IDS_NO_MEMORY);
    return false;
}

}  // namespace converter
