#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

#include "host/IOperator.h"
#include "imaging/BitmapInfoHeader.h"
#include "imaging/CByteSource.h"
#include "imaging/CurrentImage.h"

// Reading bitmap files into the current image. Every function that fails shows its message
// through `op` ("エラー", exclamation icon) and returns false; the caller shows nothing more.

// Width and height of up to 7992 pixels pass: (size + 7) / 8 must stay below 1000.
inline constexpr std::int64_t kMaxImageBytesPerRow = 1000;
bool IsWithinSizeLimit(std::int64_t width, std::int64_t height);

// Reads the bitmap file `path` and binarizes it into `image`.
bool LoadBitmapFile(const std::filesystem::path& path, CurrentImage& image, IOperator& op);
// The same for a file already held in memory; `path` names it in messages.
bool LoadBitmapBytes(std::span<const std::uint8_t> file, const std::filesystem::path& path,
                     CurrentImage& image, IOperator& op);

// Replaces sourceInfo with the info header and `entryCount` 4-byte entries from `entries`
// (missing entries are zero), and writes transferInfo for the same size and resolutions.
bool StoreImageHeaders(const BitmapInfoHeader& header, std::span<const std::uint8_t> entries,
                       std::size_t entryCount, CurrentImage& image, IOperator& op);

// The converters: `file` stands just after the info header (and any longer header's extra
// bytes); each reads the rest, fills `image` and returns true, or shows its message.
bool ConvertBitmap1(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op);
bool ConvertBitmap4(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op);
bool ConvertBitmap8(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                    IOperator& op);
bool ConvertBitmap16(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op);
bool ConvertBitmap24(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op);
bool ConvertBitmap32(CByteSource& file, const BitmapInfoHeader& header, CurrentImage& image,
                     IOperator& op);
