#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One registration held by the virtual printer.
struct SimRegistration {
    std::array<std::uint8_t, 100> record{};  // as received (or built for a preload)
    std::vector<std::uint8_t> entries;       // 6 bytes per pattern
    std::vector<std::uint8_t> data;          // per pattern: 10-byte prefix, pattern bytes

    std::optional<int> Id() const;
    std::uint32_t PatternSize() const;   // record bytes 56..59
    std::uint32_t PatternCount() const;  // record bytes 60..63
    // Printer memory the registration takes: its patterns and a 10-byte prefix each.
    std::int64_t MemoryNeed() const;
};

// Memory need and data frame length for a record's pattern size and count.
std::int64_t SimMemoryNeed(std::uint32_t patternSize, std::uint32_t patternCount);
