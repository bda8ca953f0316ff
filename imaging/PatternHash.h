#pragma once

#include <cstdint>
#include <string>

#include "imaging/CurrentImage.h"

// A fingerprint of the pattern a download sends for the transfer image of `image`: its
// width, its height and its packed rows, hashed with 64-bit FNV-1a. Two pictures with the
// same fingerprint send the same bytes (up to the odds of a 64-bit collision). 0 when there
// is no transfer image.
std::uint64_t PatternHash(const CurrentImage& image);

// The fingerprint as 16 lower-case hex digits, and back (0 for a text that is not that).
std::string PatternHashText(std::uint64_t hash);
std::uint64_t ParsePatternHash(const std::string& text);
