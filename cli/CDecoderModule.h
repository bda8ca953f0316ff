#pragma once

#include <memory>

#include "imaging/IImageDecoder.h"

// The decoder of other formats for the command line: it knows the picture file names
// itself and loads the Qt decoder module only when a picture is decoded, so that runs on
// bitmaps and .pld files never load Qt. Without the module pictures cannot be read.
class CDecoderModule : public IImageDecoder {
  public:
    CDecoderModule() = default;
    ~CDecoderModule() override;
    CDecoderModule(const CDecoderModule&) = delete;
    CDecoderModule& operator=(const CDecoderModule&) = delete;

    bool Handles(const std::filesystem::path& path) const override;
    DecodeOutcome Decode(const std::filesystem::path& path, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink) override;
    std::string Reason() const override;

  private:
    IImageDecoder* Loaded();

    void* m_handle = nullptr;
    bool m_tried = false;
    std::unique_ptr<IImageDecoder> m_decoder;
};
