#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Row kernels of the converters: each turns one source row of `width` pixels into one
// transfer row (bit 7 - x % 8 of byte x / 8 set for a black pixel). The transfer row must be
// zero-filled; bits beyond the width are left alone. Tables hold 1 for black, 0 for white.
namespace binarize {

// Black flags of the 16 four-bit indices, two pixels per source byte: entry b holds the
// high nibble's flag in bit 1 and the low nibble's in bit 0.
std::array<std::uint8_t, 256> NibblePairTable(const std::array<std::uint8_t, 16>& black);

void Row1(const std::uint8_t* src, std::size_t width, bool black0, bool black1, std::uint8_t* dst);
void Row4(const std::uint8_t* src, std::size_t width, const std::array<std::uint8_t, 256>& pairs,
          std::uint8_t* dst);
void Row8(const std::uint8_t* src, std::size_t width, const std::array<std::uint8_t, 256>& black,
          std::uint8_t* dst);
// `black` has 65536 entries, one per 16-bit pixel value.
void Row16(const std::uint8_t* src, std::size_t width, const std::uint8_t* black,
           std::uint8_t* dst);
// Pixels stored blue, green, red (24 bits) or blue, green, red, ignored (32 bits).
void Row24(const std::uint8_t* src, std::size_t width, std::uint8_t* dst);
void Row32(const std::uint8_t* src, std::size_t width, std::uint8_t* dst);
// Pixels stored red, green, blue, alpha (not premultiplied): each is laid over white first,
// then judged as a 24-bit pixel. When `bgr` is given it receives the composited row as a
// 24-bit bitmap row (blue, green, red).
void RowRgba(const std::uint8_t* src, std::size_t width, std::uint8_t* dst, std::uint8_t* bgr);

}  // namespace binarize
