#include "imaging/ConverterSupport.h"

#include <algorithm>
#include <new>

#include "imaging/ImagingMessages.h"
#include "res/Texts.h"

namespace converter {

bool ReadPixelBlocks(CByteSource& file, std::size_t sourceSize, CurrentImage& image,
                     IOperator& op) {
    // The previous blocks go first, so that old and new never coexist.
    image.ReleasePixels();
    try {
        const std::span<const std::uint8_t> rest = file.Rest();
        const std::size_t available = std::min(sourceSize, rest.size());
        ImageBlock source;
        source.reserve(sourceSize);
        source.assign(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(available));
        source.resize(sourceSize, 0);
        file.Skip(available);
        image.sourceBits = std::move(source);
        image.transferBits =
            ImageBlock(image.TransferStride() * static_cast<std::size_t>(image.Height()), 0);
    } catch (const std::bad_alloc&) {
        return FailNoMemory(image, op);
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
