#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"

// The packed pattern data of the transfer image: top row first, PackedRowBytes() per row,
// no row padding. Empty when there is no transfer image. Throws std::bad_alloc.
std::vector<std::uint8_t> PackTransferImage(const CurrentImage& image);
// The same for a file about to be written: shows message 105 and gives nullopt when the
// memory for it cannot be had.
std::optional<std::vector<std::uint8_t>> PackTransferImage(const CurrentImage& image,
                                                           IOperator& op);
