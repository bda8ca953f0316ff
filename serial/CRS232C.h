#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "serial/ISerialLink.h"
#include "serial/SerialPortScan.h"

// The serial link to the printer on a POSIX terminal device: exclusive open, raw 8N1 at the
// set baud rate without hardware handshake, reads and writes with the link's fixed
// time-outs. The port is opened by each transaction and closed before it returns.
class CRS232C : public ISerialLink {
  public:
    static constexpr std::uint32_t kDefaultBaudRate = 115200;

    // Scans for the serial devices present (FindPorts).
    CRS232C();
    // Closes the port if a caller left it open.
    ~CRS232C() override;
    CRS232C(const CRS232C&) = delete;
    CRS232C& operator=(const CRS232C&) = delete;

    // Rescans the system's serial devices; the result is also kept for FoundPorts.
    const std::vector<SerialPortInfo>& FindPorts();
    const std::vector<SerialPortInfo>& FoundPorts() const { return m_ports; }

    void SetBaudRate(std::uint32_t rate) { m_baudRate = rate; }
    std::uint32_t GetBaudRate() const { return m_baudRate; }

    // The name is resolved at every open: devices may have come or gone since start-up.
    bool OpenPort(const std::string& portName) override;
    std::optional<PortOpenFailure> OpenFailure() const override { return m_openFailure; }
    bool ConfigurePort() override;
    bool WriteBytes(const std::uint8_t* data, std::size_t length,
                    const IdleCallback& idle) override;
    std::size_t ReadUpTo(std::uint8_t* buffer, std::size_t length,
                         const IdleCallback& idle) override;
    bool DrainOutput(std::size_t frameLength, const IdleCallback& idle) override;
    bool ClosePort() override;
    bool LineFailed() const override { return m_lineFailed; }

    using ISerialLink::ReadBytes;
    using ISerialLink::WriteBytes;

    bool IsOpen() const { return m_hPort >= 0; }
    // What the last failed call met, with the system's message; empty after success.
    const std::string& LastError() const { return m_lastError; }

  private:
    bool Fail(const std::string& what);
    // Notes why the open of `device` failed (`error` as errno); false.
    bool OpenFailed(const std::string& device, int error, const std::string& what);
    // Notes that the line carries nothing more in this transaction; false.
    bool LineDown(const std::string& what);
    // True when the line failed or a stop was requested (which fails it too).
    bool CheckLine();
    // The device node is gone, or the path now names another device.
    bool DeviceGone() const;
    // Waits at most `wait` for `events`, noting a hang-up, an error or a vanished device.
    void WaitSlice(short events, std::chrono::nanoseconds wait);

    std::vector<SerialPortInfo> m_ports;
    std::uint32_t m_baudRate = kDefaultBaudRate;
    int m_hPort = -1;
    std::string m_devicePath;  // what m_hPort was opened from
    bool m_lineFailed = false;
    double m_timeoutScale = 1.0;  // taken from the environment at each open
    std::string m_lastError;
    std::optional<PortOpenFailure> m_openFailure;
};
