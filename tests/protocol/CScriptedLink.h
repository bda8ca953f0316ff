#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "serial/ISerialLink.h"

// A printer played from a script: each read takes the next scripted answer (some bytes, or
// silence), and every write is recorded with its call boundaries, so tests check the exact
// bytes and the exact order of reads and writes.
class CScriptedLink : public ISerialLink {
  public:
    // The next read receives `bytes` (cut to what it asks for; a reply shorter than the
    // read is a short read).
    CScriptedLink& Reply(std::vector<std::uint8_t> bytes);
    CScriptedLink& Reply(const std::string& text);
    // The next `count` reads receive nothing.
    CScriptedLink& Silence(int count = 1);
    void SetOpenFails(bool fails) { m_openFails = fails; }

    bool OpenPort(const std::string& portName) override;
    bool ConfigurePort() override;
    bool WriteBytes(const std::uint8_t* data, std::size_t length,
                    const IdleCallback& idle) override;
    std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t length,
                         const IdleCallback& idle) override;
    bool DrainOutput(std::size_t frameLength, const IdleCallback& idle) override;
    bool ClosePort() override;
    bool LineFailed() const override { return m_lineFailed || StopRequested(); }
    // After `reads` more reads the line goes down (the device hung up): later reads receive
    // nothing and writes fail, until the next open.
    void FailLineAfterReads(int reads) { m_readsBeforeFailure = reads; }

    using ISerialLink::ReadBytes;
    using ISerialLink::WriteBytes;

    // Everything written, one entry per write call.
    const std::vector<std::vector<std::uint8_t>>& Writes() const { return m_writes; }
    std::vector<std::uint8_t> AllWritten() const;
    // One entry per read call: the length asked for.
    const std::vector<std::size_t>& Reads() const { return m_reads; }
    // Reads made after the script ran out (they received nothing).
    int ReadsPastScript() const { return m_readsPastScript; }
    bool ScriptDone() const { return m_script.empty(); }
    // "open NAME", "configure", "close" in order.
    const std::vector<std::string>& PortEvents() const { return m_portEvents; }
    bool IsOpen() const { return m_open; }
    int IdleCalls() const { return m_idleCalls; }
    // Writes, drains and reads in order: "w<length>", "d<frame length>", "r<length>".
    const std::vector<std::string>& Sequence() const { return m_sequence; }

  private:
    struct Answer {
        bool silent;
        std::vector<std::uint8_t> bytes;
    };
    std::deque<Answer> m_script;
    bool m_openFails = false;
    bool m_open = false;
    std::vector<std::vector<std::uint8_t>> m_writes;
    std::vector<std::size_t> m_reads;
    std::vector<std::string> m_portEvents;
    int m_readsPastScript = 0;
    int m_idleCalls = 0;
    int m_readsBeforeFailure = -1;  // -1: the line does not fail
    bool m_lineFailed = false;
    std::vector<std::string> m_sequence;
};

// Bytes of a text, for readable expectations.
std::vector<std::uint8_t> Bytes(const std::string& text);
