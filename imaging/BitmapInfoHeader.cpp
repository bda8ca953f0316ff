#include "imaging/BitmapInfoHeader.h"

#include <algorithm>

#include "imaging/LittleEndian.h"

BitmapInfoHeader BitmapInfoHeader::Parse(std::span<const std::uint8_t> bytes) {
    BitmapInfoHeader h;
    std::copy_n(bytes.begin(), kInfoHeaderSize, h.raw.begin());
    const std::uint8_t* p = h.raw.data();
    h.size = le::GetU32(p);
    h.width = le::GetI32(p + 4);
    h.height = le::GetI32(p + 8);
    h.planes = le::GetU16(p + 12);
    h.bitCount = le::GetU16(p + 14);
    h.compression = le::GetU32(p + 16);
    h.imageSize = le::GetU32(p + 20);
    h.xPelsPerMeter = le::GetI32(p + 24);
    h.yPelsPerMeter = le::GetI32(p + 28);
    h.colorsUsed = le::GetU32(p + 32);
    h.colorsImportant = le::GetU32(p + 36);
    if (h.size >= kInfoHeaderSize + 12 && bytes.size() >= kInfoHeaderSize + 12) {
        const std::uint8_t* m = bytes.data() + kInfoHeaderSize;
        h.headerMasks =
            std::array<std::uint32_t, 3>{le::GetU32(m), le::GetU32(m + 4), le::GetU32(m + 8)};
    }
    return h;
}
