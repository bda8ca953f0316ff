#include <cstddef>
#include <cstdint>
#include <span>

#include "tests/support/CSilentOperator.h"
#include "imaging/LogoDataFile.h"
#include "imaging/TransferImage.h"

// Any bytes as a .pld file; a loaded image is also packed, as the logo writers do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSilentOperator op;
    // One image for the whole run, as the view keeps one: every load replaces the last.
    static CurrentImage image;
    const bool loaded = LoadLogoDataBytes(std::span(data, size), image, op);
    // Pixels present must always match their description, after a success or a failure.
    if ((loaded || image.transferBits) && !image.HasTransferImage()) __builtin_trap();
    if (loaded) (void)PackTransferImage(image);
    return 0;
}
