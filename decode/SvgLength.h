#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "imaging/IImageDecoder.h"

// What an SVG document says about its own size: the root element's width and height
// attributes (empty when absent) and the width and height of its viewBox.
struct SvgSizeFacts {
    std::string width;
    std::string height;
    std::optional<double> viewBoxWidth;
    std::optional<double> viewBoxHeight;
    std::string preserveAspectRatio;  // the root's attribute, empty when absent
};

// A length in millimetres: mm, cm, in, pt and pc as they are; px or no unit at 96 px per
// inch. Percentages, font-relative units and malformed numbers give nullopt.
std::optional<double> SvgLengthInMm(std::string_view text);

struct DotSize {
    int width = 0;
    int height = 0;
};

// The printed size in dots of an SVG document for `request`: its own width and height (or
// its viewBox, in px) unless the request names a width or a height in mm; given one, the
// other keeps the document's aspect ratio. nullopt when the document has no usable size.
std::optional<DotSize> SvgPrintedSize(const SvgSizeFacts& facts, const ImageDecodeRequest& request);

// Where the viewBox lands in a picture of `width` x `height` dots, as SVG's
// preserveAspectRatio says (an alignment such as "xMidYMid", or "none", then "meet" or
// "slice"): "none" stretches over the whole picture; otherwise the viewBox keeps its
// proportions, fitted inside ("meet") or covering ("slice"), and is aligned as named. An
// absent or malformed attribute is the default "xMidYMid meet": centred, fitted, never
// stretched.
struct SvgPlacement {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};
SvgPlacement PlaceViewBox(double viewBoxWidth, double viewBoxHeight, double width, double height,
                          std::string_view preserveAspectRatio);
