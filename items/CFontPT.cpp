#include "items/CFontPT.h"

#include <cstdio>

#include <algorithm>
#include <limits>

#include "text/ShiftJis.h"

namespace {

void PutBigEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::uint32_t GetBigEndian(const std::uint8_t* in, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | in[i];
    return value;
}

// Received 32-bit counts are unsigned on the wire; the record's fields are signed.
std::int32_t ClampToInt32(std::uint64_t value) {
    return static_cast<std::int32_t>(
        std::min<std::uint64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

bool IsDigit(std::uint8_t c) { return c >= '0' && c <= '9'; }

// The number that C's atoi would read from a short field of ASCII text.
std::int32_t ParseAsciiNumber(const std::uint8_t* field, int size) {
    int i = 0;
    while (i < size && (field[i] == ' ' || field[i] == '\t')) ++i;
    bool negative = false;
    if (i < size && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
    std::int32_t value = 0;
    for (; i < size && IsDigit(field[i]); ++i) value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

}  // namespace

CFontPT::CFontPT() {
    Reset();
    BuildHeader();
    m_state = ITEM_UNREGISTERED;
}

void CFontPT::Reset() {
    m_id = 0;
    m_name.clear();
    m_fontSize = 0;
    m_width = 0;
    m_height = 0;
    m_patternSize = 0;
    m_patternCount = 0;
    m_totalSize = 0;
    m_italic = 0;
    m_weight = 0;
    m_state = ITEM_UNREGISTERED;
}

std::string IdText(int id) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", id);
    return text;
}

void CFontPT::CopyFrom(const CFontPT& other) { *this = other; }

void CFontPT::BuildHeader() {
    m_header.fill(0);
    const int id = std::clamp<int>(m_id, 0, 99);
    m_header[0] = static_cast<std::uint8_t>('0' + id / 10);
    m_header[1] = static_cast<std::uint8_t>('0' + id % 10);
    const std::string name = sjis::CutToBytes(m_name, kMaxNameBytes);
    std::copy(name.begin(), name.end(), m_header.begin() + 4);
    PutBigEndian(&m_header[52], static_cast<std::uint32_t>(m_width) & 0xFFFF, 2);
    PutBigEndian(&m_header[54], static_cast<std::uint32_t>(m_height) & 0xFFFF, 2);
    PutBigEndian(&m_header[56], static_cast<std::uint32_t>(m_patternSize), 4);
    m_patternCount = 1;
    PutBigEndian(&m_header[60], 1, 4);
    m_totalSize = m_patternSize;
    PutBigEndian(&m_header[68], static_cast<std::uint32_t>(m_totalSize), 4);
    m_entries[0] = kLogoCallCode[0];
    m_entries[1] = kLogoCallCode[1];
}

bool CFontPT::ParseHeader(std::span<const std::uint8_t, kHeaderSize> record) {
    std::copy(record.begin(), record.end(), m_header.begin());
    const bool validId = IsDigit(record[0]) && IsDigit(record[1]);
    m_id = validId ? static_cast<std::int16_t>((record[0] - '0') * 10 + (record[1] - '0')) : -1;
    const auto* nameStart = reinterpret_cast<const char*>(&record[4]);
    m_name.assign(nameStart, std::find(nameStart, nameStart + kMaxNameBytes, '\0'));
    m_fontSize = ParseAsciiNumber(&record[48], 4);
    m_width = static_cast<std::int32_t>(GetBigEndian(&record[52], 2));
    m_height = static_cast<std::int32_t>(GetBigEndian(&record[54], 2));
    m_patternSize = ClampToInt32(GetBigEndian(&record[56], 4));
    m_patternCount = ClampToInt32(GetBigEndian(&record[60], 4));
    m_totalSize = ClampToInt32(static_cast<std::uint64_t>(m_patternSize) *
                               static_cast<std::uint64_t>(m_patternCount));
    m_italic = record[77];
    m_weight = static_cast<std::int32_t>(GetBigEndian(&record[78], 2));
    return validId;
}

std::int64_t CFontPT::GetMemoryNeed() const {
    return static_cast<std::int64_t>(m_totalSize) +
           static_cast<std::int64_t>(kPatternPrefixSize) * m_patternCount;
}
