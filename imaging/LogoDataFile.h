#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"

// The logo data file (.pld): version word, 142-byte file header, pattern prefixes and the
// packed pattern data, little-endian.
inline constexpr std::size_t kLogoHeaderSize = 142;
inline constexpr std::size_t kLogoPrefixSize = 10;
inline constexpr std::size_t kLogoDataOffset = 2 + kLogoHeaderSize;  // first prefix
inline constexpr std::uint16_t kLogoFileVersion = 1;
inline constexpr std::uint16_t kLogoFormatWord = 1;
inline constexpr std::uint32_t kLogoIdCode = 0x38270003;
inline constexpr std::uint16_t kLogoCharacterCode = 0xFF2C;  // full-width L

// Fills a 142-byte file header and a 10-byte pattern prefix for the transfer image of
// `image`: sizes, `count` patterns, `name` (Shift-JIS, cut to 32 bytes) and the prefix's
// character `code`. The ID code (h = 100) and the word at h = 140 are left to the caller.
void BuildLogoFileHeader(std::span<std::uint8_t, kLogoHeaderSize> header,
                         std::span<std::uint8_t, kLogoPrefixSize> prefix, std::uint32_t count,
                         std::string_view name, std::uint16_t code, const CurrentImage& image);

// Writes a .pld file of the transfer image under the name `name` (Shift-JIS). The file is
// written whole or not at all; on failure message 108 (or 105) is shown.
bool WriteLogoDataFile(const std::filesystem::path& path, std::string_view name,
                       const CurrentImage& image, IOperator& op);

// Reads a .pld file into `image` (source and transfer image become the same picture).
bool LoadLogoDataFile(const std::filesystem::path& path, CurrentImage& image, IOperator& op);
// The same for a file already held in memory.
bool LoadLogoDataBytes(std::span<const std::uint8_t> file, CurrentImage& image, IOperator& op);

// Makes sourceInfo and transferInfo the one-bit description of a width x height image.
bool SetLogoDataHeaders(std::int32_t width, std::int32_t height, CurrentImage& image,
                        IOperator& op);
