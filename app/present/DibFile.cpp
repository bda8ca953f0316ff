#include "app/present/DibFile.h"

#include <algorithm>

namespace {

constexpr std::size_t kFileHeaderBytes = 14;

void PutLittleEndian32(std::uint8_t* at, std::uint64_t value) {
    const auto clamped = static_cast<std::uint32_t>(value > 0xFFFFFFFFu ? 0xFFFFFFFFu : value);
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(clamped >> (8 * i));
    }
}

}  // namespace

std::vector<std::uint8_t> MakeBmpFile(std::span<const std::uint8_t> info,
                                      std::span<const std::uint8_t> bits) {
    // One allocation of the whole file, header first.
    const std::uint64_t offset = kFileHeaderBytes + info.size();
    std::vector<std::uint8_t> file(offset + bits.size(), 0);
    file[0] = 'B';
    file[1] = 'M';
    PutLittleEndian32(&file[2], offset + bits.size());
    PutLittleEndian32(&file[10], offset);
    std::copy(info.begin(), info.end(), file.begin() + kFileHeaderBytes);
    std::copy(bits.begin(), bits.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
    return file;
}
