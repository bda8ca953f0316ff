#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "host/IOperator.h"
#include "imaging/BitmapInfoHeader.h"
#include "imaging/CByteSource.h"
#include "imaging/CurrentImage.h"

// Steps the converters share once the headers are stored.
namespace converter {

// Moves `file`, which stands at the end of the colour table or masks, to the pixel array:
// to the file header's pixel offset when that lies here or further on and inside the file
// (some writers leave a gap or an unneeded palette before the pixels); otherwise the pixels
// are taken from right here.
void MoveToPixels(CByteSource& file, const BitmapInfoHeader& header);

// Replaces sourceBits with `sourceSize` bytes read from `file` (missing bytes zero) and
// transferBits with a zero-filled image of the description's size. On an allocation
// failure both blocks are released, message 105 is shown and false returned.
bool ReadPixelBlocks(CByteSource& file, std::size_t sourceSize, CurrentImage& image, IOperator& op);

// Turns one source row into its (zero-filled) transfer row.
using RowConverter = std::function<void(const std::uint8_t* source, std::uint8_t* transfer)>;

// Reads the image's rows of `stride` bytes, bottom row first, and converts each into the
// new zero-filled transferBits. When the image keeps its source pixels they become
// sourceBits; otherwise they pass through a small buffer a block of rows at a time, and
// sourceBits is absent. On an allocation failure both blocks are released, message 105 is
// shown and false returned.
bool ConvertPixelRows(CByteSource& file, std::size_t stride, CurrentImage& image, IOperator& op,
                      const RowConverter& convertRow);

// Shows message 104 (text alone) and returns false.
bool RefuseUnsupported(IOperator& op);

// Shows message 105, releases both pixel blocks and returns false.
bool FailNoMemory(CurrentImage& image, IOperator& op);

}  // namespace converter
