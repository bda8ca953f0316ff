#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

#include "sim/CPrinterModel.h"

// Serves the printer model on a pseudo-terminal. The server keeps the terminal's device end
// open itself, so that the tool may open and close it between transactions without hanging
// up the line. With a baud rate, bytes are taken from and given to the line no faster than
// the line would carry them (10 bits a byte).
class CPtyPrinterServer {
  public:
    CPtyPrinterServer(CPrinterModel& model, std::uint32_t baudRate);
    ~CPtyPrinterServer();
    CPtyPrinterServer(const CPtyPrinterServer&) = delete;
    CPtyPrinterServer& operator=(const CPtyPrinterServer&) = delete;

    // Opens the pseudo-terminal in raw mode; DevicePath() is then the path to give the tool.
    bool Open(std::string& error);
    const std::string& DevicePath() const { return m_devicePath; }
    // Makes `link` a symbolic link to the device (an old link there is replaced); removed
    // again when the server ends.
    bool CreateLink(const std::filesystem::path& link, std::string& error);
    // Serves until `stop` becomes true (set from a signal handler; several servers may
    // watch one flag from threads of their own).
    void Serve(const std::atomic<bool>& stop);

  private:
    using Clock = std::chrono::steady_clock;

    std::int64_t NowMs() const;
    void ReadFromLine(bool waited);
    void WriteToLine();
    Clock::duration ByteTime(std::size_t bytes) const;

    CPrinterModel& m_model;
    std::uint32_t m_baudRate;
    int m_master = -1;
    int m_slave = -1;
    std::string m_devicePath;
    std::filesystem::path m_link;
    Clock::time_point m_start;
    // When the line will have carried everything taken from or given to it so far.
    Clock::time_point m_lineFree;
};
