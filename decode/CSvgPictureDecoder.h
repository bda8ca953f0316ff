#pragma once

#include <filesystem>
#include <string>

#include "imaging/IImageDecoder.h"

// SVG documents through Qt SVG, drawn at their printed size (see SvgPrintedSize) on white,
// anti-aliased, a band of rows at a time. A document is checked before it is drawn
// (CheckSvgDocument) and read only from its own bytes.
class CSvgPictureDecoder {
  public:
    // A refused document gets its reason in `reason`.
    DecodeOutcome Decode(const std::filesystem::path& path, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink, std::string& reason) const;
};
