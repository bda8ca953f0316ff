#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "imaging/CurrentImage.h"

// The transfer image for the terminal, top row first, black pixels drawn.
// Half blocks: two pixel rows per text row ("▀", "▄", "█" or a space).
std::string RenderHalfBlocks(const CurrentImage& image);
// One pixel row per line, '#' black and '.' white.
std::string RenderAscii(const CurrentImage& image);
// A binary PBM (P4) file of the transfer image (1 = black, as in PBM).
std::vector<std::uint8_t> EncodePbm(const CurrentImage& image);
