#include "imaging/PictureFileNames.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace {

std::string LowerExtension(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension;
}

}  // namespace

bool IsPictureFileName(const std::filesystem::path& path) {
    static constexpr std::array<std::string_view, 8> kExtensions = {
        ".png", ".jpg", ".jpeg", ".gif", ".webp", ".tif", ".tiff", ".svg"};
    const std::string extension = LowerExtension(path);
    return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

bool IsVectorPictureFileName(const std::filesystem::path& path) {
    return LowerExtension(path) == ".svg";
}
