#include "CScriptedLink.h"

#include <algorithm>

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

CScriptedLink& CScriptedLink::Reply(std::vector<std::uint8_t> bytes) {
    m_script.push_back(Answer{false, std::move(bytes)});
    return *this;
}

CScriptedLink& CScriptedLink::Reply(const std::string& text) { return Reply(Bytes(text)); }

CScriptedLink& CScriptedLink::Silence(int count) {
    for (int i = 0; i < count; ++i) m_script.push_back(Answer{true, {}});
    return *this;
}

bool CScriptedLink::OpenPort(const std::string& portName) {
    m_portEvents.push_back("open " + portName);
    if (m_openFails || m_open) return false;
    m_open = true;
    m_lineFailed = false;
    return true;
}

bool CScriptedLink::ConfigurePort() {
    m_portEvents.push_back("configure");
    return m_open;
}

bool CScriptedLink::WriteBytes(const std::uint8_t* data, std::size_t length, const IdleCallback&) {
    if (!m_open) {
        m_portEvents.push_back("write while closed");
        return false;
    }
    m_sequence.push_back("w" + std::to_string(length));
    if (LineFailed()) return false;
    m_writes.emplace_back(data, data + length);
    return true;
}

std::size_t CScriptedLink::ReadUpTo(std::uint8_t* buffer, std::size_t length,
                                    const IdleCallback& idle) {
    m_reads.push_back(length);
    if (!m_open) {
        m_portEvents.push_back("read while closed");
        return 0;
    }
    m_sequence.push_back("r" + std::to_string(length));
    if (m_readsBeforeFailure == 0) m_lineFailed = true;
    if (m_readsBeforeFailure >= 0) --m_readsBeforeFailure;
    if (LineFailed()) return 0;
    if (m_script.empty()) {
        ++m_readsPastScript;
        return 0;
    }
    Answer answer = std::move(m_script.front());
    m_script.pop_front();
    if (answer.silent) {
        // A silent read waits out its time-out: the display is kept alive meanwhile.
        if (idle) {
            idle();
            ++m_idleCalls;
        }
        return 0;
    }
    const std::size_t n = std::min(length, answer.bytes.size());
    std::copy_n(answer.bytes.begin(), n, buffer);
    return n;
}

bool CScriptedLink::DrainOutput(std::size_t frameLength, const IdleCallback&) {
    m_sequence.push_back("d" + std::to_string(frameLength));
    return m_open && !LineFailed();
}

bool CScriptedLink::ClosePort() {
    m_portEvents.push_back("close");
    m_open = false;
    return true;
}

std::vector<std::uint8_t> CScriptedLink::AllWritten() const {
    std::vector<std::uint8_t> all;
    for (const auto& write : m_writes) all.insert(all.end(), write.begin(), write.end());
    return all;
}
