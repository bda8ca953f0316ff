#include "imaging/CurrentImage.h"

#include "imaging/LittleEndian.h"

std::int32_t CurrentImage::Width() const {
    if (!transferInfo || transferInfo->size() < kInfoHeaderSize) return 0;
    return le::GetI32(transferInfo->data() + 4);
}

std::int32_t CurrentImage::Height() const {
    if (!transferInfo || transferInfo->size() < kInfoHeaderSize) return 0;
    return le::GetI32(transferInfo->data() + 8);
}

std::size_t CurrentImage::TransferStride() const {
    const std::int32_t width = Width();
    return width > 0 ? MonoStride(static_cast<std::size_t>(width)) : 0;
}

std::size_t CurrentImage::PackedRowBytes() const {
    const std::int32_t width = Width();
    return width > 0 ? (static_cast<std::size_t>(width) + 7) / 8 : 0;
}

std::size_t CurrentImage::PatternSize() const {
    const std::int32_t height = Height();
    return height > 0 ? static_cast<std::size_t>(height) * PackedRowBytes() : 0;
}

bool CurrentImage::HasTransferImage() const {
    if (!transferInfo || !transferBits) return false;
    const std::int32_t height = Height();
    if (Width() <= 0 || height <= 0) return false;
    return transferBits->size() >= TransferStride() * static_cast<std::size_t>(height);
}

void CurrentImage::ReleasePixels() {
    sourceBits.reset();
    transferBits.reset();
}
