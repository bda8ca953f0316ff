#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "serial/ISerialLink.h"
#include "sim/CPrinterModel.h"

// The virtual printer in process, behind the serial link interface. Time is virtual: a read
// that waits for a reply moves the clock to the reply's due time, a read that times out
// moves it by the whole read time-out (5000 + 100 x n ms), calling the idle callback once
// per 25 ms waited; so tests of slow and silent printers run at once.
// A stop request ends a wait at its next idle slice.
// It also records what the tool did, for tests.
class CSimLink : public ISerialLink {
  public:
    explicit CSimLink(CPrinterModel& model) : m_model(model) {}

    // Makes OpenPort fail, as for a port held by another program.
    void SetOpenFails(bool fails) { m_openFails = fails; }

    bool OpenPort(const std::string& portName) override;
    bool ConfigurePort() override { return m_open; }
    bool WriteBytes(const std::uint8_t* data, std::size_t length,
                    const IdleCallback& idle) override;
    std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t length,
                         const IdleCallback& idle) override;
    bool DrainOutput(std::size_t, const IdleCallback&) override { return m_open && !LineFailed(); }
    bool ClosePort() override;

    using ISerialLink::ReadBytes;
    using ISerialLink::WriteBytes;

    std::int64_t NowMs() const { return m_nowMs; }
    bool IsOpen() const { return m_open; }
    int OpenCount() const { return m_opens; }
    int CloseCount() const { return m_closes; }
    const std::string& LastPortName() const { return m_portName; }
    // Every byte written while open, and the length of each write call.
    const std::vector<std::uint8_t>& Written() const { return m_written; }
    const std::vector<std::size_t>& WriteSizes() const { return m_writeSizes; }
    // The length asked for by each read call, and how many bytes each received.
    const std::vector<std::size_t>& ReadSizes() const { return m_readSizes; }
    const std::vector<std::size_t>& ReadCounts() const { return m_readCounts; }
    void ClearRecord();

  private:
    void Advance(std::int64_t to, const IdleCallback& idle);

    CPrinterModel& m_model;
    bool m_openFails = false;
    bool m_open = false;
    int m_opens = 0;
    int m_closes = 0;
    std::string m_portName;
    std::int64_t m_nowMs = 0;
    std::int64_t m_idleCarryMs = 0;
    std::vector<std::uint8_t> m_written;
    std::vector<std::size_t> m_writeSizes;
    std::vector<std::size_t> m_readSizes;
    std::vector<std::size_t> m_readCounts;
};
