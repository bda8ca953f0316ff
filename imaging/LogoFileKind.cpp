#include "imaging/LogoFileKind.h"

#include <algorithm>
#include <string>

LogoFileKind KindOfLogoFile(const std::filesystem::path& path) {
    const std::string text = path.string();
    if (text.size() < 3) return LogoFileKind::Unsupported;
    std::string tail = text.substr(text.size() - 3);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (tail == "bmp") return LogoFileKind::Bitmap;
    if (tail == "pld") return LogoFileKind::LogoData;
    return LogoFileKind::Unsupported;
}
