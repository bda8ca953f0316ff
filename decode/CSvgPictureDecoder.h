#pragma once

#include <string>

#include "imaging/IImageDecoder.h"

class QIODevice;

// SVG documents through Qt SVG, drawn at their printed size (see SvgPrintedSize) on white,
// anti-aliased, a band of rows at a time, in a process of their own where the helper is
// installed. A document is checked before it is drawn
// (CheckSvgDocument) and read only from its own bytes.
class CSvgPictureDecoder {
  public:
    // Reads the document from `device` (a file or bytes in memory); a refused document gets
    // its reason in `reason`.
    DecodeOutcome Decode(QIODevice& device, const ImageDecodeRequest& request, IRgbaRowSink& sink,
                         std::string& reason) const;
    // Draws in stampix-svg-render where it is installed (the default), so that the budget and
    // a stop hold within a band; or here, as a fuzzer needs to see the drawing's code.
    void DrawInOwnProcess(bool own) { m_ownProcess = own; }

  private:
    bool m_ownProcess = true;
};
