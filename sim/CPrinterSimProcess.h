#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// Runs stampix-printer-sim as a child process, for tests and benchmarks that talk to it
// through the real serial code.
class CPrinterSimProcess {
  public:
    CPrinterSimProcess() = default;
    // Stops the program if it still runs.
    ~CPrinterSimProcess();
    CPrinterSimProcess(const CPrinterSimProcess&) = delete;
    CPrinterSimProcess& operator=(const CPrinterSimProcess&) = delete;

    // Starts `program` with `arguments` and waits (up to `wait`) for the device paths on the
    // first `devices` lines of its output (more than one with --count). False, with `error`
    // set, when they do not come.
    bool Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               std::string& error,
               std::chrono::milliseconds wait = std::chrono::milliseconds(10000),
               std::size_t devices = 1);
    const std::string& DevicePath() const { return m_devicePaths.front(); }
    const std::vector<std::string>& DevicePaths() const { return m_devicePaths; }
    bool Running() const { return m_pid > 0; }
    // Sends SIGTERM and waits for the end; the exit status (-1 when it did not run).
    int Stop();

  private:
    pid_t m_pid = -1;
    std::vector<std::string> m_devicePaths{std::string()};
};
