#include "imaging/ConverterSupport.h"

#include <algorithm>
#include <new>

#include "imaging/ImagingMessages.h"
#include "res/Texts.h"

namespace converter {

namespace {

// The block's storage when it can be reused for `size` bytes without holding far more than
// that; fresh memory costs a page fault per page, which dominates large loads.
ImageBlock TakeStorage(std::optional<ImageBlock>& block, std::size_t size) {
    ImageBlock storage;
    if (block && block->capacity() >= size && block->capacity() / 2 <= size)
        storage = std::move(*block);
    block.reset();
    return storage;
}

}  // namespace

bool ReadPixelBlocks(CByteSource& file, std::size_t sourceSize, CurrentImage& image,
                     IOperator& op) {
    const std::size_t transferSize =
        image.TransferStride() * static_cast<std::size_t>(image.Height());
    // The previous blocks are dropped first, so that old and new pixels never coexist.
    ImageBlock source = TakeStorage(image.sourceBits, sourceSize);
    ImageBlock transfer = TakeStorage(image.transferBits, transferSize);
    try {
        const std::span<const std::uint8_t> rest = file.Rest();
        const std::size_t available = std::min(sourceSize, rest.size());
        source.reserve(sourceSize);
        source.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(available));
        source.resize(sourceSize, 0);
        file.Skip(available);
        transfer.assign(transferSize, 0);
    } catch (const std::bad_alloc&) {
        return FailNoMemory(image, op);
    }
    image.sourceBits = std::move(source);
    image.transferBits = std::move(transfer);
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
