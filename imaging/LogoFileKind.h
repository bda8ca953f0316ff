#pragma once

#include <filesystem>

// Bitmap and LogoData are the core's own formats; Picture is a file that the front end's
// decoder of other formats takes (PNG, SVG, ...).
enum class LogoFileKind { Bitmap, LogoData, Picture, Unsupported };

// The kind of a file by the last three characters of its path, "bmp" or "pld" in any case
// (so logo.jpeg is unsupported and x.pld.bmp a bitmap). Never Picture.
LogoFileKind KindOfLogoFile(const std::filesystem::path& path);
