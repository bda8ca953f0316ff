#include "imaging/LogoDataFile.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>

#include "imaging/BitmapLoader.h"
#include "imaging/CByteSource.h"
#include "imaging/CReadOnlyFile.h"
#include "imaging/ImagingMessages.h"
#include "imaging/LittleEndian.h"
#include "imaging/TransferImage.h"
#include "imaging/WholeFileWriter.h"
#include "res/Texts.h"
#include "text/ShiftJis.h"

namespace {

constexpr std::size_t kNameField = 32;
constexpr std::size_t kKindField = 12;

void PutText(std::uint8_t* field, std::size_t fieldSize, std::string_view text) {
    const std::size_t n = std::min(fieldSize, text.size());
    std::copy_n(text.begin(), n, field);
}

}  // namespace

void BuildLogoFileHeader(std::span<std::uint8_t, kLogoHeaderSize> header,
                         std::span<std::uint8_t, kLogoPrefixSize> prefix, std::uint32_t count,
                         std::string_view name, std::uint16_t code, const CurrentImage& image) {
    const auto width = static_cast<std::uint32_t>(image.Width());
    const auto height = static_cast<std::uint32_t>(image.Height());
    const auto patternSize = static_cast<std::uint32_t>(image.PatternSize());
    std::uint8_t* h = header.data();

    le::PutU16(h + 0, 0);
    le::PutU16(h + 2, kLogoFormatWord);
    PutText(h + 4, kNameField, sjis::CutToBytes(name, kNameField));
    static const std::string kind =
        sjis::FromUtf8(texts::StringTable(texts::IDS_LOGO)).value_or(std::string());
    PutText(h + 36, kKindField, kind);
    PutText(h + 48, 4, "10");
    le::PutU16(h + 52, width);
    le::PutU16(h + 54, height);
    le::PutU32(h + 56, patternSize);
    le::PutU32(h + 60, count);
    le::PutU32(h + 64, 0);
    le::PutU32(h + 68, count * (patternSize + static_cast<std::uint32_t>(kLogoPrefixSize)));
    h[76] = 128;
    le::PutU16(h + 78, 400);
    le::PutU16(h + 80, width);
    le::PutU16(h + 82, height);
    le::PutU16(h + 136, 10);

    le::PutU16(prefix.data() + 0, code);
    le::PutU16(prefix.data() + 2, 0);
    le::PutU16(prefix.data() + 4, width);
    le::PutU16(prefix.data() + 6, 0);
    le::PutU16(prefix.data() + 8, height);
}

bool WriteLogoDataFile(const std::filesystem::path& path, std::string_view name,
                       const CurrentImage& image, IOperator& op) {
    std::array<std::uint8_t, kLogoHeaderSize> header{};
    std::array<std::uint8_t, kLogoPrefixSize> prefix{};
    BuildLogoFileHeader(header, prefix, 1, name, kLogoCharacterCode, image);
    le::PutU32(header.data() + 100, kLogoIdCode);

    std::array<std::uint8_t, 2> version{};
    le::PutU16(version.data(), kLogoFileVersion);
    const std::optional<FileParts> parts = WithPackedRows({version, header, prefix}, image, op);
    if (!parts) return false;
    if (!image.HasTransferImage() || !WriteFileWhole(path, *parts)) {
        ShowImagingError(op, texts::IDS_PLD_CREATE_FAILED);
        return false;
    }
    return true;
}

bool LoadLogoDataFile(const std::filesystem::path& path, CurrentImage& image, IOperator& op) {
    CReadOnlyFile file;
    if (!file.Open(path) || !file.Map()) {
        ShowImagingError(op, texts::IDS_BMP_OPEN_FAILED);
        return false;
    }
    return LoadLogoDataBytes(file.Bytes(), image, op);
}

bool LoadLogoDataBytes(std::span<const std::uint8_t> file, CurrentImage& image, IOperator& op) {
    CByteSource source(file);
    std::array<std::uint8_t, 2> version{};
    source.Read(version);
    if (le::GetU16(version.data()) != kLogoFileVersion) {
        ShowImagingError(op, texts::IDS_PLD_BAD_VERSION);
        return false;
    }
    std::array<std::uint8_t, kLogoHeaderSize> header{};
    source.Read(header);
    if (le::GetU32(header.data() + 100) != kLogoIdCode) {
        ShowImagingError(op, texts::IDS_PLD_BAD_ID_CODE);
        return false;
    }
    if (le::GetU16(header.data() + 2) != kLogoFormatWord) {
        ShowImagingError(op, texts::IDS_PLD_BAD_FORMAT);
        return false;
    }
    const std::int32_t width = le::GetU16(header.data() + 52);
    const std::int32_t height = le::GetU16(header.data() + 54);
    const std::uint32_t count = le::GetU32(header.data() + 60);
    // The 16-bit sizes could claim 65535 x 65535 pixels; hold them to the bitmap limit.
    if (!IsWithinSizeLimit(width, height)) {
        ShowImagingError(op, texts::IDS_BMP_TOO_LARGE);
        return false;
    }
    if (width == 0 || height == 0) {
        ShowImagingError(op, texts::IDS_PLD_BAD_FORMAT);
        return false;
    }
    if (!SetLogoDataHeaders(width, height, image, op)) return false;

    // Prefixes are skipped, never read: a count of four billion costs nothing.
    source.Skip(std::uint64_t{count} * kLogoPrefixSize);
    image.ReleasePixels();
    try {
        const std::size_t stride = image.TransferStride();
        const std::size_t rowBytes = image.PackedRowBytes();
        const auto rows = static_cast<std::size_t>(height);
        ImageBlock bits(stride * rows, 0);
        std::vector<std::uint8_t> row(rowBytes);
        for (std::size_t r = 0; r < rows; ++r) {
            source.Read(row);  // missing bytes read as zero
            std::copy(row.begin(), row.end(),
                      bits.begin() + static_cast<std::ptrdiff_t>((rows - 1 - r) * stride));
        }
        if (image.keepSourcePixels) image.sourceBits = bits;
        image.transferBits = std::move(bits);
    } catch (const std::bad_alloc&) {
        image.ReleasePixels();
        ShowImagingError(op, texts::IDS_NO_MEMORY);
        return false;
    }
    return true;
}

bool SetLogoDataHeaders(std::int32_t width, std::int32_t height, CurrentImage& image,
                        IOperator& op) {
    try {
        ImageBlock info(kMonoInfoSize, 0);
        std::uint8_t* t = info.data();
        le::PutU32(t, kInfoHeaderSize);
        le::PutU32(t + 4, static_cast<std::uint32_t>(width));
        le::PutU32(t + 8, static_cast<std::uint32_t>(height));
        le::PutU16(t + 12, 1);
        le::PutU16(t + 14, 1);
        le::PutU32(t + 20, static_cast<std::uint32_t>(MonoStride(static_cast<std::size_t>(width)) *
                                                      static_cast<std::size_t>(height)));
        t[40] = t[41] = t[42] = 255;  // index 0 white, index 1 black
        image.sourceInfo = info;
        image.transferInfo = std::move(info);
    } catch (const std::bad_alloc&) {
        ShowImagingError(op, texts::IDS_NO_MEMORY);
        return false;
    }
    return true;
}
