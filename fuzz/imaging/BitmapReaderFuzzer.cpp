#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz/imaging/CSilentOperator.h"
#include "imaging/BitmapLoader.h"
#include "imaging/TransferImage.h"

// Any bytes as a bitmap file; a loaded image is also packed, as the logo writers do.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CSilentOperator op;
    CurrentImage image;
    if (LoadBitmapBytes(std::span(data, size), "fuzz.bmp", image, op)) {
        (void)PackTransferImage(image);
    }
    return 0;
}
