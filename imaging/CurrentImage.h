#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Size of a BITMAPINFOHEADER, and of the one-bit description (header + two palette entries).
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kMonoInfoSize = kInfoHeaderSize + 8;

using ImageBlock = std::vector<std::uint8_t>;

// The one image pair of the view: the source bitmap as read and its one-bit transfer image.
// A block that is std::nullopt is absent; nothing is drawn from an absent pixel block.
struct CurrentImage {
    // Info header (40 bytes) followed by the colour table or masks that the depth reads.
    std::optional<ImageBlock> sourceInfo;
    // The pixel array as read; for run-length data, the encoded bytes.
    std::optional<ImageBlock> sourceBits;
    // 48 bytes: the one-bit info header and the palette white, black.
    std::optional<ImageBlock> transferInfo;
    // Bottom-up rows of TransferStride() bytes, most significant bit leftmost, 1 = black.
    std::optional<ImageBlock> transferBits;
    // Whether loads keep the source pixels. A front end that never draws the source image
    // clears it, and large files then stream through the converters a block at a time.
    bool keepSourcePixels = true;

    // Width and height from transferInfo; 0 when it is absent.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Bytes per row of transferBits (rows padded to 32 bits).
    std::size_t TransferStride() const;
    // Bytes per packed row (no padding): ceil(width / 8).
    std::size_t PackedRowBytes() const;
    // height * PackedRowBytes(): the pattern size of the logo files.
    std::size_t PatternSize() const;
    // True when the transfer image can be read: description and pixels both present and
    // the pixels as large as the description says.
    bool HasTransferImage() const;

    // Drops both pixel blocks, so that no description is drawn with pixels of another file.
    void ReleasePixels();
};

// Row stride of a one-bit image of `width` pixels, padded to 32 bits.
constexpr std::size_t MonoStride(std::size_t width) { return ((width + 31) / 32) * 4; }
