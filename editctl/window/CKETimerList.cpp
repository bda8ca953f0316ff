#include "editctl/window/CKETimerList.h"

#include <algorithm>

UINT_PTR CKETimerList::set(HWND hwnd, UINT_PTR id, UINT intervalMs, TIMERPROC proc,
                           std::uint64_t now) {
    // Win32 holds intervals to at least 10 ms.
    const UINT interval = std::max<UINT>(intervalMs, 10);
    for (Timer& timer : m_timers) {
        if (timer.hwnd == hwnd && timer.id == id) {
            timer.interval = interval;
            timer.due = now + interval;
            timer.proc = proc;
            return id;
        }
    }
    if (hwnd == nullptr) {
        const auto taken = [this](UINT_PTR candidate) {
            return std::any_of(m_timers.begin(), m_timers.end(), [&](const Timer& timer) {
                return timer.hwnd == nullptr && timer.id == candidate;
            });
        };
        do {
            id = ++m_nextThreadId;
        } while (id == 0 || taken(id));
    }
    m_timers.push_back(Timer{hwnd, id, interval, now + interval, proc});
    return id;
}

bool CKETimerList::kill(HWND hwnd, UINT_PTR id) {
    const auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& timer) {
        return timer.hwnd == hwnd && timer.id == id;
    });
    if (it == m_timers.end()) {
        return false;
    }
    m_timers.erase(it);
    return true;
}

void CKETimerList::killAll(HWND hwnd) {
    std::erase_if(m_timers, [&](const Timer& timer) { return timer.hwnd == hwnd; });
}

std::optional<CKETimerList::Due> CKETimerList::takeDue(std::uint64_t now, HWND hwnd, bool remove) {
    Timer* first = nullptr;
    for (Timer& timer : m_timers) {
        if (hwnd != nullptr && timer.hwnd != hwnd) {
            continue;
        }
        if (timer.due <= now && (first == nullptr || timer.due < first->due)) {
            first = &timer;
        }
    }
    if (first == nullptr) {
        return std::nullopt;
    }
    // A timer that fell behind yields one message, not one per missed interval.
    if (remove) {
        first->due = now + first->interval;
    }
    return Due{first->hwnd, first->id, first->proc};
}

std::optional<std::uint64_t> CKETimerList::nextDue() const {
    std::optional<std::uint64_t> next;
    for (const Timer& timer : m_timers) {
        if (!next || timer.due < *next) {
            next = timer.due;
        }
    }
    return next;
}
