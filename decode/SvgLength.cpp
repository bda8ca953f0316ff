#include "decode/SvgLength.h"

#include <charconv>
#include <cmath>
#include <string>

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
