#pragma once

#include <cstddef>

#include "host/IOperator.h"
#include "imaging/CByteSource.h"
#include "imaging/CurrentImage.h"

// Steps the converters share once the headers are stored.
namespace converter {

// Replaces sourceBits with `sourceSize` bytes read from `file` (missing bytes zero) and
// transferBits with a zero-filled image of the description's size. On an allocation
// failure both blocks are released, message 105 is shown and false returned.
bool ReadPixelBlocks(CByteSource& file, std::size_t sourceSize, CurrentImage& image, IOperator& op);

// Shows message 104 (text alone) and returns false.
bool RefuseUnsupported(IOperator& op);

// Shows message 105, releases both pixel blocks and returns false.
bool FailNoMemory(CurrentImage& image, IOperator& op);

}  // namespace converter
