#include "sim/CSimLink.h"

#include "serial/SerialTimeouts.h"

bool CSimLink::OpenPort(const std::string& portName) {
    m_portName = portName;
    if (m_openFails || m_open) return false;
    m_open = true;
    ++m_opens;
    m_model.LineReset();  // as the tool's flush of a freshly opened port
    return true;
}

bool CSimLink::WriteBytes(const std::uint8_t* data, std::size_t length, const IdleCallback&) {
    if (!m_open || LineFailed()) return false;
    m_written.insert(m_written.end(), data, data + length);
    m_writeSizes.push_back(length);
    m_model.Receive({data, length}, m_nowMs);
    return true;
}

std::size_t CSimLink::ReadUpTo(std::uint8_t* buffer, std::size_t length, const IdleCallback& idle) {
    m_readSizes.push_back(length);
    std::size_t received = 0;
    if (m_open && length > 0 && !LineFailed()) {
        const std::int64_t deadline = m_nowMs + serial::ReadTimeout(length).count();
        while (true) {
            received += m_model.TakeOutput(buffer + received, length - received, m_nowMs);
            if (received == length || LineFailed()) break;
            const auto next = m_model.NextOutputTime();
            if (!next || *next > deadline) {
                Advance(deadline, idle);
                break;
            }
            Advance(*next, idle);
        }
    }
    m_readCounts.push_back(received);
    return received;
}

void CSimLink::Advance(std::int64_t to, const IdleCallback& idle) {
    if (to <= m_nowMs) return;
    m_idleCarryMs += to - m_nowMs;
    m_nowMs = to;
    const std::int64_t slice = serial::kIdleSlice.count();
    while (m_idleCarryMs >= slice) {
        m_idleCarryMs -= slice;
        if (idle) idle();
        if (LineFailed()) return;  // the rest of the wait is abandoned
    }
}

bool CSimLink::ClosePort() {
    if (m_open) ++m_closes;
    m_open = false;
    m_model.LineReset();
    return true;
}

void CSimLink::ClearRecord() {
    m_written.clear();
    m_writeSizes.clear();
    m_readSizes.clear();
    m_readCounts.clear();
}
