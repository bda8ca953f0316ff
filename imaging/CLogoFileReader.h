#pragma once

#include <filesystem>

#include "host/IOperator.h"
#include "imaging/CurrentImage.h"
#include "imaging/IImageDecoder.h"
#include "imaging/LogoFileKind.h"

// Reads logo files of every kind a front end knows into the current image: bitmaps and
// .pld files itself, other pictures through the decoder the front end gives (none: only
// bitmaps and .pld files are known).
class CLogoFileReader {
  public:
    // The decoder of other formats, not owned; nullptr for none.
    void SetDecoder(IImageDecoder* decoder) { m_decoder = decoder; }
    bool HasDecoder() const { return m_decoder != nullptr; }

    // How pictures are sized; the same for every reading of one item's file.
    ImageDecodeRequest m_request;

    // A bitmap or .pld file by its last three characters, else a picture when the decoder
    // takes the file, else unsupported.
    LogoFileKind Kind(const std::filesystem::path& path) const;
    // Reads `path` by its kind; shows the reader's message and returns false on failure.
    // An unsupported file returns false without a message (callers name it themselves).
    bool Load(const std::filesystem::path& path, CurrentImage& image, IOperator& op) const;

  private:
    IImageDecoder* m_decoder = nullptr;
};
