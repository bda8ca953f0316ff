#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Expand run-length encoded 8-bit (RLE8) and 4-bit (RLE4) bitmap data into `dst`, a
// zero-filled index buffer of `height` rows of the uncompressed stride of the depth.
// Pixels beyond a row's width are dropped; expansion stops at end of bitmap, when the row
// reaches the height, or when the data runs out (what was expanded stays).
void DecodeRle8(std::span<std::uint8_t> dst, std::span<const std::uint8_t> encoded,
                std::int32_t width, std::int32_t height);
void DecodeRle4(std::span<std::uint8_t> dst, std::span<const std::uint8_t> encoded,
                std::int32_t width, std::int32_t height);
