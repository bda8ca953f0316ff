#include "imaging/PatternHash.h"

#include <cstdio>

namespace {

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

class CFnv1a {
  public:
    void Add(const std::uint8_t* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) m_hash = (m_hash ^ bytes[i]) * kFnvPrime;
    }
    void Add32(std::uint32_t value) {
        const std::uint8_t bytes[4] = {
            static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
        Add(bytes, sizeof bytes);
    }
    std::uint64_t Value() const { return m_hash; }

  private:
    std::uint64_t m_hash = kFnvOffset;
};

}  // namespace

std::uint64_t PatternHash(const CurrentImage& image) {
    if (!image.HasTransferImage()) return 0;
    const auto width = static_cast<std::size_t>(image.Width());
    const auto height = static_cast<std::size_t>(image.Height());
    const std::size_t stride = image.TransferStride();
    const std::size_t packed = image.PackedRowBytes();
    CFnv1a hash;
    hash.Add32(static_cast<std::uint32_t>(width));
    hash.Add32(static_cast<std::uint32_t>(height));
    // The packed rows top row first, as they are sent; the rows are stored bottom-up.
    const std::uint8_t* bits = image.transferBits->data();
    for (std::size_t row = height; row-- > 0;) hash.Add(bits + row * stride, packed);
    return hash.Value() == 0 ? 1 : hash.Value();  // 0 means "no picture"
}

std::string PatternHashText(std::uint64_t hash) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::uint64_t ParsePatternHash(const std::string& text) {
    if (text.size() != 16) return 0;
    std::uint64_t value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0) return 0;
        value = (value << 4) | static_cast<std::uint64_t>(digit);
    }
    return value;
}
