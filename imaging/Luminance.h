#pragma once

#include <cstdint>
#include <span>

// Gray value of a colour: (5 R + 9 G + 2 B) >> 4, 0 to 255.
constexpr std::uint8_t Luminance(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint8_t>((5u * r + 9u * g + 2u * b) >> 4);
}

// Gray at or below this is black (depths 4 to 32); a one-bit palette entry is black only
// below kOneBitBlackBelow.
inline constexpr std::uint8_t kBlackAtMost = 128;
inline constexpr std::uint8_t kOneBitBlackBelow = 128;

// Tables that widen a 5-bit channel (32 entries) and a 6-bit channel (64 entries) to 8 bits.
void BuildChannelTables(std::span<std::uint8_t, 32> table5, std::span<std::uint8_t, 64> table6);
