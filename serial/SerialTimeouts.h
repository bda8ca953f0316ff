#pragma once

#include <chrono>
#include <cstddef>

// The serial link's fixed time-outs and the arithmetic around them.
namespace serial {

inline constexpr std::chrono::milliseconds kReadTotalConstant{5000};
inline constexpr std::chrono::milliseconds kReadTotalMultiplier{100};  // per requested byte
inline constexpr std::chrono::milliseconds kWriteTotalConstant{100};
inline constexpr std::chrono::milliseconds kWriteTotalMultiplier{10};  // per byte
// How often a waiting read or write calls its idle callback.
inline constexpr std::chrono::milliseconds kIdleSlice{25};

// Test-only factor on every serial time-out, read from STAMPIX_TIMEOUT_SCALE.
inline constexpr const char* kTimeoutScaleVariable = "STAMPIX_TIMEOUT_SCALE";

// 5000 ms + 100 ms per byte (5300 ms for 3 bytes).
std::chrono::milliseconds ReadTimeout(std::size_t length);
// 100 ms + 10 ms per byte (110 ms for 1 byte).
std::chrono::milliseconds WriteTimeout(std::size_t length);

// The factor that `text` gives: a finite number above 0 and at most 1; anything else
// (absent, empty, malformed, out of range) means 1, so the product's time-outs stay whole.
double ParseTimeoutScale(const char* text);
double TimeoutScaleFromEnvironment();

// `timeout` multiplied by `scale`, never below one millisecond.
std::chrono::microseconds ScaleTimeout(std::chrono::milliseconds timeout, double scale);

// The next wait of a loop that calls an idle callback: the time left, cut to one idle
// slice when there is a callback; never negative.
std::chrono::nanoseconds NextWait(std::chrono::steady_clock::time_point now,
                                  std::chrono::steady_clock::time_point deadline,
                                  bool hasIdleCallback);

}  // namespace serial
