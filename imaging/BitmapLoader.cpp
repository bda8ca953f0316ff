#include "imaging/BitmapLoader.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>

#include "imaging/BitmapStrides.h"
#include "imaging/CReadOnlyFile.h"
#include "imaging/ImagingMessages.h"
#include "imaging/LittleEndian.h"
#include "res/Texts.h"

bool IsWithinSizeLimit(std::int64_t width, std::int64_t height) {
    return (width + 7) / 8 < kMaxImageBytesPerRow && (height + 7) / 8 < kMaxImageBytesPerRow;
}

namespace {

bool LoadBitmapFrom(CByteSource& source, const std::filesystem::path& path, CurrentImage& image,
                    IOperator& op) {
    // A file too short for its two headers, or whose header is shorter than an info header
    // or longer than the file, is not a bitmap this reader understands.
    if (source.Size() < kFileHeaderSize + kInfoHeaderSize) {
        ShowImagingError(op, texts::IDS_BMP_UNSUPPORTED);
        return false;
    }
    std::array<std::uint8_t, kFileHeaderSize> fileHeader{};
    source.Read(fileHeader);
    std::array<std::uint8_t, kInfoHeaderSize + 12> headerBytes{};
    const std::uint64_t headerRoom = source.Remaining();
    source.Read(std::span(headerBytes).first(kInfoHeaderSize));
    const std::uint32_t headerSize = le::GetU32(headerBytes.data());
    if (headerSize < kInfoHeaderSize || headerSize > headerRoom) {
        ShowImagingError(op, texts::IDS_BMP_UNSUPPORTED);
        return false;
    }
    std::size_t headerRead = kInfoHeaderSize;
    if (headerSize >= headerBytes.size()) {
        source.Read(std::span(headerBytes).subspan(kInfoHeaderSize));
        headerRead = headerBytes.size();
    }
    BitmapInfoHeader header =
        BitmapInfoHeader::Parse(std::span<const std::uint8_t>(headerBytes).first(headerRead));
    header.pixelOffset = le::GetU32(fileHeader.data() + 10);
    source.Skip(headerSize - headerRead);

    if (!IsWithinSizeLimit(header.width, header.height)) {
        ShowImagingError(op, texts::IDS_BMP_TOO_LARGE);
        return false;
    }
    // Top-down (negative height) and empty images are refused.
    if (header.width <= 0 || header.height <= 0) {
        ShowImagingError(op, texts::IDS_BMP_UNSUPPORTED);
        return false;
    }
    switch (header.bitCount) {
        case 1:
            return ConvertBitmap1(source, header, image, op);
        case 4:
            return ConvertBitmap4(source, header, image, op);
        case 8:
            return ConvertBitmap8(source, header, image, op);
        case 16:
            return ConvertBitmap16(source, header, image, op);
        case 24:
            return ConvertBitmap24(source, header, image, op);
        case 32:
            return ConvertBitmap32(source, header, image, op);
        default:
            ShowImagingErrorText(op,
                                 path.string() + std::string(texts::kBitCountMessageJoin) +
                                     std::string(texts::StringTable(texts::IDS_BMP_UNSUPPORTED)));
            return false;
    }
}

}  // namespace

bool LoadBitmapFile(const std::filesystem::path& path, CurrentImage& image, IOperator& op) {
    CReadOnlyFile file;
    if (!file.Open(path)) {
        ShowImagingError(op, texts::IDS_BMP_OPEN_FAILED);
        return false;
    }
    CByteSource source(file.Descriptor(), file.Size());
    return LoadBitmapFrom(source, path, image, op);
}

bool LoadBitmapBytes(std::span<const std::uint8_t> file, const std::filesystem::path& path,
                     CurrentImage& image, IOperator& op) {
    CByteSource source(file);
    return LoadBitmapFrom(source, path, image, op);
}

bool StoreImageHeaders(const BitmapInfoHeader& header, std::span<const std::uint8_t> entries,
                       std::size_t entryCount, CurrentImage& image, IOperator& op) {
    try {
        ImageBlock info(kInfoHeaderSize + entryCount * 4, 0);
        std::copy(header.raw.begin(), header.raw.end(), info.begin());
        le::PutU32(info.data(),
                   kInfoHeaderSize);  // longer headers are kept as their first 40 bytes
        std::copy_n(entries.begin(), std::min(entries.size(), entryCount * 4),
                    info.begin() + kInfoHeaderSize);

        ImageBlock transfer(kMonoInfoSize, 0);
        std::uint8_t* t = transfer.data();
        const auto width = static_cast<std::uint32_t>(header.width);
        const auto height = static_cast<std::uint32_t>(header.height);
        le::PutU32(t, kInfoHeaderSize);
        le::PutU32(t + 4, width);
        le::PutU32(t + 8, height);
        le::PutU16(t + 12, 1);
        le::PutU16(t + 14, 1);
        le::PutU32(t + 16, BI_RGB);
        le::PutU32(t + 20, static_cast<std::uint32_t>(MonoStride(width) * height));
        le::PutU32(t + 24, static_cast<std::uint32_t>(header.xPelsPerMeter));
        le::PutU32(t + 28, static_cast<std::uint32_t>(header.yPelsPerMeter));
        // Palette: index 0 white, index 1 black.
        t[40] = t[41] = t[42] = 255;

        image.sourceInfo = std::move(info);
        if (image.transferInfo) {
            *image.transferInfo = transfer;  // rewritten in place
        } else {
            image.transferInfo = std::move(transfer);
        }
    } catch (const std::bad_alloc&) {
        ShowImagingError(op, texts::IDS_NO_MEMORY);
        return false;
    }
    return true;
}
