#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "sim/CSimRegistrations.h"
#include "sim/SimFault.h"

// The virtual printer's side of every dialogue: it reads the tool's frames byte by byte,
// keeps its registrations and queues its replies. Time is the caller's, in milliseconds
// (a real clock behind a pseudo-terminal, a virtual one in process), so that delays such as
// a slow erase can be modelled either way.
class CPrinterModel {
  public:
    static constexpr std::int64_t kDefaultEraseDelayMs = 12000;
    static constexpr std::uint8_t NAK = 0x15;
    // A data frame that falls silent this long was abandoned by the tool (stopped, or its
    // line went away): the printer drops it and listens for frames again.
    static constexpr std::int64_t kDataGapMs = 1000;

    explicit CPrinterModel(CSimRegistrations& registrations);

    void SetFault(SimFault fault) { m_fault = fault; }
    SimFault Fault() const { return m_fault; }
    // How long an erase keeps the printer silent under SimFault::SlowErase.
    void SetEraseDelay(std::int64_t milliseconds) { m_eraseDelayMs = milliseconds; }
    // Called after a registration was stored or erased (to save the state file).
    void SetChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

    // Bytes the tool sent, arriving at `nowMs`.
    void Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs);
    // Takes up to `capacity` reply bytes that are due at `nowMs`.
    std::size_t TakeOutput(std::uint8_t* out, std::size_t capacity, std::int64_t nowMs);
    // When the next reply byte is due; nullopt when nothing is queued.
    std::optional<std::int64_t> NextOutputTime() const;
    // The line's queues were flushed: queued replies are dropped.
    void DiscardOutput() { m_output.clear(); }
    // The tool opened or closed the line (it flushes both queues then): a conversation it
    // left half-way, a data frame above all, is over at once, and so are queued replies. A
    // printer that died stays dead.
    void LineReset();

    CSimRegistrations& Registrations() { return m_registrations; }
    const CSimRegistrations& Registrations() const { return m_registrations; }
    // Frames recognised so far (requests, Proceed, Decline and data frames), for tests.
    int FramesReceived() const { return m_framesReceived; }

  private:
    enum class State {
        Idle,
        AwaitRegisterAnswer,
        AwaitDeleteAnswer,
        AwaitDeleteAllAnswer,
        AwaitInfoAnswer,
        DataStart,
        Data,
        DataEnd,
        Dead,
    };
    enum class Frame { Register, DeleteOne, DeleteAll, Info, Proceed, Decline };
    enum class Reply { Status, Ack, Information, Stream };

    void Feed(std::uint8_t byte, std::int64_t now);
    void FeedData(std::uint8_t byte, std::int64_t now);
    void MatchFrames(std::int64_t now);
    void Handle(Frame frame, std::int64_t now);
    void HandleRegister(std::int64_t now);
    void HandleProceed(std::int64_t now);
    void FinishData(std::int64_t now);
    void SendStatus(std::uint8_t middle, std::int64_t at);
    void Send(std::vector<std::uint8_t> bytes, Reply kind, std::int64_t at);
    std::int64_t EraseTime(std::int64_t now) const;
    void Changed();

    struct Chunk {
        std::int64_t dueMs;
        std::vector<std::uint8_t> bytes;
        std::size_t taken;
    };

    CSimRegistrations& m_registrations;
    SimFault m_fault = SimFault::None;
    std::int64_t m_eraseDelayMs = kDefaultEraseDelayMs;
    std::function<void()> m_onChange;
    State m_state = State::Idle;
    std::vector<std::uint8_t> m_frame;  // bytes of a frame being recognised
    std::deque<Chunk> m_output;
    int m_framesReceived = 0;
    // The dialogue in progress.
    int m_pendingId = -1;
    bool m_overwrite = false;
    SimRegistration m_pending;
    std::size_t m_dataExpected = 0;
    std::int64_t m_lastDataMs = 0;  // when the data frame last received a byte
};
