#include "app/view/CPreviewImages.h"

#include <optional>

#include "app/present/DibFile.h"
#include "imaging/CurrentImage.h"

namespace {

QImage Decode(const std::optional<ImageBlock>& info, const std::optional<ImageBlock>& bits) {
    if (!info || !bits || info->size() < kInfoHeaderSize) {
        return {};
    }
    const std::vector<std::uint8_t> file = MakeBmpFile(*info, *bits);
    return QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
}

}  // namespace

QImage SourcePreviewImage(const CurrentImage& image) {
    return Decode(image.sourceInfo, image.sourceBits);
}

QImage TransferPreviewImage(const CurrentImage& image) {
    if (!image.HasTransferImage()) {
        return {};
    }
    return Decode(image.transferInfo, image.transferBits);
}
