#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "imaging/CurrentImage.h"

inline constexpr std::size_t kFileHeaderSize = 14;

// Compression values of the info header.
inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t BI_RLE8 = 1;
inline constexpr std::uint32_t BI_RLE4 = 2;
inline constexpr std::uint32_t BI_BITFIELDS = 3;

// A bitmap's info header (BITMAPINFOHEADER), with the 40 bytes it was read from.
struct BitmapInfoHeader {
    std::array<std::uint8_t, kInfoHeaderSize> raw{};
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t colorsImportant = 0;
    // Longer headers (V2 to V5) carry the three colour masks themselves.
    std::optional<std::array<std::uint32_t, 3>> headerMasks;
    // The file header's pixel offset (not part of the info header; set by the loader).
    std::uint32_t pixelOffset = 0;

    // Reads the fields from the first 40 bytes of `bytes`, which must hold at least 40.
    static BitmapInfoHeader Parse(std::span<const std::uint8_t> bytes);
};
