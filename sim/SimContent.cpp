#include "sim/SimContent.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "text/ShiftJis.h"

namespace simcontent {

namespace {

void PutBigEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out[i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::array<std::uint8_t, 100> MakeRecord(int id, std::string_view sjisName, int width, int height,
                                         std::uint32_t patternSize, std::uint32_t count) {
    std::array<std::uint8_t, 100> record{};
    record[0] = static_cast<std::uint8_t>('0' + id / 10);
    record[1] = static_cast<std::uint8_t>('0' + id % 10);
    const std::string name = sjis::CutToBytes(sjisName, 32);
    std::copy(name.begin(), name.end(), record.begin() + 4);
    PutBigEndian(&record[52], static_cast<std::uint32_t>(width) & 0xFFFF, 2);
    PutBigEndian(&record[54], static_cast<std::uint32_t>(height) & 0xFFFF, 2);
    PutBigEndian(&record[56], patternSize, 4);
    PutBigEndian(&record[60], count, 4);
    PutBigEndian(&record[68], patternSize * count, 4);
    return record;
}

// The 10-byte prefix the printer keeps before a pattern: call code, 0, width, 0, height.
void AppendPrefix(std::vector<std::uint8_t>& data, std::uint8_t code0, std::uint8_t code1,
                  int width, int height) {
    std::uint8_t prefix[10] = {code0, code1};
    PutBigEndian(&prefix[4], static_cast<std::uint32_t>(width), 2);
    PutBigEndian(&prefix[8], static_cast<std::uint32_t>(height), 2);
    data.insert(data.end(), prefix, prefix + 10);
}

void AppendPattern(std::vector<std::uint8_t>& data, int width, int height, int seed) {
    const int rowBytes = (width + 7) / 8;
    for (int y = 0; y < height; ++y) {
        for (int xb = 0; xb < rowBytes; ++xb) {
            std::uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = xb * 8 + bit;
                const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                const bool diagonal = width > 0 && (x * height / width + seed) % height == y;
                if (x < width && (border || diagonal))
                    byte |= static_cast<std::uint8_t>(0x80 >> bit);
            }
            data.push_back(byte);
        }
    }
}

std::string Sjis(std::string_view utf8) { return sjis::FromUtf8(utf8).value_or(std::string()); }

}  // namespace

SimRegistration MakeLogo(int id, std::string_view sjisName, int width, int height) {
    const auto patternSize = static_cast<std::uint32_t>(height * ((width + 7) / 8));
    SimRegistration item;
    item.record = MakeRecord(id, sjisName, width, height, patternSize, 1);
    AppendPrefix(item.data, 0x6B, 0x82, width, height);
    AppendPattern(item.data, width, height, id);
    item.entries.assign(item.data.begin(), item.data.begin() + 6);
    return item;
}

SimRegistration MakeFont(int id, std::string_view sjisName, int dots,
                         std::span<const char16_t> characters, bool bold, bool italic) {
    const auto patternSize = static_cast<std::uint32_t>(dots * ((dots + 7) / 8));
    const auto count = static_cast<std::uint32_t>(characters.size());
    SimRegistration item;
    item.record = MakeRecord(id, sjisName, dots, dots, patternSize, count);
    char size[5];
    std::snprintf(size, sizeof size, "%04d", std::clamp(dots, 0, 9999));
    std::copy(size, size + 4, item.record.begin() + 48);
    item.record[77] = italic ? 1 : 0;
    PutBigEndian(&item.record[78], bold ? 700 : 400, 2);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const auto low = static_cast<std::uint8_t>(characters[i] & 0xFF);
        const auto high = static_cast<std::uint8_t>(characters[i] >> 8);
        AppendPrefix(item.data, low, high, dots, dots);
        item.entries.insert(item.entries.end(), item.data.end() - 10, item.data.end() - 4);
        AppendPattern(item.data, dots, dots, static_cast<int>(i));
    }
    return item;
}

void PreloadDemo(CSimRegistrations& registrations) {
    registrations.Store(MakeLogo(1, Sjis("サンプルロゴ"), 240, 80));
    registrations.Store(MakeLogo(2, Sjis("会社ロゴ"), 400, 120));
    registrations.Store(MakeLogo(5, "LOGO-05", 96, 96));
    std::vector<char16_t> characters;
    for (char16_t c = u'ぁ'; c <= u'ん'; ++c) characters.push_back(c);
    for (char16_t c = u'0'; c <= u'9'; ++c) characters.push_back(c);
    registrations.Store(MakeFont(10, Sjis("ひらがな24"), 24, characters, true, false));
}

}  // namespace simcontent
