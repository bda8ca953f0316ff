// Writes small valid bitmaps and .pld files as seeds for the fuzzers when
// STAMPIX_FUZZ_SEEDS names a folder; without it the test only checks that the seeds load.
#include <gtest/gtest.h>

#include <cstdlib>

#include "imaging/BitmapLoader.h"
#include "imaging/LogoDataFile.h"
#include "tests/imaging/ImagingTestSupport.h"

using bmptest::BmpFile;

namespace {

std::vector<std::pair<std::string, bmptest::Bytes>> SeedBitmaps() {
    auto pattern = [](int x, int y) { return static_cast<std::uint32_t>((x * 5 + y * 3) % 7); };
    std::vector<std::pair<std::string, bmptest::Bytes>> seeds;
    for (std::uint16_t depth : {1, 4, 8, 16, 24, 32}) {
        BmpFile f{.width = 13, .height = 3, .bitCount = depth};
        if (depth <= 8)
            f.palette = {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x7F7F7F};
        if (depth == 1) f.palette.resize(2);
        if (depth > 1 && depth <= 8) f.colorsUsed = 7;
        f.pixels = bmptest::PackPixels(depth, 13, 3, [&](int x, int y) {
            const std::uint32_t v = pattern(x, y);
            return depth <= 8 ? v % (1u << std::min<int>(depth, 3)) : v * 0x252525u;
        });
        seeds.emplace_back("plain" + std::to_string(depth) + ".bmp", bmptest::Build(f));
    }
    BmpFile rle8{.width = 7, .height = 3, .bitCount = 8, .compression = 1, .colorsUsed = 2};
    rle8.palette = {0xFFFFFF, 0x000000};
    rle8.pixels = {3, 1, 0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 2, 1, 4, 1, 0, 0, 9, 1, 0, 1};
    seeds.emplace_back("rle8.bmp", bmptest::Build(rle8));
    BmpFile rle4{.width = 7, .height = 2, .bitCount = 4, .compression = 2, .colorsUsed = 2};
    rle4.palette = {0xFFFFFF, 0x000000};
    rle4.pixels = {5, 0x10, 0, 3, 0x01, 0x10, 0, 0, 0, 2, 1, 0, 2, 0x11, 0, 1};
    seeds.emplace_back("rle4.bmp", bmptest::Build(rle4));
    BmpFile masks16{.width = 5, .height = 2, .bitCount = 16, .compression = 3};
    masks16.masks = {0xF800, 0x07E0, 0x001F};
    masks16.pixels = bmptest::PackPixels(16, 5, 2, [](int x, int) { return x * 0x3333u; });
    seeds.emplace_back("masks16.bmp", bmptest::Build(masks16));
    BmpFile masks32{.width = 3, .height = 2, .bitCount = 32, .compression = 3, .headerSize = 124};
    masks32.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    masks32.pixels = bmptest::PackPixels(32, 3, 2, [](int x, int) { return x * 0x555555u; });
    seeds.emplace_back("masks32v5.bmp", bmptest::Build(masks32));
    return seeds;
}

}  // namespace

TEST_F(ImagingTest, FuzzSeedsLoad) {
    const char* folder = std::getenv("STAMPIX_FUZZ_SEEDS");
    bmptest::TempFolder scratch;
    for (const auto& [name, bytes] : SeedBitmaps()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(Load(bytes));
        ASSERT_TRUE(WriteLogoDataFile(scratch / (name + ".pld"), "SEED", image, op));
        if (folder != nullptr) {
            std::filesystem::create_directories(std::filesystem::path(folder) / "bitmap");
            std::filesystem::create_directories(std::filesystem::path(folder) / "pld");
            bmptest::WriteFile(std::filesystem::path(folder) / "bitmap" / name, bytes);
            std::filesystem::copy_file(scratch / (name + ".pld"),
                                       std::filesystem::path(folder) / "pld" / (name + ".pld"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    EXPECT_TRUE(op.Messages().empty());
}
