#include "serial/SerialTimeouts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace serial {

namespace {

// Lengths are bounded so that the products below cannot overflow.
std::chrono::milliseconds::rep ClampLength(std::size_t length) {
    constexpr std::size_t kMaxLength = std::size_t{1} << 40;
    return static_cast<std::chrono::milliseconds::rep>(std::min(length, kMaxLength));
}

}  // namespace

std::chrono::milliseconds ReadTimeout(std::size_t length) {
    return kReadTotalConstant + kReadTotalMultiplier * ClampLength(length);
}

std::chrono::milliseconds WriteTimeout(std::size_t length) {
    return kWriteTotalConstant + kWriteTotalMultiplier * ClampLength(length);
}

double ParseTimeoutScale(const char* text) {
    if (text == nullptr || *text == '\0') return 1.0;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0.0 || value > 1.0) {
        return 1.0;
    }
    return value;
}

double TimeoutScaleFromEnvironment() {
    return ParseTimeoutScale(std::getenv(kTimeoutScaleVariable));
}

std::chrono::microseconds ScaleTimeout(std::chrono::milliseconds timeout, double scale) {
    const double micros = static_cast<double>(timeout.count()) * 1000.0 * scale;
    const double bounded = std::clamp(micros, 1000.0, 1e15);
    return std::chrono::microseconds(static_cast<std::chrono::microseconds::rep>(bounded));
}

std::chrono::nanoseconds NextWait(std::chrono::steady_clock::time_point now,
                                  std::chrono::steady_clock::time_point deadline,
                                  bool hasIdleCallback) {
    if (now >= deadline) return std::chrono::nanoseconds::zero();
    std::chrono::nanoseconds left = deadline - now;
    if (hasIdleCallback) left = std::min<std::chrono::nanoseconds>(left, kIdleSlice);
    return left;
}

}  // namespace serial
