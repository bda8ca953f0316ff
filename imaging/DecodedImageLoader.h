#pragma once

#include <filesystem>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"
#include "imaging/IImageDecoder.h"

// Reads `path` through `decoder` into `image`, exactly as a 24-bit bitmap of the same pixels
// would be read: transparent pixels are laid over white, then a gray of at most 128 is
// black. The source image becomes that 24-bit bitmap. On failure the message is shown
// (103 unreadable, 104 not renderable, 105 memory, 106 too large), no pixels of a
// half-decoded picture are kept, and false is returned.
bool LoadDecodedImage(const std::filesystem::path& path, IImageDecoder& decoder,
                      const ImageDecodeRequest& request, CurrentImage& image, IOperator& op);
