#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"

// The packed pattern data of the transfer image: top row first, PackedRowBytes() per row,
// no row padding. Empty when there is no transfer image. Throws std::bad_alloc.
std::vector<std::uint8_t> PackTransferImage(const CurrentImage& image);
// The parts of a file about to be written: the `head` parts, then the packed rows of the
// transfer image as views into transferBits (top row first, PackedRowBytes() each), so that
// the pattern data is never copied. Shows message 105 and gives nullopt when the memory for
// the list cannot be had.
using FileParts = std::vector<std::span<const std::uint8_t>>;
std::optional<FileParts> WithPackedRows(std::initializer_list<std::span<const std::uint8_t>> head,
                                        const CurrentImage& image, IOperator& op);
