#include "decode/SvgLength.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPxPerInch = 96.0;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<double> MmPerUnit(std::string_view unit) {
    if (unit.empty() || unit == "px") return kMmPerInch / kPxPerInch;
    if (unit == "mm") return 1.0;
    if (unit == "cm") return 10.0;
    if (unit == "in") return kMmPerInch;
    if (unit == "pt") return kMmPerInch / 72.0;
    if (unit == "pc") return kMmPerInch / 6.0;
    return std::nullopt;
}

// Dots for `mm` millimetres: rounded, at least one; absurd sizes are held to a size that
// the size limit refuses rather than overflowing.
int Dots(double mm, int dotsPerMm) {
    const double dots = std::round(mm * dotsPerMm);
    if (dots > 1e6) return 1000000;
    return std::max(1, static_cast<int>(dots));
}

bool Usable(double value) { return std::isfinite(value) && value > 0; }

}  // namespace

std::optional<double> SvgLengthInMm(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    const std::optional<double> perUnit =
        MmPerUnit(std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end)));
    if (!perUnit) return std::nullopt;
    return value * *perUnit;
}

std::optional<DotSize> SvgPrintedSize(const SvgSizeFacts& facts,
                                      const ImageDecodeRequest& request) {
    std::optional<double> width = SvgLengthInMm(facts.width);
    std::optional<double> height = SvgLengthInMm(facts.height);
    if (!width && facts.viewBoxWidth) width = *facts.viewBoxWidth * kMmPerInch / kPxPerInch;
    if (!height && facts.viewBoxHeight) height = *facts.viewBoxHeight * kMmPerInch / kPxPerInch;
    if (!width || !height || !Usable(*width) || !Usable(*height)) return std::nullopt;

    const double aspect = *height / *width;
    if (request.widthMm && request.heightMm) {
        width = request.widthMm;
        height = request.heightMm;
    } else if (request.widthMm) {
        width = request.widthMm;
        height = *request.widthMm * aspect;
    } else if (request.heightMm) {
        height = request.heightMm;
        width = *request.heightMm / aspect;
    }
    if (!Usable(*width) || !Usable(*height) || request.dotsPerMm <= 0) return std::nullopt;
    return DotSize{Dots(*width, request.dotsPerMm), Dots(*height, request.dotsPerMm)};
}

namespace {

// 0, 0.5 or 1 for "Min", "Mid" or "Max"; nullopt otherwise.
std::optional<double> AlignFactor(std::string_view word) {
    if (word == "Min") return 0.0;
    if (word == "Mid") return 0.5;
    if (word == "Max") return 1.0;
    return std::nullopt;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n,", pos);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find_first_of(" \t\r\n,", start), text.size());
        words.push_back(text.substr(start, end - start));
        pos = end;
    }
    return words;
}

}  // namespace

SvgPlacement PlaceViewBox(double viewBoxWidth, double viewBoxHeight, double width, double height,
                          std::string_view preserveAspectRatio) {
    const SvgPlacement stretched{0, 0, width, height};
    if (!Usable(viewBoxWidth) || !Usable(viewBoxHeight)) return stretched;
    double alignX = 0.5;
    double alignY = 0.5;
    bool slice = false;
    std::vector<std::string_view> words = Words(preserveAspectRatio);
    if (!words.empty() && words.front() == "defer") words.erase(words.begin());
    bool valid = words.size() <= 2;
    if (valid && !words.empty()) {
        if (words[0] == "none") {
            valid = words.size() == 1 || words[1] == "meet" || words[1] == "slice";
            if (valid) return stretched;
        } else if (words[0].size() == 8 && words[0][0] == 'x' && words[0][4] == 'Y') {
            const std::optional<double> x = AlignFactor(words[0].substr(1, 3));
            const std::optional<double> y = AlignFactor(words[0].substr(5, 3));
            valid = x && y;
            if (valid) {
                alignX = *x;
                alignY = *y;
            }
        } else {
            valid = false;
        }
        if (valid && words.size() == 2) {
            valid = words[1] == "meet" || words[1] == "slice";
            slice = words[1] == "slice";
        }
    }
    if (!valid) {
        alignX = alignY = 0.5;
        slice = false;
    }
    const double scaleX = width / viewBoxWidth;
    const double scaleY = height / viewBoxHeight;
    const double scale = slice ? std::max(scaleX, scaleY) : std::min(scaleX, scaleY);
    const double placedWidth = viewBoxWidth * scale;
    const double placedHeight = viewBoxHeight * scale;
    return {(width - placedWidth) * alignX, (height - placedHeight) * alignY, placedWidth,
            placedHeight};
}
