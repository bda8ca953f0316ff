#include "imaging/TransferFile.h"

#include <array>
#include <vector>

#include "imaging/ImagingMessages.h"
#include "imaging/LogoDataFile.h"
#include "imaging/TransferImage.h"
#include "imaging/WholeFileWriter.h"
#include "res/Texts.h"

bool WriteTransferFile(const std::filesystem::path& path, CFontPT& item, const CurrentImage& image,
                       IOperator& op) {
    std::array<std::uint8_t, kLogoHeaderSize> header{};
    std::array<std::uint8_t, kLogoPrefixSize> prefix{};
    BuildLogoFileHeader(header, prefix, 1, item.m_name, kLogoCharacterCode, image);

    // The printer's prefix: the logo call code, then words 2 to 5 of the prefix big-endian.
    std::array<std::uint8_t, kLogoPrefixSize> printerPrefix{kLogoCallCode[0], kLogoCallCode[1]};
    for (std::size_t i = 2; i < kLogoPrefixSize; i += 2) {
        printerPrefix[i] = prefix[i + 1];
        printerPrefix[i + 1] = prefix[i];
    }
    const std::optional<FileParts> parts = WithPackedRows({printerPrefix}, image, op);
    if (!parts) return false;
    if (!image.HasTransferImage() || !WriteFileWhole(path, *parts)) {
        ShowImagingError(op, texts::IDS_PLD_CREATE_FAILED);
        return false;
    }
    item.m_width = image.Width();
    item.m_height = image.Height();
    item.m_patternSize = static_cast<std::int32_t>(image.PatternSize());
    return true;
}
