#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editctl/model/WextlWin32.h"

// Timers of SetTimer: (window, id) with an interval and the next due time. A due timer
// yields one WM_TIMER when the queue is read, and is due again an interval later.
class CKETimerList {
  public:
    struct Due {
        HWND hwnd;
        UINT_PTR id;
    };

    // Starts or restarts the timer; the id.
    UINT_PTR set(HWND hwnd, UINT_PTR id, UINT intervalMs, std::uint64_t now);
    bool kill(HWND hwnd, UINT_PTR id);
    void killAll(HWND hwnd);
    // The first timer due at `now` (rescheduled), or nothing.
    std::optional<Due> takeDue(std::uint64_t now);
    // The earliest due time, or nothing without timers.
    std::optional<std::uint64_t> nextDue() const;

  private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT interval;
        std::uint64_t due;
    };
    std::vector<Timer> m_timers;
};
