#include "sim/SimRegistration.h"

namespace {

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

}  // namespace

std::optional<int> SimRegistration::Id() const {
    const auto digit = [](std::uint8_t c) { return c >= '0' && c <= '9'; };
    if (!digit(record[0]) || !digit(record[1])) return std::nullopt;
    return (record[0] - '0') * 10 + (record[1] - '0');
}

std::uint32_t SimRegistration::PatternSize() const { return BigEndian32(&record[56]); }

std::uint32_t SimRegistration::PatternCount() const { return BigEndian32(&record[60]); }

std::int64_t SimRegistration::MemoryNeed() const {
    return SimMemoryNeed(PatternSize(), PatternCount());
}

std::int64_t SimMemoryNeed(std::uint32_t patternSize, std::uint32_t patternCount) {
    return (static_cast<std::int64_t>(patternSize) + 10) * static_cast<std::int64_t>(patternCount);
}
