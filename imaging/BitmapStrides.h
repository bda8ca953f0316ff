#pragma once

#include <cstddef>
#include <cstdint>

// Row strides of uncompressed bitmap pixel arrays; every row is padded to 4 bytes.
constexpr std::size_t Stride1(std::uint64_t w) {
    return static_cast<std::size_t>((w + 31) / 32 * 4);
}
constexpr std::size_t Stride4(std::uint64_t w) {
    return static_cast<std::size_t>(((w + 1) / 2 + 3) / 4 * 4);
}
constexpr std::size_t Stride8(std::uint64_t w) { return static_cast<std::size_t>((w + 3) / 4 * 4); }
constexpr std::size_t Stride16(std::uint64_t w) {
    return static_cast<std::size_t>((2 * w + 3) / 4 * 4);
}
constexpr std::size_t Stride24(std::uint64_t w) {
    return static_cast<std::size_t>((3 * w + 3) / 4 * 4);
}
constexpr std::size_t Stride32(std::uint64_t w) { return static_cast<std::size_t>(4 * w); }
