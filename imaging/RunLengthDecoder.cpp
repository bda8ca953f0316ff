#include "imaging/RunLengthDecoder.h"

#include "imaging/BitmapStrides.h"

namespace {

// Writes pixel values into one depth's index buffer, dropping what falls off the image.
class IndexWriter {
  public:
    IndexWriter(std::span<std::uint8_t> dst, std::size_t stride, std::uint64_t width,
                std::uint64_t height, bool fourBit)
        : m_dst(dst), m_stride(stride), m_width(width), m_height(height), m_fourBit(fourBit) {}

    void Put(std::uint64_t x, std::uint64_t y, std::uint8_t value) {
        if (x >= m_width || y >= m_height) return;
        if (!m_fourBit) {
            const std::size_t at =
                static_cast<std::size_t>(y) * m_stride + static_cast<std::size_t>(x);
            if (at < m_dst.size()) m_dst[at] = value;
            return;
        }
        const std::size_t at =
            static_cast<std::size_t>(y) * m_stride + static_cast<std::size_t>(x / 2);
        if (at >= m_dst.size()) return;
        if (x % 2 == 0) {
            m_dst[at] = static_cast<std::uint8_t>((m_dst[at] & 0x0F) | (value << 4));
        } else {
            m_dst[at] = static_cast<std::uint8_t>((m_dst[at] & 0xF0) | (value & 0x0F));
        }
    }

  private:
    std::span<std::uint8_t> m_dst;
    std::size_t m_stride;
    std::uint64_t m_width;
    std::uint64_t m_height;
    bool m_fourBit;
};

// Pixel k of a run or literal: in 4-bit data, high nibble first.
std::uint8_t Nibble(std::uint8_t byte, std::uint64_t k) {
    return k % 2 == 0 ? static_cast<std::uint8_t>(byte >> 4)
                      : static_cast<std::uint8_t>(byte & 0x0F);
}

void Decode(std::span<std::uint8_t> dst, std::span<const std::uint8_t> data, std::int32_t width,
            std::int32_t height, bool fourBit) {
    if (width <= 0 || height <= 0) return;
    const std::uint64_t w = static_cast<std::uint64_t>(width);
    const std::uint64_t h = static_cast<std::uint64_t>(height);
    const std::size_t stride = fourBit ? Stride4(w) : Stride8(w);
    IndexWriter out(dst, stride, w, h, fourBit);

    // x can run far past the width (runs keep advancing it), never past 255 * data size.
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    std::size_t i = 0;
    while (y < h && i + 1 < data.size()) {
        const std::uint8_t count = data[i];
        const std::uint8_t code = data[i + 1];
        i += 2;
        if (count > 0) {
            for (std::uint64_t k = 0; k < count && x + k < w; ++k) {
                out.Put(x + k, y, fourBit ? Nibble(code, k) : code);
            }
            x += count;
        } else if (code == 0) {
            x = 0;
            ++y;
        } else if (code == 1) {
            break;
        } else if (code == 2) {
            if (i + 1 >= data.size()) break;
            x += data[i];
            y += data[i + 1];
            i += 2;
        } else {
            const std::size_t bytes = fourBit ? (code + 1u) / 2u : code;
            if (bytes > data.size() - i) break;  // literal cut off by the end of the data
            for (std::uint64_t k = 0; k < code && x + k < w; ++k) {
                out.Put(x + k, y, fourBit ? Nibble(data[i + k / 2], k) : data[i + k]);
            }
            x += code;
            i += bytes + (bytes % 2);  // literals are padded to an even byte count
        }
    }
}

}  // namespace

void DecodeRle8(std::span<std::uint8_t> dst, std::span<const std::uint8_t> encoded,
                std::int32_t width, std::int32_t height) {
    Decode(dst, encoded, width, height, false);
}

void DecodeRle4(std::span<std::uint8_t> dst, std::span<const std::uint8_t> encoded,
                std::int32_t width, std::int32_t height) {
    Decode(dst, encoded, width, height, true);
}
