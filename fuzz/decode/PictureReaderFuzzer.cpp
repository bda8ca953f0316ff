// Any bytes as a picture of another format (PNG, JPEG, GIF, WebP, TIFF or SVG, chosen by
// the first byte), decoded from memory through the Qt decoder with its limits into the
// current image, as the core's reader loads a picture file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "decode/CQtImageDecoder.h"
#include "imaging/DecodedImageLoader.h"
#include "imaging/TransferImage.h"
#include "tests/support/CSilentOperator.h"

namespace {

// Gives the fuzzer's bytes to the Qt decoder as the picture file of the name asked for.
class CBytesDecoder : public IImageDecoder {
  public:
    CBytesDecoder(CQtImageDecoder& decoder, std::span<const std::uint8_t> bytes)
        : m_decoder(decoder), m_bytes(bytes) {}
    bool Handles(const std::filesystem::path&) const override { return true; }
    DecodeOutcome Decode(const std::filesystem::path& path, const ImageDecodeRequest& request,
                         IRgbaRowSink& sink) override {
        return m_decoder.DecodeBytes(m_bytes, path, request, sink);
    }
    std::string Reason() const override { return m_decoder.Reason(); }

  private:
    CQtImageDecoder& m_decoder;
    std::span<const std::uint8_t> m_bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<const char*, 6> kNames = {"fuzz.png",  "fuzz.jpg", "fuzz.gif",
                                                      "fuzz.webp", "fuzz.tif", "fuzz.svg"};
    static CQtImageDecoder decoder = [] {
        CQtImageDecoder made;
        made.DrawVectorPicturesHere();
        return made;
    }();
    static CurrentImage image;  // one image for the whole run, as the view keeps one
    if (size == 0) return 0;
    CBytesDecoder bytes(decoder, {data + 1, size - 1});
    ImageDecodeRequest request;
    request.dotsPerMm = data[0] & 0x80 ? 12 : 8;
    image.keepSourcePixels = (data[0] & 0x40) != 0;
    CSilentOperator op;
    const bool loaded =
        LoadDecodedImage(kNames[data[0] % kNames.size()], bytes, request, image, op);
    // Pixels present must always match their description, after a success or a failure.
    if ((loaded || image.transferBits) && !image.HasTransferImage()) __builtin_trap();
    if (loaded) (void)PackTransferImage(image);
    return 0;
}
