#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

// Assembles bitmap files in memory for the tests.
namespace bmptest {

using Bytes = std::vector<std::uint8_t>;

struct BmpFile {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t headerSize = 40;
    std::int32_t xPelsPerMeter = 2835;
    std::int32_t yPelsPerMeter = 3780;
    // Colour table entries as 0xRRGGBB, written blue, green, red, 0.
    std::vector<std::uint32_t> palette;
    // Written after the header (or inside a longer header when headerSize >= 52).
    std::vector<std::uint32_t> masks;
    // The pixel array exactly as it goes into the file.
    Bytes pixels;
    // The info header's image size; the pixel array's size when not given.
    std::optional<std::uint32_t> imageSize;
};

Bytes Build(const BmpFile& file);

// The uncompressed pixel array of a `bitCount` image; `pixel(x, y)` gives the value of
// pixel x of file row y (row 0 is the bottom row): an index, a 16-bit word or 0xRRGGBB.
Bytes PackPixels(std::uint16_t bitCount, std::int32_t width, std::int32_t height,
                 const std::function<std::uint32_t(int x, int y)>& pixel);

// The transfer image the rules give: bottom-up rows padded to 32 bits, MSB leftmost.
Bytes MonoRows(std::int32_t width, std::int32_t height,
               const std::function<bool(int x, int y)>& black);

// The value of pixel (x, y) of a bottom-up one-bit image.
bool MonoPixel(const Bytes& rows, std::int32_t width, int x, int y);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadFile(const std::filesystem::path& path);

// A fresh empty folder under the system's temporary folder, removed by the destructor.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

}  // namespace bmptest
