#pragma once

#include <cstdint>
#include <vector>

#include "imaging/CurrentImage.h"

// The packed pattern data of the transfer image: top row first, PackedRowBytes() per row,
// no row padding. Empty when there is no transfer image. Throws std::bad_alloc.
std::vector<std::uint8_t> PackTransferImage(const CurrentImage& image);
