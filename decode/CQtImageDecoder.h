#pragma once

#include "decode/CRasterPictureDecoder.h"
#include "decode/CSvgPictureDecoder.h"
#include "imaging/IImageDecoder.h"

// The decoder of other formats that the desktop program and the command line give the
// core: raster pictures through Qt's image readers, SVG through Qt SVG. It needs a
// QGuiApplication (fonts for SVG text); when the process has none, it makes one on the
// offscreen platform.
class CQtImageDecoder : public IImageDecoder {
  public:
    bool Handles(const std::filesystem::path& path) const override;
    DecodeOutcome Decode(const std::filesystem::path& path, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink) override;

  private:
    CRasterPictureDecoder m_raster;
    CSvgPictureDecoder m_svg;
};
