#pragma once

#include <string>

#include "imaging/IImageDecoder.h"

class QIODevice;

// Raster pictures through Qt's image readers: PNG, JPEG, GIF, WebP and TIFF, recognised by
// their content. One pixel is one dot; an animated file gives its first frame. The size is
// taken from the file's header and offered to the sink before any pixel is decoded.
class CRasterPictureDecoder {
  public:
    CRasterPictureDecoder();
    // Reads the picture from `device` (a file or bytes in memory); a refused picture gets its
    // reason in `reason`.
    DecodeOutcome Decode(QIODevice& device, const ImageDecodeRequest& request, IRgbaRowSink& sink,
                         std::string& reason) const;
};
