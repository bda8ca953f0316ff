#include "protocol/PrinterFrames.h"

namespace frames {

namespace {

bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

}  // namespace

std::array<std::uint8_t, 9> DeleteIdFrame(int id) {
    const auto d1 = static_cast<std::uint8_t>('0' + (id / 10) % 10);
    const auto d2 = static_cast<std::uint8_t>('0' + id % 10);
    return {ESC, 'A', ESC, 'F', 'C', d1, d2, ESC, 'Z'};
}

std::optional<std::int64_t> ParseStreamLength(
    std::span<const std::uint8_t, kInformationReplySize> reply) {
    std::int64_t length = 0;
    for (std::size_t i = 2; i <= 9; ++i) {
        if (!IsDigit(reply[i])) return std::nullopt;
        length = length * 10 + (reply[i] - '0');
    }
    return length;
}

std::optional<int> RecordId(std::span<const std::uint8_t, kRecordSize> record) {
    if (!IsDigit(record[0]) || !IsDigit(record[1])) return std::nullopt;
    return (record[0] - '0') * 10 + (record[1] - '0');
}

std::uint32_t RecordPatternCount(std::span<const std::uint8_t, kRecordSize> record) {
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < 4; ++i) count = (count << 8) | record[kPatternCountOffset + i];
    return count;
}

}  // namespace frames
