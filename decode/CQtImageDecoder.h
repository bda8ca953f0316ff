#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "decode/CRasterPictureDecoder.h"
#include "decode/CSvgPictureDecoder.h"
#include "imaging/IImageDecoder.h"

// The decoder of other formats that the desktop program and the command line give the
// core: raster pictures through Qt's image readers, SVG through Qt SVG. It needs a
// QGuiApplication (fonts for SVG text); when the process has none, it makes one on the
// offscreen platform, with a runtime folder of its own when the session has none (removed
// when the process ends, so that nothing is left in the temporary folder).
class CQtImageDecoder : public IImageDecoder {
  public:
    bool Handles(const std::filesystem::path& path) const override;
    DecodeOutcome Decode(const std::filesystem::path& path, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink) override;
    std::string Reason() const override { return m_reason; }
    // The same for a picture already in memory, its format told by `name` as a file's name
    // would tell it.
    // SVG drawn in this process rather than in the helper (a fuzzer's choice: it sees the
    // drawing's code, and a slow band is not stopped).
    void DrawVectorPicturesHere() { m_svg.DrawInOwnProcess(false); }
    DecodeOutcome DecodeBytes(std::span<const std::uint8_t> bytes,
                              const std::filesystem::path& name, const ImageDecodeRequest& request,
                              IRgbaRowSink& sink);

  private:
    DecodeOutcome DecodeFrom(QIODevice& device, bool vector, const ImageDecodeRequest& request,
                             IRgbaRowSink& sink);

    CRasterPictureDecoder m_raster;
    CSvgPictureDecoder m_svg;
    std::string m_reason;
};
