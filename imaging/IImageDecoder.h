#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// What a front end asks of a decoder for one picture.
struct ImageDecodeRequest {
    // Dots per millimetre of the chosen printer model: a vector picture is drawn at the size
    // it was drawn for.
    int dotsPerMm = 8;
    // A printed size asked for a vector picture instead of its own; given one, the other
    // follows the picture's aspect ratio. Raster pictures keep one pixel per dot.
    std::optional<double> widthMm;
    std::optional<double> heightMm;
    // How long decoding one picture may take; a decoder looks at the clock between the
    // blocks of rows it hands over.
    std::chrono::milliseconds timeBudget{10000};
    // Asked between blocks of rows: true ends the decoding (Ctrl+C, say). May be empty.
    std::function<bool()> stopRequested;
};

enum class DecodeOutcome {
    Decoded,
    Unreadable,     // not a picture the decoder can read, or a broken one
    TooLarge,       // larger than the decoder may hold in memory
    NotRenderable,  // a vector picture that cannot be drawn, or one refused as unsafe
    NoMemory,
    Stopped,      // the sink refused the picture and has said why
    Interrupted,  // the request's stop was asked for
    OverTime,     // the time budget ran out
};

// Receives a decoded picture a block of rows at a time.
class IRgbaRowSink {
  public:
    virtual ~IRgbaRowSink() = default;
    // The picture's size in dots, given before any pixel is decoded. False stops the
    // decoder: the sink has shown why.
    virtual bool Begin(std::int32_t width, std::int32_t height) = 0;
    // `count` rows from row `first` (0 is the top row), each of the width's pixels as red,
    // green, blue and alpha (not premultiplied), `stride` bytes from one row to the next.
    virtual void Rows(std::int32_t first, std::int32_t count, const std::uint8_t* rgba,
                      std::size_t stride) = 0;
};

// A decoder of picture formats other than BMP and .pld, given to the core by a front end
// (the core itself reads only those two).
class IImageDecoder {
  public:
    virtual ~IImageDecoder() = default;
    // True for the files this decoder reads, judged by their names.
    virtual bool Handles(const std::filesystem::path& path) const = 0;
    // Decodes `path` into `sink`; Decoded once every row has been handed over.
    virtual DecodeOutcome Decode(const std::filesystem::path& path,
                                 const ImageDecodeRequest& request, IRgbaRowSink& sink) = 0;
    // Why the last Decode failed, in the operator's language, with what the libraries
    // behind the decoder warned of; empty when there is nothing more than the outcome.
    virtual std::string Reason() const { return {}; }
};
