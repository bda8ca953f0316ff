#pragma once

#include <filesystem>

// True for the names of the picture files that the decoder of other formats reads: *.png,
// *.jpg, *.jpeg, *.gif, *.webp, *.tif, *.tiff and *.svg, in any case.
bool IsPictureFileName(const std::filesystem::path& path);
// True for *.svg, in any case: a vector picture, drawn at its printed size.
bool IsVectorPictureFileName(const std::filesystem::path& path);
