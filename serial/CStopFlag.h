#pragma once

#include <atomic>

// A request to stop the printer work in progress: set from any thread or from a signal
// handler, read by the serial waits in every slice and by the operations between their
// steps. A flag may follow another one (a process-wide flag set by a signal, say), and then
// also counts as set when that one is.
class CStopFlag {
  public:
    CStopFlag() = default;
    CStopFlag(const CStopFlag&) = delete;
    CStopFlag& operator=(const CStopFlag&) = delete;

    // Async-signal-safe: one lock-free atomic store.
    void Request() noexcept { m_requested.store(true, std::memory_order_relaxed); }
    bool IsRequested() const noexcept {
        if (m_requested.load(std::memory_order_relaxed)) return true;
        const CStopFlag* outer = m_outer.load(std::memory_order_relaxed);
        return outer != nullptr && outer->IsRequested();
    }
    // `outer` must outlive this flag; null ends the following.
    void Follow(const CStopFlag* outer) noexcept {
        m_outer.store(outer, std::memory_order_relaxed);
    }

  private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<const CStopFlag*>::is_always_lock_free);

    std::atomic<bool> m_requested{false};
    std::atomic<const CStopFlag*> m_outer{nullptr};
};
