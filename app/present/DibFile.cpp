#include "app/present/DibFile.h"

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
    std::vector<std::uint8_t> file(kFileHeaderBytes, 0);
    file[0] = 'B';
    file[1] = 'M';
    const std::uint64_t offset = kFileHeaderBytes + info.size();
    PutLittleEndian32(&file[2], offset + bits.size());
    PutLittleEndian32(&file[10], offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), bits.begin(), bits.end());
    return file;
}
