#pragma once

#include <cstdint>
#include <vector>

// The placeholder picture of the previews: the words "No image" in black on white,
// 163 x 157 pixels, drawn from a built-in 5 x 7 dot font so that it looks the same on
// every machine.
inline constexpr int kNoImageWidth = 163;
inline constexpr int kNoImageHeight = 157;

// One byte per pixel, rows top first: 1 = black, 0 = white.
std::vector<std::uint8_t> NoImagePicture();
