#include "sim/CPrinterModel.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "protocol/PrinterFrames.h"

namespace {

constexpr int kAny = -1;    // any byte
constexpr int kDigit = -2;  // a decimal digit

std::vector<int> Pattern(std::initializer_list<int> head, std::size_t anyCount = 0,
                         std::initializer_list<int> tail = {}) {
    std::vector<int> pattern(head);
    pattern.insert(pattern.end(), anyCount, kAny);
    pattern.insert(pattern.end(), tail);
    return pattern;
}

const std::vector<int>& FramePattern(int frame) {
    using namespace frames;
    static const std::array<std::vector<int>, 6> kPatterns = {
        Pattern({STX, ESC, 'A', ESC, 'F', 'D'}, kRecordSize, {ESC, 'Z', ETX}),
        Pattern({ESC, 'A', ESC, 'F', 'C', kDigit, kDigit, ESC, 'Z'}),
        Pattern({ESC, 'A', ESC, '*', 'F', ESC, 'Z'}),
        Pattern({SOH, 'F', 'G'}),
        Pattern({STX, '0', ETX}),
        Pattern({STX, '1', ETX}),
    };
    return kPatterns[static_cast<std::size_t>(frame)];
}

bool ByteMatches(int expected, std::uint8_t byte) {
    if (expected == kAny) return true;
    if (expected == kDigit) return byte >= '0' && byte <= '9';
    return expected == byte;
}

// 0: `bytes` cannot start this pattern; 1: it is a proper prefix; 2: it is the whole frame.
int MatchLevel(const std::vector<int>& pattern, const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() > pattern.size()) return 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!ByteMatches(pattern[i], bytes[i])) return 0;
    }
    return bytes.size() == pattern.size() ? 2 : 1;
}

}  // namespace

CPrinterModel::CPrinterModel(CSimRegistrations& registrations) : m_registrations(registrations) {}

void CPrinterModel::Receive(std::span<const std::uint8_t> bytes, std::int64_t nowMs) {
    if (m_fault == SimFault::Silence) return;
    for (std::uint8_t byte : bytes) Feed(byte, nowMs);
}

void CPrinterModel::LineReset() {
    DiscardOutput();
    m_frame.clear();
    m_pending.data.clear();
    if (m_state != State::Dead) m_state = State::Idle;
}

void CPrinterModel::Feed(std::uint8_t byte, std::int64_t now) {
    switch (m_state) {
        case State::Dead:
            return;
        case State::DataStart:
        case State::Data:
        case State::DataEnd:
            if (now - m_lastDataMs <= kDataGapMs) {
                m_lastDataMs = now;
                FeedData(byte, now);
                return;
            }
            m_state = State::Idle;  // the frame was abandoned: this byte starts a new one
            m_pending.data.clear();
            m_frame.clear();
            [[fallthrough]];
        default:
            m_frame.push_back(byte);
            MatchFrames(now);
    }
}

void CPrinterModel::MatchFrames(std::int64_t now) {
    const bool awaiting = m_state != State::Idle;
    const int frameCount = awaiting ? 6 : 4;  // Proceed and Decline only answer a question
    while (!m_frame.empty()) {
        bool prefix = false;
        for (int frame = 0; frame < frameCount; ++frame) {
            const int level = MatchLevel(FramePattern(frame), m_frame);
            if (level == 2) {
                ++m_framesReceived;
                Handle(static_cast<Frame>(frame), now);
                m_frame.clear();
                return;
            }
            prefix = prefix || level == 1;
        }
        if (prefix) return;
        // Not the start of any frame: drop a byte and look again.
        m_frame.erase(m_frame.begin());
    }
}

void CPrinterModel::Handle(Frame frame, std::int64_t now) {
    const State asked = m_state;
    m_state = State::Idle;
    switch (frame) {
        case Frame::Register:
            HandleRegister(now);
            return;
        case Frame::DeleteOne: {
            m_pendingId = (m_frame[5] - '0') * 10 + (m_frame[6] - '0');
            const bool present = m_registrations.Contains(m_pendingId);
            SendStatus(present ? frames::STATUS_OCCUPIED : frames::STATUS_FREE, now);
            if (present) m_state = State::AwaitDeleteAnswer;
            return;
        }
        case Frame::DeleteAll: {
            const bool present = !m_registrations.Empty();
            SendStatus(present ? frames::STATUS_OCCUPIED : frames::STATUS_FREE, now);
            if (present) m_state = State::AwaitDeleteAllAnswer;
            return;
        }
        case Frame::Info: {
            const std::size_t length = m_registrations.Stream().size();
            char digits[16];
            std::snprintf(digits, sizeof digits, "%08zu", length);
            const bool present = !m_registrations.Empty();
            std::vector<std::uint8_t> reply{
                frames::STX, present ? frames::STATUS_OCCUPIED : frames::STATUS_FREE};
            reply.insert(reply.end(), digits, digits + 8);
            reply.push_back(frames::ETX);
            Send(std::move(reply), Reply::Information, now);
            if (present) m_state = State::AwaitInfoAnswer;
            return;
        }
        case Frame::Proceed:
            m_state = asked;
            HandleProceed(now);
            return;
        case Frame::Decline:
            // The tool drops the dialogue; an acknowledgement it may ignore.
            if (asked != State::AwaitInfoAnswer) SendStatus('C', now);
            return;
    }
}

void CPrinterModel::HandleRegister(std::int64_t now) {
    m_pending = SimRegistration{};
    std::copy(m_frame.begin() + 6, m_frame.begin() + 6 + 100, m_pending.record.begin());
    const auto id = m_pending.Id();
    if (!id) {
        SendStatus('N', now);  // no such ID
        return;
    }
    const std::uint32_t count = m_pending.PatternCount();
    const std::int64_t need = m_pending.MemoryNeed();
    if (count == 0 || count > 5000 || !m_registrations.Fits(*id, need)) {
        SendStatus('F', now);  // memory full or an impossible record
        return;
    }
    m_pendingId = *id;
    m_dataExpected = static_cast<std::size_t>(need);
    m_overwrite = m_registrations.Contains(*id);
    SendStatus(m_overwrite ? frames::STATUS_OCCUPIED : frames::STATUS_FREE, now);
    m_state = State::AwaitRegisterAnswer;
}

std::int64_t CPrinterModel::EraseTime(std::int64_t now) const {
    return m_fault == SimFault::SlowErase ? now + m_eraseDelayMs : now;
}

void CPrinterModel::HandleProceed(std::int64_t now) {
    const State asked = m_state;
    m_state = State::Idle;
    switch (asked) {
        case State::AwaitRegisterAnswer: {
            std::int64_t at = now;
            if (m_overwrite) {
                m_registrations.Erase(m_pendingId);
                Changed();
                at = EraseTime(now);
            }
            SendStatus(frames::STATUS_READY, at);
            m_pending.data.clear();
            m_pending.data.reserve(m_dataExpected);
            m_state = State::DataStart;
            m_lastDataMs = at;  // the tool starts the frame once it has the answer
            return;
        }
        case State::AwaitDeleteAnswer:
            m_registrations.Erase(m_pendingId);
            Changed();
            SendStatus(frames::STATUS_DONE, EraseTime(now));
            return;
        case State::AwaitDeleteAllAnswer:
            m_registrations.EraseAll();
            Changed();
            SendStatus(frames::STATUS_DONE, EraseTime(now));
            return;
        case State::AwaitInfoAnswer: {
            std::vector<std::uint8_t> stream;
            if (m_fault != SimFault::NoStx) stream.push_back(frames::STX);
            if (m_fault == SimFault::Stall) {
                const auto ids = m_registrations.Ids();
                const SimRegistration* first = m_registrations.Find(ids.front());
                stream.insert(stream.end(), first->record.begin(), first->record.end());
                stream.insert(stream.end(), first->entries.begin(), first->entries.end());
                Send(std::move(stream), Reply::Stream, now);
                return;
            }
            const auto body = m_registrations.Stream();
            stream.insert(stream.end(), body.begin(), body.end());
            if (m_fault != SimFault::NoEtx) stream.push_back(frames::ETX);
            Send(std::move(stream), Reply::Stream, now);
            return;
        }
        default:
            return;  // nothing was asked
    }
}

void CPrinterModel::FeedData(std::uint8_t byte, std::int64_t now) {
    if (m_state == State::DataStart) {
        if (byte != frames::STX) {
            Send({NAK}, Reply::Ack, now);
            m_state = State::Idle;
            return;
        }
        m_state = m_dataExpected == 0 ? State::DataEnd : State::Data;
        return;
    }
    if (m_state == State::Data) {
        m_pending.data.push_back(byte);
        if (m_fault == SimFault::HangUp && m_pending.data.size() >= m_dataExpected / 2) {
            m_state = State::Dead;
            return;
        }
        if (m_pending.data.size() == m_dataExpected) m_state = State::DataEnd;
        return;
    }
    m_state = State::Idle;
    if (byte != frames::ETX) {
        Send({NAK}, Reply::Ack, now);
        return;
    }
    FinishData(now);
}

void CPrinterModel::FinishData(std::int64_t now) {
    ++m_framesReceived;
    Send({frames::ACK}, Reply::Ack, now);
    // Each pattern's entry is the first six bytes of its prefix.
    const std::size_t stride = m_pending.PatternSize() + std::size_t{10};
    for (std::uint32_t i = 0; i < m_pending.PatternCount(); ++i) {
        const auto start = m_pending.data.begin() + static_cast<std::ptrdiff_t>(i * stride);
        m_pending.entries.insert(m_pending.entries.end(), start, start + 6);
    }
    const bool stored = m_registrations.Store(std::move(m_pending));
    m_pending = SimRegistration{};
    if (stored) Changed();
    SendStatus(stored ? frames::STATUS_DONE : 'F', now);
}

void CPrinterModel::SendStatus(std::uint8_t middle, std::int64_t at) {
    Send({frames::STX, middle, frames::ETX}, Reply::Status, at);
}

void CPrinterModel::Send(std::vector<std::uint8_t> bytes, Reply kind, std::int64_t at) {
    if (kind != Reply::Stream) {
        if (m_fault == SimFault::Garbage) {
            const std::uint8_t junk = kind == Reply::Ack ? NAK : '?';
            std::fill(bytes.begin(), bytes.end(), junk);
        } else if (m_fault == SimFault::ShortReply) {
            bytes.resize(1);
        }
    }
    // Replies leave in order: none is due before the one queued ahead of it.
    if (!m_output.empty()) at = std::max(at, m_output.back().dueMs);
    m_output.push_back(Chunk{at, std::move(bytes), 0});
}

std::size_t CPrinterModel::TakeOutput(std::uint8_t* out, std::size_t capacity, std::int64_t nowMs) {
    std::size_t taken = 0;
    while (taken < capacity && !m_output.empty() && m_output.front().dueMs <= nowMs) {
        Chunk& chunk = m_output.front();
        const std::size_t n = std::min(capacity - taken, chunk.bytes.size() - chunk.taken);
        std::copy_n(chunk.bytes.begin() + static_cast<std::ptrdiff_t>(chunk.taken), n, out + taken);
        chunk.taken += n;
        taken += n;
        if (chunk.taken == chunk.bytes.size()) m_output.pop_front();
    }
    return taken;
}

std::optional<std::int64_t> CPrinterModel::NextOutputTime() const {
    if (m_output.empty()) return std::nullopt;
    return m_output.front().dueMs;
}

void CPrinterModel::Changed() {
    if (m_onChange) m_onChange();
}
