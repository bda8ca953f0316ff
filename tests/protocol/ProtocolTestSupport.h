#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "items/CFontPT.h"

namespace prototest {

inline const std::string kPort = "COM3";

// A 3-byte status reply with the given middle byte.
inline std::vector<std::uint8_t> Status(char middle) {
    return {0x02, static_cast<std::uint8_t>(middle), 0x03};
}

// An 11-byte information reply: middle byte, then the eight-digit stream length.
inline std::vector<std::uint8_t> InfoReply(char middle, const std::string& digits) {
    std::vector<std::uint8_t> reply(digits.size() + 3, 0x03);
    reply[0] = 0x02;
    reply[1] = static_cast<std::uint8_t>(middle);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        reply[i + 2] = static_cast<std::uint8_t>(digits[i]);
    }
    return reply;
}

// A 100-byte registration record as the printer sends it.
inline std::vector<std::uint8_t> Record(const std::string& id, const std::string& name,
                                        std::uint32_t patternSize, std::uint32_t patternCount) {
    std::vector<std::uint8_t> record(100, 0);
    record[0] = static_cast<std::uint8_t>(id[0]);
    record[1] = static_cast<std::uint8_t>(id[1]);
    for (std::size_t i = 0; i < name.size() && i < 32; ++i) {
        record[4 + i] = static_cast<std::uint8_t>(name[i]);
    }
    for (int i = 0; i < 4; ++i) {
        record[56 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(patternSize >> (24 - 8 * i));
        record[60 + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(patternCount >> (24 - 8 * i));
    }
    return record;
}

// A new logo item ready to download: ID, name, sizes and a built header.
inline CFontPT NewItem(int id, int width, int height) {
    CFontPT item;
    item.m_id = static_cast<std::int16_t>(id);
    item.m_name = "LOGO";
    item.m_width = width;
    item.m_height = height;
    item.m_patternSize = height * ((width + 7) / 8);
    item.m_state = ITEM_NEW;
    item.BuildHeader();
    return item;
}

// The transfer file's bytes for an item: 6B 82, 0, width, 0, height, then the pattern.
inline std::vector<std::uint8_t> TransferBytes(const CFontPT& item) {
    std::vector<std::uint8_t> bytes{0x6B,
                                    0x82,
                                    0,
                                    0,
                                    static_cast<std::uint8_t>(item.m_width >> 8),
                                    static_cast<std::uint8_t>(item.m_width),
                                    0,
                                    0,
                                    static_cast<std::uint8_t>(item.m_height >> 8),
                                    static_cast<std::uint8_t>(item.m_height)};
    for (int i = 0; i < item.m_patternSize; ++i) {
        // Control bytes inside the data must travel unchanged too.
        bytes.push_back(static_cast<std::uint8_t>(i * 7 + 3));
    }
    return bytes;
}

}  // namespace prototest
