#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/imaging/CSilentOperator.h"
#include "imaging/LogoDataFile.h"
#include "imaging/TransferImage.h"

// Any bytes as a .pld file; a loaded image is also packed, as the logo writers do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSilentOperator op;
    CurrentImage image;
    if (LoadLogoDataBytes(std::span(data, size), image, op)) {
        (void)PackTransferImage(image);
    }
    return 0;
}
