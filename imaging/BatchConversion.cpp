#include "imaging/BatchConversion.h"

#include <set>
#include <system_error>

#include "imaging/BitmapLoader.h"
#include "imaging/ImagingMessages.h"
#include "imaging/LogoDataFile.h"
#include "res/Texts.h"

namespace {

// Bytes of the last `count` UTF-8 characters of `text` (all of it when it is shorter).
std::size_t TailBytes(const std::string& text, int count) {
    std::size_t pos = text.size();
    while (count > 0 && pos > 0) {
        --pos;
        const auto byte = static_cast<unsigned char>(text[pos]);
        if ((byte & 0xC0) != 0x80) --count;  // a lead byte or an ASCII byte starts a character
    }
    return text.size() - pos;
}

bool StopRequested(const CLogoFileReader& reader) {
    return reader.m_request.stopRequested && reader.m_request.stopRequested();
}

}  // namespace

std::filesystem::path SameFileKey(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path key = std::filesystem::weakly_canonical(path, error);
    if (!error) return key;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

std::filesystem::path LogoDataPathFor(const std::filesystem::path& bitmapPath) {
    std::string text = bitmapPath.string();
    text.erase(text.size() - TailBytes(text, 3));
    return std::filesystem::path(text + "pld");
}

std::filesystem::path LogoDataPathFor(const std::filesystem::path& path, LogoFileKind kind) {
    if (kind != LogoFileKind::Picture) return LogoDataPathFor(path);
    std::filesystem::path output = path;
    return output.replace_extension(".pld");
}

BatchConversionResult ConvertBitmapsToLogoFiles(std::span<const std::filesystem::path> files,
                                                CurrentImage& image, IOperator& op) {
    return ConvertBitmapsToLogoFiles(files, CLogoFileReader(), image, op);
}

BatchConversionResult ConvertBitmapsToLogoFiles(std::span<const std::filesystem::path> files,
                                                const CLogoFileReader& reader, CurrentImage& image,
                                                IOperator& op) {
    BatchConversionResult result;
    std::set<std::filesystem::path> taken;  // the inputs, then each output as it is planned
    for (const std::filesystem::path& file : files) taken.insert(SameFileKey(file));
    int number = 0;
    for (const std::filesystem::path& file : files) {
        if (StopRequested(reader)) {
            result.stopped = true;
            return result;
        }
        const LogoFileKind kind = reader.Kind(file) == LogoFileKind::Picture ? LogoFileKind::Picture
                                                                             : LogoFileKind::Bitmap;
        const std::filesystem::path output = LogoDataPathFor(file, kind);
        if (!taken.insert(SameFileKey(output)).second) {
            ShowImagingErrorText(op, file.string() + std::string(texts::kConvertOutputTakenJoin) +
                                         output.string() +
                                         std::string(texts::kConvertOutputTakenSuffix));
            ++result.failed;
            continue;
        }
        const bool loaded = kind == LogoFileKind::Picture ? reader.Load(file, image, op)
                                                          : LoadBitmapFile(file, image, op);
        if (!loaded) {
            if (StopRequested(reader)) {  // a stopped decoding is no failure of the file
                result.stopped = true;
                return result;
            }
            ++result.failed;
            continue;
        }
        const std::string name = "QUILSAVE" + std::to_string(number);
        if (WriteLogoDataFile(output, name, image, op)) {
            ++result.converted;
        } else {
            ++result.failed;
        }
        ++number;  // a failed write uses up its number too
    }
    op.ShowMessage(std::string(texts::kResultCaption), std::string(texts::kConvertDoneText),
                   MessageIcon::Information);
    return result;
}
