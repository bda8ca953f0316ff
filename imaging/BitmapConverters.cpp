#include <array>
#include <memory>
#include <new>

#include "imaging/BitmapLoader.h"
#include "imaging/BitmapStrides.h"
#include "imaging/ConverterSupport.h"
#include "imaging/LittleEndian.h"
#include "imaging/Luminance.h"
#include "imaging/RowBinarizer.h"
#include "imaging/RunLengthDecoder.h"

// The converters of the six depths. LoadBitmapBytes has checked that width and height are
// positive and within the size limit, so every size below fits comfortably in size_t.
namespace {

using converter::ConvertPixelRows;
using converter::FailNoMemory;
using converter::MoveToPixels;
using converter::ReadPixelBlocks;
using converter::RefuseUnsupported;

struct ImageSize {
    std::size_t width;
    std::size_t height;
};

ImageSize SizeOf(const BitmapInfoHeader& header) {
    return {static_cast<std::size_t>(header.width), static_cast<std::size_t>(header.height)};
}

// Reads `count` colour entries (blue, green, red, reserved) into `table` and marks each one
// black whose gray is at most 128 (one-bit images: below 128).
template <std::size_t kEntries>
void ReadColourTable(CByteSource& file, std::size_t count,
                     std::array<std::uint8_t, kEntries * 4>& table,
                     std::array<std::uint8_t, kEntries>& black, bool oneBitRule) {
    file.Read(std::span(table).first(count * 4));
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t gray = Luminance(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
        black[i] = oneBitRule ? gray < kOneBitBlackBelow : gray <= kBlackAtMost;
    }
}

// Colours used, or `max` when it is 0 or above `max`.
std::size_t ColoursRead(const BitmapInfoHeader& header, std::size_t max) {
    return header.colorsUsed == 0 || header.colorsUsed > max ? max : header.colorsUsed;
}

// The three colour masks: from a longer header when it has them, else read after the header.
std::array<std::uint32_t, 3> ReadMasks(CByteSource& file, const BitmapInfoHeader& header) {
    if (header.headerMasks) return *header.headerMasks;
    std::array<std::uint8_t, 12> bytes{};
    file.Read(bytes);
    return {le::GetU32(bytes.data()), le::GetU32(bytes.data() + 4), le::GetU32(bytes.data() + 8)};
}

std::array<std::uint8_t, 12> MaskEntries(const std::array<std::uint32_t, 3>& masks) {
    std::array<std::uint8_t, 12> entries{};
    for (std::size_t i = 0; i < 3; ++i) le::PutU32(entries.data() + 4 * i, masks[i]);
    return entries;
}

// Expands run-length data into a new index buffer; nullptr (after message 105) when it
// cannot be allocated.
using RleDecoder = void (*)(std::span<std::uint8_t>, std::span<const std::uint8_t>, std::int32_t,
                            std::int32_t);
std::unique_ptr<ImageBlock> ExpandRunLength(const BitmapInfoHeader& header, std::size_t stride,
                                            RleDecoder decode, CurrentImage& image, IOperator& op) {
    try {
        auto indices = std::make_unique<ImageBlock>(stride * SizeOf(header).height, 0);
        decode(*indices, *image.sourceBits, header.width, header.height);
        return indices;
    } catch (const std::bad_alloc&) {
        FailNoMemory(image, op);
        return nullptr;
    }
}

// Run-length data is read whole and expanded before `convertRow(sourceRow, transferRow)`
// runs over its rows.
template <typename RowFunction>
bool ConvertRunLength(CByteSource& file, const BitmapInfoHeader& header, std::size_t stride,
                      RleDecoder decode, CurrentImage& image, IOperator& op,
                      RowFunction convertRow) {
    const std::size_t encodedSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(header.imageSize, file.Remaining()));
    if (!ReadPixelBlocks(file, encodedSize, image, op)) return false;
    const std::unique_ptr<ImageBlock> indices = ExpandRunLength(header, stride, decode, image, op);
    if (!indices) return false;
    const std::size_t transferStride = image.TransferStride();
    std::uint8_t* transfer = image.transferBits->data();
    for (std::size_t y = 0; y < SizeOf(header).height; ++y) {
        convertRow(indices->data() + y * stride, transfer + y * transferStride);
    }
    if (!image.keepSourcePixels) image.sourceBits.reset();
    return true;
}

}  // namespace

bool ConvertBitmap1(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op) {
    if (header.compression != BI_RGB) return RefuseUnsupported(op);
    std::array<std::uint8_t, 8> table{};
    std::array<std::uint8_t, 2> black{};
    ReadColourTable<2>(file, 2, table, black, true);
    if (!StoreImageHeaders(header, table, 2, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    MoveToPixels(file, header);
    return ConvertPixelRows(file, Stride1(width), image, op,
                            [&](const std::uint8_t* src, std::uint8_t* dst) {
                                binarize::Row1(src, width, black[0] != 0, black[1] != 0, dst);
                            });
}

bool ConvertBitmap4(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op) {
    const bool runLength = header.compression == BI_RLE4;
    if (header.compression != BI_RGB && !runLength) return RefuseUnsupported(op);
    std::array<std::uint8_t, 16 * 4> table{};
    std::array<std::uint8_t, 16> black{};
    ReadColourTable<16>(file, ColoursRead(header, 16), table, black, false);
    if (!StoreImageHeaders(header, table, 16, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    const std::size_t stride = Stride4(width);
    const auto pairs = binarize::NibblePairTable(black);
    const auto convertRow = [&](const std::uint8_t* src, std::uint8_t* dst) {
        binarize::Row4(src, width, pairs, dst);
    };
    MoveToPixels(file, header);
    if (!runLength) return ConvertPixelRows(file, stride, image, op, convertRow);
    return ConvertRunLength(file, header, stride, DecodeRle4, image, op, convertRow);
}

bool ConvertBitmap8(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op) {
    const bool runLength = header.compression == BI_RLE8;
    if (header.compression != BI_RGB && !runLength) return RefuseUnsupported(op);
    std::array<std::uint8_t, 256 * 4> table{};
    std::array<std::uint8_t, 256> black{};
    ReadColourTable<256>(file, ColoursRead(header, 256), table, black, false);
    if (!StoreImageHeaders(header, table, 256, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    const std::size_t stride = Stride8(width);
    const auto convertRow = [&](const std::uint8_t* src, std::uint8_t* dst) {
        binarize::Row8(src, width, black, dst);
    };
    MoveToPixels(file, header);
    if (!runLength) return ConvertPixelRows(file, stride, image, op, convertRow);
    return ConvertRunLength(file, header, stride, DecodeRle8, image, op, convertRow);
}

bool ConvertBitmap16(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op) {
    if (header.compression != BI_RGB && header.compression != BI_BITFIELDS) {
        return RefuseUnsupported(op);
    }
    std::array<std::uint32_t, 3> masks{0, 0, 0};
    bool sixBitGreen = false;
    if (header.compression == BI_BITFIELDS) {
        masks = ReadMasks(file, header);
        const bool is555 = masks == std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F};
        sixBitGreen = masks == std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F};
        if (!is555 && !sixBitGreen) return RefuseUnsupported(op);
    }
    if (!StoreImageHeaders(header, MaskEntries(masks), 3, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    std::array<std::uint8_t, 32> table5{};
    std::array<std::uint8_t, 64> table6{};
    BuildChannelTables(table5, table6);
    std::unique_ptr<std::uint8_t[]> black;
    try {
        black = std::make_unique<std::uint8_t[]>(65536);
    } catch (const std::bad_alloc&) {
        return FailNoMemory(image, op);
    }
    for (unsigned v = 0; v < 65536; ++v) {
        const std::uint8_t red = sixBitGreen ? table5[v >> 11] : table5[(v >> 10) & 31];
        const std::uint8_t green = sixBitGreen ? table6[(v >> 5) & 63] : table5[(v >> 5) & 31];
        const std::uint8_t blue = table5[v & 31];
        black[v] = Luminance(red, green, blue) <= kBlackAtMost;
    }
    MoveToPixels(file, header);
    return ConvertPixelRows(file, Stride16(width), image, op,
                            [&](const std::uint8_t* src, std::uint8_t* dst) {
                                binarize::Row16(src, width, black.get(), dst);
                            });
}

bool ConvertBitmap24(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op) {
    if (header.compression != BI_RGB) return RefuseUnsupported(op);
    if (!StoreImageHeaders(header, {}, 0, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    MoveToPixels(file, header);
    return ConvertPixelRows(
        file, Stride24(width), image, op,
        [&](const std::uint8_t* src, std::uint8_t* dst) { binarize::Row24(src, width, dst); });
}

bool ConvertBitmap32(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op) {
    if (header.compression != BI_RGB && header.compression != BI_BITFIELDS) {
        return RefuseUnsupported(op);
    }
    std::array<std::uint8_t, 12> entries{};
    std::size_t entryCount = 0;
    if (header.compression == BI_BITFIELDS) {
        const auto masks = ReadMasks(file, header);
        if (masks != std::array<std::uint32_t, 3>{0x00FF0000, 0x0000FF00, 0x000000FF}) {
            return RefuseUnsupported(op);
        }
        entries = MaskEntries(masks);
        entryCount = 3;
    }
    if (!StoreImageHeaders(header, entries, entryCount, image, op)) return false;

    const std::size_t width = SizeOf(header).width;
    MoveToPixels(file, header);
    return ConvertPixelRows(
        file, Stride32(width), image, op,
        [&](const std::uint8_t* src, std::uint8_t* dst) { binarize::Row32(src, width, dst); });
}
