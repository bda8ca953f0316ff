// Any bytes as a picture of another format (PNG, JPEG, GIF, WebP, TIFF or SVG, chosen by
// the first byte), read through the Qt decoder with its limits into the current image.
#include <unistd.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "decode/CQtImageDecoder.h"
#include "imaging/CLogoFileReader.h"
#include "imaging/TransferImage.h"
#include "tests/support/CSilentOperator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<const char*, 6> kNames = {".png", ".jpg", ".gif", ".webp", ".tif", ".svg"};
    static CQtImageDecoder decoder;
    static CurrentImage image;  // one image for the whole run, as the view keeps one
    if (size == 0) return 0;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("stampix-fuzz-" + std::to_string(::getpid()) +
                                        kNames[data[0] % kNames.size()]);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    CLogoFileReader reader;
    reader.SetDecoder(&decoder);
    reader.m_request.dotsPerMm = data[0] & 0x80 ? 12 : 8;
    image.keepSourcePixels = (data[0] & 0x40) != 0;
    CSilentOperator op;
    const bool loaded = reader.Load(path, image, op);
    std::filesystem::remove(path);
    // Pixels present must always match their description, after a success or a failure.
    if ((loaded || image.transferBits) && !image.HasTransferImage()) __builtin_trap();
    if (loaded) (void)PackTransferImage(image);
    return 0;
}
