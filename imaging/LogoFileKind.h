#pragma once

#include <filesystem>

enum class LogoFileKind { Bitmap, LogoData, Unsupported };

// The kind of a file by the last three characters of its path, "bmp" or "pld" in any case
// (so logo.jpeg is unsupported and x.pld.bmp a bitmap).
LogoFileKind KindOfLogoFile(const std::filesystem::path& path);
