#include "imaging/Luminance.h"

namespace {

void FillChannelTable(std::span<std::uint8_t> table) {
    const unsigned max = static_cast<unsigned>(table.size() - 1);
    const unsigned scale = (255u * 1000u + max / 2) / max;
    for (unsigned i = 0; i < max; ++i)
        table[i] = static_cast<std::uint8_t>((i * scale + 500) / 1000);
    table[max] = 255;
}

}  // namespace

void BuildChannelTables(std::span<std::uint8_t, 32> table5, std::span<std::uint8_t, 64> table6) {
    FillChannelTable(table5);
    FillChannelTable(table6);
}
