#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A device-independent bitmap (description + pixels, as the current image keeps them)
// wrapped into the bytes of a BMP file, so that a picture decoder can draw it exactly as
// it was read. The pixel data starts right after the description.
std::vector<std::uint8_t> MakeBmpFile(std::span<const std::uint8_t> info,
                                      std::span<const std::uint8_t> bits);
