#pragma once

#include <QByteArray>
#include <QRectF>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "imaging/IImageDecoder.h"

// Drawing a checked SVG document in stampix-svg-render, a process of its own: the drawing of
// a band cannot be interrupted, the process can, so the time budget and a stop hold at once
// however long one band would take.

// The helper program beside the installed decoder (or the one of the build tree); empty
// where there is none, and the document is then drawn in the decoding process.
std::filesystem::path SvgRenderProgram();

// Draws `document` into `bounds` of a width x height picture in `program` and hands its rows
// to `sink`, which has already been told the size. Nullopt when the process could not be
// started (nothing was handed over then); otherwise the outcome, with `reason` set for a
// document the helper could not draw.
std::optional<DecodeOutcome> DrawSvgInOwnProcess(const std::filesystem::path& program,
                                                 const QByteArray& document, int width, int height,
                                                 const QRectF& bounds,
                                                 const ImageDecodeRequest& request,
                                                 std::chrono::steady_clock::time_point deadline,
                                                 IRgbaRowSink& sink, std::string& reason);
