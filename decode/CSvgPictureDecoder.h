#pragma once

#include <string>

#include "imaging/IImageDecoder.h"

class QIODevice;

// SVG documents through Qt SVG, drawn at their printed size (see SvgPrintedSize) on white,
// anti-aliased, a band of rows at a time. A document is checked before it is drawn
// (CheckSvgDocument) and read only from its own bytes.
class CSvgPictureDecoder {
  public:
    // Reads the document from `device` (a file or bytes in memory); a refused document gets
    // its reason in `reason`.
    DecodeOutcome Decode(QIODevice& device, const ImageDecodeRequest& request, IRgbaRowSink& sink,
                         std::string& reason) const;
};
