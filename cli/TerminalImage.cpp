#include "cli/TerminalImage.h"

#include "imaging/TransferImage.h"

namespace {

// Pixel (x, row) with row 0 the top row of the picture.
bool IsBlack(const CurrentImage& image, int x, int row) {
    const std::size_t y = static_cast<std::size_t>(image.Height() - 1 - row);
    const std::uint8_t byte =
        (*image.transferBits)[y * image.TransferStride() + static_cast<std::size_t>(x / 8)];
    return (byte >> (7 - x % 8)) & 1;
}

}  // namespace

std::string RenderHalfBlocks(const CurrentImage& image) {
    if (!image.HasTransferImage()) return {};
    std::string out;
    const int width = image.Width();
    const int height = image.Height();
    for (int row = 0; row < height; row += 2) {
        for (int x = 0; x < width; ++x) {
            const bool top = IsBlack(image, x, row);
            const bool bottom = row + 1 < height && IsBlack(image, x, row + 1);
            out += top && bottom ? "█" : top ? "▀" : bottom ? "▄" : " ";
        }
        out += '\n';
    }
    return out;
}

std::string RenderAscii(const CurrentImage& image) {
    if (!image.HasTransferImage()) return {};
    std::string out;
    for (int row = 0; row < image.Height(); ++row) {
        for (int x = 0; x < image.Width(); ++x) out += IsBlack(image, x, row) ? '#' : '.';
        out += '\n';
    }
    return out;
}

std::vector<std::uint8_t> EncodePbm(const CurrentImage& image) {
    const std::string header =
        "P4\n" + std::to_string(image.Width()) + " " + std::to_string(image.Height()) + "\n";
    std::vector<std::uint8_t> pbm(header.begin(), header.end());
    const std::vector<std::uint8_t> packed = PackTransferImage(image);
    pbm.insert(pbm.end(), packed.begin(), packed.end());
    return pbm;
}
