// Speed of the bitmap converters on 4000 x 4000 images, in bytes of source pixels per second
// (and pixels per second as items).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "imaging/BitmapLoader.h"
#include "imaging/LittleEndian.h"
#include "tests/support/CSilentOperator.h"

namespace {

constexpr std::int32_t kSide = 4000;

// A bitmap file: headers, `palette` entries and `pixels`.
std::vector<std::uint8_t> BitmapFile(std::uint16_t bitCount, std::uint32_t compression,
                                     const std::vector<std::uint8_t>& palette,
                                     const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> file(14 + 40, 0);
    file[0] = 'B';
    file[1] = 'M';
    std::uint8_t* h = file.data() + 14;
    le::PutU32(h, 40);
    le::PutU32(h + 4, kSide);
    le::PutU32(h + 8, kSide);
    le::PutU16(h + 12, 1);
    le::PutU16(h + 14, bitCount);
    le::PutU32(h + 16, compression);
    le::PutU32(h + 20, static_cast<std::uint32_t>(pixels.size()));
    file.insert(file.end(), palette.begin(), palette.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// Pseudo-random bytes: the branch predictor cannot learn the image.
std::vector<std::uint8_t> NoiseBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t state = 12345;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

std::vector<std::uint8_t> GrayPalette() {
    std::vector<std::uint8_t> palette(1024);
    for (std::size_t i = 0; i < 256; ++i)
        palette[4 * i] = palette[4 * i + 1] = palette[4 * i + 2] = static_cast<std::uint8_t>(i);
    return palette;
}

// A logo-like run-length image: runs of 10 to 40 pixels with a short literal in each row.
std::vector<std::uint8_t> RunLengthPixels() {
    std::vector<std::uint8_t> data;
    for (std::int32_t y = 0; y < kSide; ++y) {
        std::int32_t x = 0;
        data.insert(data.end(), {0, 4, 1, 2, 3, 4});
        x += 4;
        int run = 10 + y % 31;
        std::uint8_t value = static_cast<std::uint8_t>(y % 7);
        while (x < kSide) {
            const int n = std::min(run, kSide - x);
            data.push_back(static_cast<std::uint8_t>(n));
            data.push_back(value);
            x += n;
            value = static_cast<std::uint8_t>(value * 37 + 11);
            run = 10 + (run * 7) % 31;
        }
        data.insert(data.end(), {0, 0});
    }
    data.insert(data.end(), {0, 1});
    return data;
}

void RunConverter(benchmark::State& state, const std::vector<std::uint8_t>& file,
                  std::int64_t sourceBytes) {
    CSilentOperator op;
    CurrentImage image;
    for (auto _ : state) {
        const bool ok = LoadBitmapBytes(file, "bench.bmp", image, op);
        if (!ok) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(image.transferBits->data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * sourceBytes);
    state.SetItemsProcessed(state.iterations() * std::int64_t{kSide} * kSide);
}

void BM_Convert24(benchmark::State& state) {
    static const auto file = BitmapFile(24, 0, {}, NoiseBytes(std::size_t{kSide} * kSide * 3));
    RunConverter(state, file, std::int64_t{kSide} * kSide * 3);
}

// Every load into a fresh image: no block can be reused, so the cost of new memory shows.
void BM_Convert24Cold(benchmark::State& state) {
    static const auto file = BitmapFile(24, 0, {}, NoiseBytes(std::size_t{kSide} * kSide * 3));
    CSilentOperator op;
    for (auto _ : state) {
        CurrentImage image;
        if (!LoadBitmapBytes(file, "bench.bmp", image, op)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(image.transferBits->data());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t{kSide} * kSide * 3);
    state.SetItemsProcessed(state.iterations() * std::int64_t{kSide} * kSide);
}

void BM_Convert32(benchmark::State& state) {
    static const auto file = BitmapFile(32, 0, {}, NoiseBytes(std::size_t{kSide} * kSide * 4));
    RunConverter(state, file, std::int64_t{kSide} * kSide * 4);
}

void BM_Convert8(benchmark::State& state) {
    static const auto file =
        BitmapFile(8, 0, GrayPalette(), NoiseBytes(std::size_t{kSide} * kSide));
    RunConverter(state, file, std::int64_t{kSide} * kSide);
}

void BM_Convert8RunLength(benchmark::State& state) {
    static const auto pixels = RunLengthPixels();
    static const auto file = BitmapFile(8, 1, GrayPalette(), pixels);
    RunConverter(state, file, static_cast<std::int64_t>(pixels.size()));
}

}  // namespace

BENCHMARK(BM_Convert24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert24Cold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert8RunLength)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
