#include "tests/imaging/BmpBuilder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace bmptest {
namespace {

void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

std::size_t StrideOf(std::uint16_t bitCount, std::int32_t width) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

}  // namespace

Bytes Build(const BmpFile& f) {
    const bool masksInHeader = f.headerSize >= 52 && !f.masks.empty();
    Bytes out;
    const std::size_t tableBytes = f.palette.size() * 4 + (masksInHeader ? 0 : f.masks.size() * 4);
    const std::size_t pixelOffset = 14 + f.headerSize + tableBytes;
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(pixelOffset + f.pixels.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(pixelOffset));
    Put32(out, f.headerSize);
    Put32(out, static_cast<std::uint32_t>(f.width));
    Put32(out, static_cast<std::uint32_t>(f.height));
    Put16(out, 1);
    Put16(out, f.bitCount);
    Put32(out, f.compression);
    Put32(out, f.imageSize.value_or(static_cast<std::uint32_t>(f.pixels.size())));
    Put32(out, static_cast<std::uint32_t>(f.xPelsPerMeter));
    Put32(out, static_cast<std::uint32_t>(f.yPelsPerMeter));
    Put32(out, f.colorsUsed);
    Put32(out, 0);
    if (masksInHeader) {
        for (std::uint32_t m : f.masks) Put32(out, m);
    }
    out.resize(14 + f.headerSize, 0);
    for (std::uint32_t rgb : f.palette) {
        out.push_back(static_cast<std::uint8_t>(rgb));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    if (!masksInHeader) {
        for (std::uint32_t m : f.masks) Put32(out, m);
    }
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());
    return out;
}

Bytes PackPixels(std::uint16_t bitCount, std::int32_t width, std::int32_t height,
                 const std::function<std::uint32_t(int x, int y)>& pixel) {
    const std::size_t stride = StrideOf(bitCount, width);
    Bytes out(stride * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = out.data() + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixel(x, y);
            switch (bitCount) {
                case 1:
                    if (v & 1) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                    break;
                case 4:
                    row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? (v & 15) << 4 : (v & 15));
                    break;
                case 8:
                    row[x] = static_cast<std::uint8_t>(v);
                    break;
                case 16:
                    row[2 * x] = static_cast<std::uint8_t>(v);
                    row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                    break;
                case 24:
                case 32: {
                    std::uint8_t* p = row + static_cast<std::size_t>(x) * (bitCount / 8);
                    p[0] = static_cast<std::uint8_t>(v);
                    p[1] = static_cast<std::uint8_t>(v >> 8);
                    p[2] = static_cast<std::uint8_t>(v >> 16);
                    if (bitCount == 32) p[3] = 0xA5;  // the ignored byte
                    break;
                }
                default:
                    throw std::invalid_argument("bit count");
            }
        }
    }
    return out;
}

Bytes MonoRows(std::int32_t width, std::int32_t height,
               const std::function<bool(int x, int y)>& black) {
    return PackPixels(1, width, height, [&](int x, int y) { return black(x, y) ? 1u : 0u; });
}

bool MonoPixel(const Bytes& rows, std::int32_t width, int x, int y) {
    const std::size_t stride = StrideOf(1, width);
    return (rows.at(static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)) >>
            (7 - x % 8)) &
           1;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TempFolder::TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/stampix-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

}  // namespace bmptest
