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
        TIMERPROC proc;  // WM_TIMER's lParam: the callback DispatchMessage calls, or null
    };

    // Starts or restarts the timer; the id. As in Win32, a timer of no window whose id names
    // none of the list gets a new id of its own (so SetTimer(NULL, 0, ...) works).
    UINT_PTR set(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc, std::uint64_t now);
    bool kill(HWND hwnd, UINT_PTR id);
    void killAll(HWND hwnd);
    // The first timer due at `now` for `hwnd` (null: any window or none), rescheduled when
    // `remove` is set; a peek that does not remove leaves it due.
    std::optional<Due> takeDue(std::uint64_t now, HWND hwnd = nullptr, bool remove = true);
    // The earliest due time, or nothing without timers.
    std::optional<std::uint64_t> nextDue() const;

  private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id;
        UINT interval;
        std::uint64_t due;
        TIMERPROC proc;
    };
    std::vector<Timer> m_timers;
    UINT_PTR m_nextThreadId = 0x7FF0;  // ids of timers of no window, away from small ones
};
