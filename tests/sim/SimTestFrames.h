#pragma once

// The tool's frames as the simulator's tests write them by hand.
#include <cstdint>
#include <string>
#include <vector>

namespace simframes {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Status(char middle) { return {0x02, static_cast<std::uint8_t>(middle), 0x03}; }

// A registration request for `id` (two digits) announcing `patternSize` pattern bytes.
inline Bytes RegistrationRequest(const std::string& id, std::uint32_t patternSize) {
    Bytes frame{0x02, 0x1B, 0x41, 0x1B, 0x46, 0x44};
    Bytes record(100, 0);
    record[0] = static_cast<std::uint8_t>(id[0]);
    record[1] = static_cast<std::uint8_t>(id[1]);
    for (int i = 0; i < 4; ++i) {
        record[56 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(patternSize >> (24 - 8 * i));
    }
    record[63] = 1;
    frame.insert(frame.end(), record.begin(), record.end());
    frame.insert(frame.end(), {0x1B, 0x5A, 0x03});
    return frame;
}

// A data frame of `length` counting bytes.
inline Bytes DataFrame(std::size_t length, std::uint8_t last = 0x03) {
    Bytes frame{0x02};
    for (std::size_t i = 0; i < length; ++i) frame.push_back(static_cast<std::uint8_t>(i));
    frame.push_back(last);
    return frame;
}

}  // namespace simframes
