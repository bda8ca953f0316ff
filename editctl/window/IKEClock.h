#pragma once

#include <cstdint>

// The window system's clock for timers and message times: milliseconds from any fixed start.
// The toolkit supplies a steady clock; tests a virtual one they move by hand.
class IKEClock {
  public:
    virtual ~IKEClock() = default;
    virtual std::uint64_t nowMs() const = 0;
};
