#include "imaging/RowBinarizer.h"

namespace binarize {
namespace {

// 5 R + 9 G + 2 B below this sum means gray <= 128.
constexpr unsigned kBlackSumLimit = 129u * 16u;

template <std::size_t kBytesPerPixel>
inline unsigned IsBlackBgr(const std::uint8_t* p) {
    return (5u * p[2] + 9u * p[1] + 2u * p[0]) < kBlackSumLimit ? 1u : 0u;
}

template <std::size_t kBytesPerPixel>
void RowBgr(const std::uint8_t* src, std::size_t width, std::uint8_t* dst) {
    const std::size_t fullBytes = width / 8;
    for (std::size_t i = 0; i < fullBytes; ++i) {
        const std::uint8_t* p = src + i * 8 * kBytesPerPixel;
        unsigned byte = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            byte |= IsBlackBgr<kBytesPerPixel>(p + k * kBytesPerPixel) << (7 - k);
        }
        dst[i] = static_cast<std::uint8_t>(byte);
    }
    unsigned tail = 0;
    for (std::size_t x = fullBytes * 8; x < width; ++x) {
        tail |= IsBlackBgr<kBytesPerPixel>(src + x * kBytesPerPixel) << (7 - x % 8);
    }
    if (width % 8 != 0) dst[fullBytes] = static_cast<std::uint8_t>(tail);
}

}  // namespace

std::array<std::uint8_t, 256> NibblePairTable(const std::array<std::uint8_t, 16>& black) {
    std::array<std::uint8_t, 256> pairs{};
    for (unsigned b = 0; b < 256; ++b) {
        pairs[b] = static_cast<std::uint8_t>((black[b >> 4] << 1) | black[b & 0x0F]);
    }
    return pairs;
}

void Row1(const std::uint8_t* src, std::size_t width, bool black0, bool black1, std::uint8_t* dst) {
    const std::size_t bytes = (width + 7) / 8;
    if (bytes == 0) return;
    // Each transfer byte is the source byte, its inverse, all set or all clear.
    const std::uint8_t set = black0 ? 0xFF : 0x00;
    const std::uint8_t keep = black1 == black0 ? 0x00 : 0xFF;
    const std::uint8_t flip = black0 && !black1 ? 0xFF : 0x00;
    for (std::size_t i = 0; i < bytes; ++i) {
        dst[i] = static_cast<std::uint8_t>(keep ? (src[i] ^ flip) : set);
    }
    if (width % 8 != 0) dst[bytes - 1] &= static_cast<std::uint8_t>(0xFF << (8 - width % 8));
}

void Row4(const std::uint8_t* src, std::size_t width, const std::array<std::uint8_t, 256>& pairs,
          std::uint8_t* dst) {
    const std::size_t fullBytes = width / 8;
    for (std::size_t i = 0; i < fullBytes; ++i) {
        const std::uint8_t* p = src + i * 4;
        dst[i] = static_cast<std::uint8_t>((pairs[p[0]] << 6) | (pairs[p[1]] << 4) |
                                           (pairs[p[2]] << 2) | pairs[p[3]]);
    }
    unsigned tail = 0;
    for (std::size_t x = fullBytes * 8; x < width; ++x) {
        const unsigned pair = pairs[src[x / 2]];
        const unsigned bit = x % 2 == 0 ? pair >> 1 : pair & 1u;
        tail |= bit << (7 - x % 8);
    }
    if (width % 8 != 0) dst[fullBytes] = static_cast<std::uint8_t>(tail);
}

void Row8(const std::uint8_t* src, std::size_t width, const std::array<std::uint8_t, 256>& black,
          std::uint8_t* dst) {
    const std::size_t fullBytes = width / 8;
    for (std::size_t i = 0; i < fullBytes; ++i) {
        const std::uint8_t* p = src + i * 8;
        dst[i] = static_cast<std::uint8_t>(
            (black[p[0]] << 7) | (black[p[1]] << 6) | (black[p[2]] << 5) | (black[p[3]] << 4) |
            (black[p[4]] << 3) | (black[p[5]] << 2) | (black[p[6]] << 1) | black[p[7]]);
    }
    unsigned tail = 0;
    for (std::size_t x = fullBytes * 8; x < width; ++x)
        tail |= unsigned{black[src[x]]} << (7 - x % 8);
    if (width % 8 != 0) dst[fullBytes] = static_cast<std::uint8_t>(tail);
}

void Row16(const std::uint8_t* src, std::size_t width, const std::uint8_t* black,
           std::uint8_t* dst) {
    auto pixel = [src, black](std::size_t x) -> unsigned {
        return black[src[2 * x] | (src[2 * x + 1] << 8)];
    };
    const std::size_t fullBytes = width / 8;
    for (std::size_t i = 0; i < fullBytes; ++i) {
        unsigned byte = 0;
        for (std::size_t k = 0; k < 8; ++k) byte |= pixel(i * 8 + k) << (7 - k);
        dst[i] = static_cast<std::uint8_t>(byte);
    }
    unsigned tail = 0;
    for (std::size_t x = fullBytes * 8; x < width; ++x) tail |= pixel(x) << (7 - x % 8);
    if (width % 8 != 0) dst[fullBytes] = static_cast<std::uint8_t>(tail);
}

void Row24(const std::uint8_t* src, std::size_t width, std::uint8_t* dst) {
    RowBgr<3>(src, width, dst);
}

void Row32(const std::uint8_t* src, std::size_t width, std::uint8_t* dst) {
    RowBgr<4>(src, width, dst);
}

void RowRgba(const std::uint8_t* src, std::size_t width, std::uint8_t* dst, std::uint8_t* bgr) {
    for (std::size_t x = 0; x < width; ++x) {
        const std::uint8_t* p = src + 4 * x;
        const unsigned alpha = p[3];
        std::uint8_t over[3];  // blue, green, red on white
        for (int c = 0; c < 3; ++c) {
            over[c] =
                static_cast<std::uint8_t>((p[2 - c] * alpha + 255u * (255u - alpha) + 127u) / 255u);
        }
        if (IsBlackBgr<3>(over) != 0) dst[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
        if (bgr != nullptr) {
            bgr[3 * x] = over[0];
            bgr[3 * x + 1] = over[1];
            bgr[3 * x + 2] = over[2];
        }
    }
}

}  // namespace binarize
